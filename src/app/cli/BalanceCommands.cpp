#include "app/cli/BalanceCommands.h"

#include "platform/Db.h"
#include "schema/BalanceStore.h"
#include "shell/DatabaseSetup.h"

#include <memory>

namespace BalanceCommands {

namespace {

constexpr int Done = 0, Failed = 1, Refused = 3;

// The database, when it is a Valdoria database of this version; otherwise the reason, said.
std::unique_ptr<Db> openCurrent(const ConnectionSettings &settings, bool readOnly, QTextStream &err)
{
    auto db = Db::open(settings, readOnly ? Db::Access::ReadOnly : Db::Access::ReadWrite);
    DatabaseSetup setup(*db);
    const DatabaseSetup::State state = setup.state();
    const QString where = QStringLiteral("La base de datos ") + settings.describe();
    if (state == DatabaseSetup::State::Empty) {
        err << where << " está vacía: no tiene saldos.\n";
        return nullptr;
    }
    if (state == DatabaseSetup::State::Older) {
        err << where << " es de una versión anterior: actualícela primero con 'migrate'.\n";
        return nullptr;
    }
    if (const QString refusal = setup.refusal(state, where); !refusal.isEmpty()) {
        err << refusal << "\n";
        return nullptr;
    }
    return db;
}

} // namespace

int Verify(const ConnectionSettings &settings, QTextStream &out, QTextStream &err)
{
    try {
        auto db = openCurrent(settings, true, err);
        if (!db)
            return Refused;
        if (const auto difference = BalanceStore::verify(*db)) {
            err << "Los saldos no coinciden con los movimientos: " << difference->text() << "\n"
                << "Use 'balances rebuild' para reconstruirlos.\n";
            return Failed;
        }
        out << "Los saldos coinciden con los movimientos.\n";
        return Done;
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return Failed;
    }
}

int Rebuild(const ConnectionSettings &settings, QTextStream &out, QTextStream &err)
{
    try {
        auto db = openCurrent(settings, false, err);
        if (!db)
            return Refused;
        BalanceStore::rebuild(*db);
        out << "Saldos reconstruidos a partir de los movimientos.\n";
        return Done;
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return Failed;
    }
}

} // namespace BalanceCommands
