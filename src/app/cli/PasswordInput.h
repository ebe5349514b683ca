#pragma once

#include <QString>
#include <QTextStream>
#include <optional>

// How valdoria-cli reads the administrator's password.
namespace PasswordInput {

// At a terminal the password is asked twice, without echo, with the questions on `prompts`;
// from a pipe or a file its first line is taken as it stands, so scripts work unchanged.
// nullopt when nothing could be read or the two typings differ (the reason is on `prompts`).
std::optional<QString> ReadAdministratorPassword(int fd, QTextStream &prompts);

} // namespace PasswordInput
