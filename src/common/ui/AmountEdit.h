#pragma once

#include "common/Money.h"

#include <QLineEdit>

// An amount box: takes digits, backspace, Enter and one decimal separator, the workstation's
// (the numeric keypad's separator key always types it). While the box has the focus the
// amount shows without grouping; on leaving it is formatted "###,###,##0.00", and an empty
// box becomes zero.
class AmountEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit AmountEdit(QWidget *parent = nullptr);

    Money money() const;
    void setMoney(Money amount);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QChar separator() const;
};
