#pragma once

#include <QString>
#include <QtGlobal>

// The desk calculator behind "Calculadora...": the four operations on exact decimals with
// six places, chained as a pocket calculator does (2 + 3 × 4 = 20), with one memory.
class CalculatorEngine
{
public:
    void digit(int d);
    void point();
    void toggleSign();
    // '+', '-', '*', '/': completes the pending operation and starts a new one.
    void operation(char op);
    void equals();
    void clear();        // C: everything but the memory
    void clearEntry();   // CE: the number being typed
    void backspace();

    void memoryClear() { m_memory = 0; }
    void memoryRecall();
    void memoryAdd();
    void memorySubtract();
    bool hasMemory() const { return m_memory != 0; }

    // What the display shows, with a point as decimal separator ("Error" after a division
    // by zero or an overflow).
    QString display() const;
    bool hasError() const { return m_error; }

private:
    qint64 currentValue() const;
    void setValue(qint64 millionths);
    void apply();

    QString m_entry = QStringLiteral("0");
    bool m_typing = false;
    qint64 m_accumulator = 0;
    char m_pending = 0;
    qint64 m_memory = 0;
    bool m_error = false;
};
