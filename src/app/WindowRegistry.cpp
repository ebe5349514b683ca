#include "app/WindowRegistry.h"

#include <QStringList>

void WindowRegistry::add(const QString &form, Factory factory)
{
    m_factories.insert(form.toLower(), std::move(factory));
}

bool WindowRegistry::contains(const QString &form) const
{
    return m_factories.contains(form.toLower());
}

QWidget *WindowRegistry::create(const QString &form, const QString &node) const
{
    const auto it = m_factories.constFind(form.toLower());
    if (it == m_factories.constEnd())
        return nullptr;
    QWidget *window = it.value()(node);
    if (window && window->objectName().isEmpty())
        window->setObjectName(form);
    return window;
}

QStringList WindowRegistry::forms() const
{
    return m_factories.keys();
}
