#pragma once

#include "platform/ConnectionSettings.h"

#include <QString>
#include <QTextStream>

// `valdoria-cli balances verify|rebuild`: the balance store checked against the posted lines,
// or built again from them in one transaction.
namespace BalanceCommands {

// Exit codes as the other commands: 0 done (verify: the store agrees), 1 failed or a
// difference found, 3 refused (no Valdoria database, or one that needs upgrading first).
int Verify(const ConnectionSettings &settings, QTextStream &out, QTextStream &err);
int Rebuild(const ConnectionSettings &settings, QTextStream &out, QTextStream &err);

} // namespace BalanceCommands
