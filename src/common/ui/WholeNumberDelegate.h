#pragma once

#include <QStyledItemDelegate>

// Grid cells that take whole numbers from 0 up: the editor accepts digits only.
class WholeNumberDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
};
