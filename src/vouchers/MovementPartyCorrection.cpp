#include "vouchers/MovementPartyCorrection.h"

#include "common/Prompter.h"
#include "platform/Db.h"
#include "platform/Transaction.h"

namespace MovementPartyCorrection {

QString partyCatalog()
{
    return QStringLiteral("SELECT Codigo, Nombre FROM TERCERO WHERE Codigo <> '*' ORDER BY Nombre");
}

bool correct(Db &db, Prompter &prompter, const QString &oldCode, const QString &newCode)
{
    const QString from = oldCode.trimmed();
    const QString to = newCode.trimmed();
    auto exists = [&db](const QString &code) {
        return db.exists(QStringLiteral("SELECT 1 FROM TERCERO WHERE Codigo = ? AND Codigo <> '*'"),
                         {code});
    };
    if (from.isEmpty() || !exists(from)) {
        prompter.warning(OldMissing);
        return false;
    }
    if (to == from) {
        prompter.warning(SameCode);
        return false;
    }
    if (to.isEmpty() || !exists(to)) {
        prompter.warning(NewMissing);
        return false;
    }
    if (!prompter.question(Ask, Prompter::DefaultTitle, false))
        return false;
    try {
        Transaction tx(db);
        for (const char *table : {"MOVIMIENTO", "REGISTRO", "CONSOLIDACION"})
            db.exec(QStringLiteral("UPDATE %1 SET Tercero = ? WHERE Tercero = ?")
                        .arg(QLatin1String(table)),
                    {to, from});
        db.exec(QStringLiteral("DELETE FROM TERCERO WHERE Codigo = ?"), {from});
        tx.commit();
    } catch (const DbError &e) {
        prompter.error(e.userText());
        return false;
    }
    prompter.info(Done, DoneTitle);
    return true;
}

} // namespace MovementPartyCorrection
