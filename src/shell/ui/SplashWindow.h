#pragma once

#include <QWidget>

class QProgressBar;
class QTimer;

// The start-up window: the system's name over a bar that fills while the window fades in.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWindow(const QString &title, QWidget *parent = nullptr);

    // Shows the window until the bar is full (about `milliseconds`), then closes it.
    void runModal(int milliseconds = 900);

private:
    QProgressBar *m_bar = nullptr;
};
