#pragma once

#include <QHash>
#include <QString>
#include <functional>

class QWidget;

// Every window a navigation node can name, by class name (compared without regard to case).
class WindowRegistry
{
public:
    using Factory = std::function<QWidget *(const QString &node)>;

    void add(const QString &form, Factory factory);
    bool contains(const QString &form) const;
    // A new window of that class, or null when the system has no such window.
    QWidget *create(const QString &form, const QString &node) const;
    QStringList forms() const;

private:
    QHash<QString, Factory> m_factories;  // keyed by lower-cased class name
};
