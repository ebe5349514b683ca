#include "platform/SettingsStore.h"

#include <QSettings>

namespace {
const QString section = QStringLiteral("Marvet/");
}

SettingsStore::SettingsStore(const QString &filePath)
{
    if (filePath.isEmpty())
        m_settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                 QStringLiteral("ServidorSQL"),
                                                 QStringLiteral("Valdoria"));
    else
        m_settings = std::make_unique<QSettings>(filePath, QSettings::IniFormat);
}

SettingsStore::~SettingsStore() = default;

QVariant SettingsStore::value(const QString &key, const QVariant &fallback) const
{
    return m_settings->value(section + key, fallback);
}

void SettingsStore::setValue(const QString &key, const QVariant &value)
{
    m_settings->setValue(section + key, value);
}

bool SettingsStore::contains(const QString &key) const
{
    return m_settings->contains(section + key);
}

void SettingsStore::sync()
{
    m_settings->sync();
}
