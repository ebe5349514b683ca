#include "common/grid/ui/GridDelegate.h"

#include "common/grid/GridModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {
ColumnFormat formatOf(const QModelIndex &index)
{
    return ColumnFormat(index.data(GridModel::FormatRole).toInt());
}
} // namespace

QString GridDelegate::stateName(int state)
{
    switch (state) {
    case 1:
        return QStringLiteral("Disponible");
    case 0:
        return QStringLiteral("No disponible");
    case 3:
        return QStringLiteral("Inactivo");
    default:
        return QString::number(state);
    }
}

QColor GridDelegate::stateColour(int state)
{
    switch (state) {
    case 1:
        return QColor(0x2e, 0x8b, 0x57);
    case 0:
        return QColor(0xc0, 0x39, 0x2b);
    case 3:
        return QColor(0x9e, 0x9e, 0x9e);
    default:
        return {};
    }
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    const QVariant state = index.data(GridModel::StateRole);
    const QColor colour = state.isValid() ? stateColour(state.toInt()) : QColor();
    if (!colour.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const int diameter = std::max(6, std::min(opt.rect.height() - 8, 12));
    QRect mark(0, 0, diameter, diameter);
    mark.moveCenter(opt.rect.center());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(colour.darker(140));
    painter->setBrush(colour);
    painter->drawEllipse(mark);
    painter->restore();
}

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    switch (formatOf(index)) {
    case ColumnFormat::DropDown: {
        auto *box = new QComboBox(parent);
        box->addItems(index.data(GridModel::ItemsRole).toStringList());
        return box;
    }
    case ColumnFormat::Date: {
        auto *box = new QDateEdit(parent);
        box->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        box->setCalendarPopup(true);
        return box;
    }
    default:
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
}

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor);
        box && formatOf(index) == ColumnFormat::DropDown) {
        box->setCurrentIndex(box->findText(index.data(Qt::EditRole).toString()));
        return;
    }
    if (auto *box = qobject_cast<QDateEdit *>(editor)) {
        const QDate date = index.data(Qt::EditRole).toDate();
        box->setDate(date.isValid() ? date : QDate::currentDate());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor);
        box && formatOf(index) == ColumnFormat::DropDown) {
        model->setData(index, box->currentText());
        return;
    }
    if (auto *box = qobject_cast<QDateEdit *>(editor)) {
        model->setData(index, box->date());
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

bool GridDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                             const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const QVariant state = index.data(GridModel::StateRole);
    if (event && event->type() == QEvent::ToolTip && state.isValid()) {
        QToolTip::showText(event->globalPos(), stateName(state.toInt()), view);
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
