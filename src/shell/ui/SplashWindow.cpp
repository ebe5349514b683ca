#include "shell/ui/SplashWindow.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

SplashWindow::SplashWindow(const QString &title, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x5f));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    auto *name = new QLabel(title, this);
    QFont big = name->font();
    big.setPointSize(26);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    auto *subtitle = new QLabel(QStringLiteral("Contabilidad multiempresa"), this);
    subtitle->setAlignment(Qt::AlignCenter);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(8);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 32, 32, 24);
    layout->addStretch();
    layout->addWidget(name);
    layout->addWidget(subtitle);
    layout->addStretch();
    layout->addWidget(m_bar);
    setFixedSize(460, 240);
}

void SplashWindow::runModal(int milliseconds)
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    setWindowOpacity(0.0);
    show();

    QEventLoop loop;
    QTimer tick;
    const int steps = 20;
    tick.setInterval(std::max(1, milliseconds / steps));
    connect(&tick, &QTimer::timeout, this, [&] {
        const int value = std::min(100, m_bar->value() + 100 / steps);
        m_bar->setValue(value);
        setWindowOpacity(std::min(1.0, value / 50.0));
        if (value >= 100)
            loop.quit();
    });
    tick.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    close();
}
