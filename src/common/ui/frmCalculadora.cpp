#include "common/ui/frmCalculadora.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {
const char *const layoutKeys[6][4] = {
    {"MC", "MR", "M+", "M-"}, {"C", "CE", "←", "÷"}, {"7", "8", "9", "×"},
    {"4", "5", "6", "−"},     {"1", "2", "3", "+"},  {"±", "0", ".", "="},
};
} // namespace

frmCalculadora::frmCalculadora(QWidget *parent)
    : QWidget(parent)
    , m_point(QLocale().decimalPoint())
{
    setObjectName(QStringLiteral("frmCalculadora"));
    setWindowTitle(QStringLiteral("Calculadora"));
    txtResultado = new QLineEdit(this);
    txtResultado->setReadOnly(true);
    txtResultado->setAlignment(Qt::AlignRight);
    QFont big = txtResultado->font();
    big.setPointSize(big.pointSize() + 6);
    txtResultado->setFont(big);
    m_memoryMark = new QLabel(this);
    m_memoryMark->setFixedWidth(18);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_memoryMark, 0, 0);
    grid->addWidget(txtResultado, 0, 1, 1, 3);
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 4; ++col) {
            QString key = QString::fromUtf8(layoutKeys[row][col]);
            if (key == QLatin1String("."))
                key = m_point;
            auto *button = new QPushButton(key, this);
            button->setFocusPolicy(Qt::NoFocus);
            button->setMinimumSize(48, 36);
            connect(button, &QPushButton::clicked, this, [this, key] { press(key); });
            grid->addWidget(button, row + 1, col);
        }
    auto *copy = new QPushButton(QStringLiteral("Copiar"), this);
    copy->setFocusPolicy(Qt::NoFocus);
    connect(copy, &QPushButton::clicked, this, [this] { press(QStringLiteral("Copiar")); });
    grid->addWidget(copy, 7, 0, 1, 4);
    refresh();
}

void frmCalculadora::press(const QString &key)
{
    if (key.size() == 1 && key.front().isDigit())
        m_engine.digit(key.toInt());
    else if (key == QLatin1String(".") || key == m_point)
        m_engine.point();
    else if (key == QLatin1String("+"))
        m_engine.operation('+');
    else if (key == QStringLiteral("−") || key == QLatin1String("-"))
        m_engine.operation('-');
    else if (key == QStringLiteral("×") || key == QLatin1String("*"))
        m_engine.operation('*');
    else if (key == QStringLiteral("÷") || key == QLatin1String("/"))
        m_engine.operation('/');
    else if (key == QLatin1String("="))
        m_engine.equals();
    else if (key == QLatin1String("C"))
        m_engine.clear();
    else if (key == QLatin1String("CE"))
        m_engine.clearEntry();
    else if (key == QStringLiteral("←"))
        m_engine.backspace();
    else if (key == QStringLiteral("±"))
        m_engine.toggleSign();
    else if (key == QLatin1String("MC"))
        m_engine.memoryClear();
    else if (key == QLatin1String("MR"))
        m_engine.memoryRecall();
    else if (key == QLatin1String("M+"))
        m_engine.memoryAdd();
    else if (key == QLatin1String("M-"))
        m_engine.memorySubtract();
    else if (key == QLatin1String("Copiar"))
        QApplication::clipboard()->setText(shown());
    refresh();
}

QString frmCalculadora::shown() const
{
    // The engine writes a point; the workstation may separate decimals with a comma.
    QString text = m_engine.display();
    return text.replace(QLatin1Char('.'), m_point);
}

void frmCalculadora::refresh()
{
    txtResultado->setText(shown());
    m_memoryMark->setText(m_engine.hasMemory() ? QStringLiteral("M") : QString());
}

void frmCalculadora::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (event->matches(QKeySequence::Copy))
        press(QStringLiteral("Copiar"));
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        press(QStringLiteral("="));
    else if (event->key() == Qt::Key_Backspace)
        press(QStringLiteral("←"));
    else if (event->key() == Qt::Key_Delete)
        press(QStringLiteral("CE"));
    else if (event->key() == Qt::Key_Escape)
        // Inside the main window the frame goes with it.
        (qobject_cast<QMdiSubWindow *>(parentWidget()) ? parentWidget() : this)->close();
    else if (text == QLatin1String(","))
        press(QStringLiteral("."));
    else if (!text.isEmpty() && QStringLiteral("0123456789.+-*/=").contains(text))
        press(text);
    else
        QWidget::keyPressEvent(event);
}
