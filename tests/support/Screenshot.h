#pragma once

#include <QDir>
#include <QWidget>

// Saves a picture of `widget` as <name>.png in $VALDORIA_SCREENSHOTS, when it is set, so that
// a person can look at every window the tests open.
inline void SaveScreenshot(QWidget *widget, const QString &name)
{
    const QString dir = qEnvironmentVariable("VALDORIA_SCREENSHOTS");
    if (dir.isEmpty() || !widget)
        return;
    QDir().mkpath(dir);
    widget->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}
