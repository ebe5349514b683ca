#include "ledger/accounts/ProductLineAccounts.h"

#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "ledger/accounts/DetailAccountCheck.h"
#include "platform/Db.h"
#include "platform/Transaction.h"

ProductLineAccounts::ProductLineAccounts(Session &session, QString node)
    : m_session(session)
    , m_node(std::move(node))
{
}

std::vector<ProductLine> ProductLineAccounts::list() const
{
    std::vector<ProductLine> lines;
    for (const QSqlRecord &r : m_session.db().rows(ListStatement))
        lines.push_back({r.value(0).toString(), r.value(1).toString(), r.value(2).toString(),
                         r.value(3).toString()});
    return lines;
}

std::optional<QString> ProductLineAccounts::salesAccountName(const QString &code) const
{
    const QString typed = code.trimmed();
    if (typed.isEmpty())
        return std::nullopt;
    const auto rows = m_session.db().rows(
        QStringLiteral("SELECT CC.Nombre FROM CUENTACONTABLE CC WHERE CC.Codigo = ? "
                       "AND CC.Codigo LIKE '4135%' AND CC.Consolidacion = 0 "
                       "AND LENGTH(CC.Codigo) = 9"),
        {typed});
    if (rows.empty())
        return std::nullopt;
    return rows.front().value(0).toString();
}

std::optional<ProductLineAccounts::Field> ProductLineAccounts::check(const ProductLine &line,
                                                                     bool isNew) const
{
    Prompter &prompt = m_session.prompt();
    if (line.code.trimmed().isEmpty()) {
        prompt.warning(CodeBlank);
        return Field::Code;
    }
    if (line.name.trimmed().isEmpty()) {
        prompt.warning(NameBlank);
        return Field::Name;
    }
    if (!salesAccountName(line.account)) {
        prompt.warning(DetailAccountCheck::MissingMessage);
        return Field::Account;
    }
    if (isNew && m_session.db().exists(
                     QStringLiteral("SELECT 1 FROM CUENTACONTABLELINEA WHERE CodigoLinea = ?"),
                     {line.code.trimmed()})) {
        prompt.warning(Duplicate);
        return Field::Code;
    }
    return std::nullopt;
}

ProductLineAccounts::Outcome ProductLineAccounts::add(const ProductLine &line)
{
    return save(line, Mode::New);
}

ProductLineAccounts::Outcome ProductLineAccounts::addDirect(const ProductLine &line)
{
    return save(line, Mode::Direct);
}

ProductLineAccounts::Outcome ProductLineAccounts::update(const ProductLine &line)
{
    return save(line, Mode::Existing);
}

ProductLineAccounts::Outcome ProductLineAccounts::save(const ProductLine &line, Mode mode)
{
    Db &db = m_session.db();
    const QString right =
        mode == Mode::Existing ? QStringLiteral("Modificar") : QStringLiteral("Nuevo");
    if (!OptionRights::MayUse(db, m_session.gUsuario, m_node, right) ||
        !OptionRights::MayUse(db, m_session.gUsuario, m_node, QStringLiteral("Guardar"))) {
        m_session.prompt().warning(OptionRights::NotAllowedText);
        return {Result::NotAllowed, std::nullopt};
    }
    if (const auto field = check(line, mode != Mode::Existing))
        return {Result::Invalid, field};
    const QString code = line.code.trimmed();
    const QString name = line.name.trimmed();
    const QString account = line.account.trimmed();
    try {
        Transaction tx(db);
        if (mode == Mode::Direct) {
            db.exec(QStringLiteral("INSERT INTO CUENTACONTABLELINEA (CodigoLinea,Nombre,"
                                   "CodigoContable) VALUES (?, ?, ?)"),
                    {code, name, account});
        } else {
            if (mode == Mode::New)
                db.exec(QStringLiteral("INSERT INTO CUENTACONTABLELINEA (CodigoLinea,Nombre,"
                                       "CodigoContable) VALUES (?, ?, NULL)"),
                        {code, name});
            db.exec(QStringLiteral("UPDATE CUENTACONTABLELINEA SET Nombre = ?, CodigoContable = ? "
                                   "WHERE CodigoLinea = ?"),
                    {name, account, code});
        }
        tx.commit();
    } catch (const DbError &e) {
        m_session.prompt().error(QStringLiteral("No se pudo guardar la línea.\n") + e.userText());
        return {Result::Failed, std::nullopt};
    }
    return {Result::Saved, std::nullopt};
}

bool ProductLineAccounts::remove(const QString &code)
{
    Db &db = m_session.db();
    if (!OptionRights::MayUse(db, m_session.gUsuario, m_node, QStringLiteral("Eliminar"))) {
        m_session.prompt().warning(OptionRights::NotAllowedText);
        return false;
    }
    try {
        return db.exec(QStringLiteral("DELETE FROM CUENTACONTABLELINEA WHERE CodigoLinea = ?"),
                       {code}) > 0;
    } catch (const DbError &) {
        return false;
    }
}
