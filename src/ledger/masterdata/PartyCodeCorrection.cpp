#include "ledger/masterdata/PartyCodeCorrection.h"

#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "ledger/masterdata/MasterDataTexts.h"
#include "ledger/masterdata/PartyRules.h"
#include "platform/Db.h"
#include "platform/Transaction.h"

PartyCodeCorrection::PartyCodeCorrection(Session &session, QString node)
    : m_session(session)
    , m_node(std::move(node))
{
}

QString PartyCodeCorrection::LookupQuery()
{
    return QStringLiteral("SELECT Codigo, Nombre FROM TERCERO WHERE Codigo <> '*' ORDER BY Nombre");
}

std::optional<QString> PartyCodeCorrection::nameOf(const QString &code) const
{
    const QVariant name = m_session.db().scalar(
        QStringLiteral("SELECT Nombre FROM TERCERO WHERE Codigo = ? AND Codigo <> '*'"), {code});
    if (name.isNull())
        return std::nullopt;
    return name.toString();
}

PartyCodeCorrection::Result PartyCodeCorrection::CorregirTercero(const QString &currentCode,
                                                                 const QString &newCode)
{
    Prompter &prompt = m_session.prompt();
    Db &db = m_session.db();
    if (!OptionRights::MayUse(db, m_session.gUsuario, m_node, QStringLiteral("Guardar"))) {
        prompt.warning(OptionRights::NotAllowedText);
        return Result::NotAllowed;
    }
    const QString from = currentCode.trimmed();
    const QString to = newCode.trimmed().toUpper();
    if (from.isEmpty() || to.isEmpty()) {
        prompt.warning(MasterDataTexts::Required(from.isEmpty() ? QStringLiteral("Código")
                                                                : QStringLiteral("Nuevo Código")));
        return Result::Missing;
    }
    if (!PartyRules::AcceptNewCode(prompt, to))
        return Result::Refused;
    if (!prompt.question(MasterDataTexts::CorrectQuestion, MasterDataTexts::CorrectTitle))
        return Result::Declined;
    try {
        Transaction tx(db);
        const int changed = db.exec(
            QStringLiteral("UPDATE TERCERO SET Codigo = ? WHERE Codigo = ? AND Codigo <> '*'"),
            {to, from});
        if (changed == 0)
            throw DbError(QStringLiteral("El tercero ya no existe"));
        tx.commit();
    } catch (const DbError &) {
        const bool taken =
            db.exists(QStringLiteral("SELECT 1 FROM TERCERO WHERE Codigo = ?"), {to});
        prompt.info(taken ? MasterDataTexts::Duplicate : MasterDataTexts::NotSaved);
        return Result::Failed;
    }
    return Result::Corrected;
}
