#pragma once

#include "common/Prompter.h"

class QWidget;

// Prompter shown to the user as message boxes over `parent`.
class MessageBoxPrompter : public Prompter
{
public:
    explicit MessageBoxPrompter(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void info(const QString &text, const QString &title = DefaultTitle) override;
    void warning(const QString &text, const QString &title = DefaultTitle) override;
    void error(const QString &text, const QString &title = DefaultTitle) override;
    bool question(const QString &text, const QString &title = DefaultTitle,
                  bool defaultYes = true) override;
    std::optional<QString> input(const QString &text, const QString &title,
                                 const QString &initial = {}, bool secret = false) override;

private:
    QWidget *m_parent = nullptr;
};
