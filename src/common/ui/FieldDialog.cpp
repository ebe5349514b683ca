#include "common/ui/FieldDialog.h"

#include "common/ui/AcceptCancelButtons.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

QDialogButtonBox *FieldDialog::fieldButtons()
{
    QDialogButtonBox *buttons = AcceptCancelButtons(this);
    for (QPushButton *b : buttons->findChildren<QPushButton *>())
        b->setAutoDefault(false);
    return buttons;
}

void FieldDialog::chainFields(const QList<QLineEdit *> &fields, QDialogButtonBox *buttons,
                              const std::function<void()> &accept)
{
    for (int i = 0; i + 1 < fields.size(); ++i)
        connect(fields[i], &QLineEdit::returnPressed, fields[i + 1],
                qOverload<>(&QWidget::setFocus));
    if (!fields.isEmpty())
        connect(fields.back(), &QLineEdit::returnPressed, this, accept);
    connect(buttons, &QDialogButtonBox::accepted, this, accept);
}

void FieldDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
