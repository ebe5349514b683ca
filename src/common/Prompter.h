#pragma once

#include <QString>
#include <optional>

// Every message and question the system puts to the user goes through this interface,
// so that rules can be exercised, and their messages checked, without a window.
class Prompter
{
public:
    static inline const QString DefaultTitle = QStringLiteral("Información");

    virtual ~Prompter() = default;

    // Success and plain information (information icon).
    virtual void info(const QString &text, const QString &title = DefaultTitle) = 0;
    // Refusals (exclamation icon).
    virtual void warning(const QString &text, const QString &title = DefaultTitle) = 0;
    // Failures the user cannot fix from this window (critical icon).
    virtual void error(const QString &text, const QString &title = DefaultTitle) = 0;
    // Yes/No; true for yes. `defaultYes` chooses the button Enter presses.
    virtual bool question(const QString &text, const QString &title = DefaultTitle,
                          bool defaultYes = true) = 0;
    // A line of text; nullopt when cancelled. `secret` hides what is typed.
    virtual std::optional<QString> input(const QString &text, const QString &title,
                                         const QString &initial = {}, bool secret = false) = 0;
};
