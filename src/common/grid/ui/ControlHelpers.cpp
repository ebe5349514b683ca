#include "common/grid/ui/ControlHelpers.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

namespace {
// An exclusive button cannot be unmarked while it is the marked one of its group.
void unmark(QRadioButton *button)
{
    QButtonGroup *group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
}
} // namespace

void ClearControls(const QList<QWidget *> &controls)
{
    for (QWidget *control : controls) {
        if (auto *box = qobject_cast<QLineEdit *>(control))
            box->clear();
        else if (auto *text = qobject_cast<QPlainTextEdit *>(control))
            text->clear();
        else if (auto *rich = qobject_cast<QTextEdit *>(control))
            rich->clear();
        else if (auto *option = qobject_cast<QRadioButton *>(control))
            unmark(option);
        else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            if (combo->isEditable())
                combo->clearEditText();
            else
                combo->setCurrentIndex(-1);
        } else if (auto *label = qobject_cast<QLabel *>(control))
            label->clear();
    }
}

void SelectAllText(QLineEdit *box)
{
    if (box)
        box->setSelection(0, int(box->text().length()));
}
