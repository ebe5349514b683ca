#pragma once

#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

// Per-user workstation preferences (menu font, last login, cheque printer), kept under the
// application key "ServidorSQL", section "Marvet".
class SettingsStore
{
public:
    // With an empty path the user's own settings file is used; tests pass a file of their own.
    explicit SettingsStore(const QString &filePath = {});
    ~SettingsStore();

    QVariant value(const QString &key, const QVariant &fallback = {}) const;
    void setValue(const QString &key, const QVariant &value);
    bool contains(const QString &key) const;
    void sync();

private:
    std::unique_ptr<QSettings> m_settings;
};
