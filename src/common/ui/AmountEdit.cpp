#include "common/ui/AmountEdit.h"

#include <QKeyEvent>
#include <QLocale>

AmountEdit::AmountEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight);
    setMoney(Money());
}

QChar AmountEdit::separator() const
{
    return locale().decimalPoint().at(0);
}

Money AmountEdit::money() const
{
    const QString t = text().trimmed();
    if (t.isEmpty())
        return {};
    if (auto m = Money::parse(t, locale()))
        return *m;
    return Money::parseTyped(t).value_or(Money());
}

void AmountEdit::setMoney(Money amount)
{
    setText(hasFocus() ? amount.format(locale()).remove(locale().groupSeparator())
                       : amount.format(locale()));
}

void AmountEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const QString typed = event->text();
    const bool keypadSeparator = (event->modifiers() & Qt::KeypadModifier) &&
                                 (key == Qt::Key_Period || key == Qt::Key_Comma);
    const bool separatorKey = keypadSeparator || typed == QString(separator());
    if (separatorKey) {
        // One separator, replacing whatever is selected.
        QString rest = text();
        if (hasSelectedText())
            rest.remove(selectionStart(), selectedText().size());
        if (!rest.contains(separator()))
            insert(QString(separator()));
        return;
    }
    if (typed.size() == 1 && typed.at(0).isDigit()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        QLineEdit::keyPressEvent(event);
        return;
    default:
        if (event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Copy) ||
            event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
            event->matches(QKeySequence::Undo))
            QLineEdit::keyPressEvent(event);
        else
            event->ignore();
    }
}

void AmountEdit::focusInEvent(QFocusEvent *event)
{
    setText(money().format(locale()).remove(locale().groupSeparator()));
    QLineEdit::focusInEvent(event);
    selectAll();
}

void AmountEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    setText(money().format(locale()));
}
