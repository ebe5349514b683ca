#include "common/ui/MessageBoxPrompter.h"

#include <QInputDialog>
#include <QMessageBox>

void MessageBoxPrompter::info(const QString &text, const QString &title)
{
    QMessageBox::information(m_parent, title, text);
}

void MessageBoxPrompter::warning(const QString &text, const QString &title)
{
    QMessageBox::warning(m_parent, title, text);
}

void MessageBoxPrompter::error(const QString &text, const QString &title)
{
    QMessageBox::critical(m_parent, title, text);
}

bool MessageBoxPrompter::question(const QString &text, const QString &title, bool defaultYes)
{
    const auto answer = QMessageBox::question(m_parent, title, text,
                                              QMessageBox::Yes | QMessageBox::No,
                                              defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return answer == QMessageBox::Yes;
}

std::optional<QString> MessageBoxPrompter::input(const QString &text, const QString &title,
                                                 const QString &initial, bool secret)
{
    bool ok = false;
    const QString value = QInputDialog::getText(
        m_parent, title, text, secret ? QLineEdit::Password : QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}
