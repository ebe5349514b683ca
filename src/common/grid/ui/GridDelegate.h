#pragma once

#include <QStyledItemDelegate>

// Draws and edits the cells whose column asks for more than text: the "Status" state, and
// drop-down and date columns. Works on any model that offers GridModel's roles.
class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // What a state means, for its tooltip: 1 usable, 0 not usable here, 3 inactive.
    static QString stateName(int state);
    // Colour of a state's mark; invalid for states without one (shown as their number).
    static QColor stateColour(int state);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
};
