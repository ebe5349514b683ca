#include "ledger/accounts/ui/EnterMovesFocus.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

void EnterMovesFocus::install(QObject *owner, const QList<QWidget *> &fields)
{
    auto *filter = new EnterMovesFocus(owner);
    for (QWidget *field : fields)
        field->installEventFilter(filter);
}

bool EnterMovesFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(watched, &tab);
    return true;
}
