#include "common/ui/WholeNumberDelegate.h"

#include <QIntValidator>
#include <QLineEdit>
#include <limits>

QWidget *WholeNumberDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                           const QModelIndex &) const
{
    auto *editor = new QLineEdit(parent);
    editor->setAlignment(Qt::AlignRight);
    editor->setValidator(new QIntValidator(0, std::numeric_limits<int>::max(), editor));
    return editor;
}
