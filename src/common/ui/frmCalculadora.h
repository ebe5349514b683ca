#pragma once

#include "common/CalculatorEngine.h"

#include <QWidget>

class QLabel;
class QLineEdit;

// A small desk calculator: the four operations, one memory, and the result to the clipboard,
// with the workstation's decimal separator.
class frmCalculadora : public QWidget
{
    Q_OBJECT
public:
    explicit frmCalculadora(QWidget *parent = nullptr);

    QLineEdit *txtResultado = nullptr;
    // Presses a key of the window by its caption ("7", "+", "=", "M+", "Copiar" ...).
    void press(const QString &key);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void refresh();
    QString shown() const;

    CalculatorEngine m_engine;
    QLabel *m_memoryMark = nullptr;
    QString m_point; // the workstation's decimal separator
};
