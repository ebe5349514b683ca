#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Keeps a second copy of the program from running for the same user on this workstation.
// The lock dies with the process, so a crash never leaves the user locked out.
class SingleInstance
{
public:
    // `key` names the lock; by default the operating-system user.
    explicit SingleInstance(const QString &key = {});
    ~SingleInstance();

    // True when this process now holds the lock (or already did).
    bool acquire();
    bool isHeld() const { return m_held; }
    QString lockPath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
};
