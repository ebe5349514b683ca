#include "ledger/accounts/ChartOfAccounts.h"

#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "common/report/ReportHeading.h"
#include "ledger/accounts/DetailAccountCheck.h"
#include "platform/Db.h"
#include "platform/Transaction.h"

namespace {

QVariant bit(bool on)
{
    return on ? 1 : 0;
}

// Linked accounts in the order the form shows them, so that the first bad one is the
// first the user sees.
constexpr LinkedAccount FormOrder[] = {LinkedAccount::CuentaAjuste,
                                       LinkedAccount::CuentaCorrMonetAjust,
                                       LinkedAccount::CuentaGastos,
                                       LinkedAccount::CuentaDepAcumulada,
                                       LinkedAccount::CuentaDepAcumuladaAjus,
                                       LinkedAccount::CuentaCorrMonetAjustDep,
                                       LinkedAccount::CuentaRetIVA};

QStringList accountColumns()
{
    QStringList columns{"Nombre", "EsPadre"};
    columns += AccountColumns::flags();
    columns += AccountColumns::linked();
    columns << "TerceroBanco"
            << "NumeroCuenta"
            << "Status";
    return columns;
}

// Values for accountColumns(), in its order.
QVariantList accountValues(const Account &a)
{
    // Names are kept in capitals, as every other name keyed in the system, so that lists and
    // books do not mix cases.
    QVariantList values{a.name.trimmed().toUpper(), bit(a.summary)};
    for (int i = 0; i < AccountFlagCount; ++i)
        values << (AccountFlag(i) == AccountFlag::CuentaLibroVentas ? QVariant(a.salesBookColumn())
                                                                    : bit(a.flags[size_t(i)]));
    for (const QString &l : a.linked)
        values << l.trimmed();
    values << (a.hasBankParty() ? a.bankParty.trimmed() : Account::NoBankParty)
           << a.accountNumber.trimmed() << bit(a.active);
    return values;
}

} // namespace

ChartOfAccounts::ChartOfAccounts(Session &session, QString node)
    : m_session(session)
    , m_node(std::move(node))
{
}

AccountCodeStructure ChartOfAccounts::structure() const
{
    return AccountCodeStructure::load(m_session.db());
}

std::optional<Account> ChartOfAccounts::load(const QString &code) const
{
    Db &db = m_session.db();
    const QStringList columns = accountColumns();
    const auto rows = db.rows(QStringLiteral("SELECT Codigo, CodigoPadre, Nivel, %1 "
                                             "FROM CUENTACONTABLE WHERE Codigo = ?")
                                  .arg(columns.join(QStringLiteral(", "))),
                              {code});
    if (rows.empty())
        return std::nullopt;
    const QSqlRecord &r = rows.front();
    Account a;
    a.code = r.value(0).toString();
    a.parentCode = r.value(1).toString();
    a.level = r.value(2).toInt();
    int c = 3;
    a.name = r.value(c++).toString();
    a.summary = r.value(c++).toInt() != 0;
    for (int i = 0; i < AccountFlagCount; ++i) {
        const int value = r.value(c++).toInt();
        a.flags[size_t(i)] = value != 0;
        if (AccountFlag(i) == AccountFlag::CuentaLibroVentas)
            a.salesBook = value;
    }
    for (QString &l : a.linked)
        l = r.value(c++).toString().trimmed();
    a.bankParty = r.value(c++).toString();
    a.accountNumber = r.value(c++).toString();
    a.active = r.value(c++).toInt() != 0;

    for (const QSqlRecord &s :
         db.rows(QStringLiteral("SELECT CC.Codigo,CC.Nombre,C.Porcentaje FROM CUENTACENTROCOSTO C "
                                "INNER JOIN CENTROCOSTO CC ON C.CodigoCentroCosto = CC.Codigo "
                                "WHERE C.CodigoCuenta = ? ORDER BY CC.Codigo"),
                 {code}))
        a.costCentres.push_back(
            {s.value(0).toString(), s.value(1).toString(), Rate::fromSql(s.value(2))});
    for (const QSqlRecord &s :
         db.rows(QStringLiteral("SELECT CC.Codigo,CC.Descripcion FROM CUENTACONCEPTORET C "
                                "INNER JOIN CONCEPTORET CC ON C.CodigoConcepto = CC.Codigo "
                                "WHERE C.CodigoCuenta = ? ORDER BY CC.Codigo"),
                 {code}))
        a.concepts.push_back({s.value(0).toString(), s.value(1).toString()});
    return a;
}

std::optional<AccountFailure> ChartOfAccounts::checkAgainstDatabase(const AccountDraft &draft) const
{
    Db &db = m_session.db();
    for (LinkedAccount l : FormOrder) {
        const QString code = draft.account.account(l).trimmed();
        if (code.isEmpty())
            continue;
        const DetailAccountCheck check = DetailAccountCheck::run(db, code);
        if (!check.ok())
            return AccountFailure{check.message(), AccountField::Linked, l};
    }
    if (draft.mode == AccountEditMode::New &&
        db.exists(QStringLiteral("SELECT 1 FROM CUENTACONTABLE WHERE Codigo = ?"),
                  {draft.newCode()}))
        return AccountFailure{DuplicateMessage, AccountField::Segment};
    return std::nullopt;
}

ChartOfAccounts::SaveOutcome ChartOfAccounts::save(const AccountDraft &draft)
{
    Db &db = m_session.db();
    Prompter &prompt = m_session.prompt();
    if (!OptionRights::MayUse(db, m_session.gUsuario, m_node, QStringLiteral("Guardar"))) {
        prompt.warning(OptionRights::NotAllowedText);
        return {SaveResult::NotAllowed, std::nullopt, {}};
    }
    std::optional<AccountFailure> failure = ValidateAccount(structure(), draft);
    if (!failure)
        failure = checkAgainstDatabase(draft);
    if (failure) {
        prompt.warning(failure->message);
        return {SaveResult::Invalid, failure, {}};
    }
    const QString code = draft.mode == AccountEditMode::New ? draft.newCode() : draft.account.code;
    try {
        Transaction tx(db);
        write(draft, code);
        tx.commit();
    } catch (const DbError &e) {
        prompt.error(QStringLiteral("No se pudo guardar la cuenta.\n") + e.userText());
        return {SaveResult::Failed, std::nullopt, {}};
    }
    return {SaveResult::Saved, std::nullopt, code};
}

void ChartOfAccounts::write(const AccountDraft &draft, const QString &code)
{
    Db &db = m_session.db();
    const Account &a = draft.account;
    const QStringList columns = accountColumns();
    QVariantList values = accountValues(a);
    if (draft.mode == AccountEditMode::New) {
        const QStringList all = QStringList{"Codigo", "CodigoPadre", "Nivel"} + columns;
        values = QVariantList{code, a.parentCode, a.level} + values;
        db.exec(QStringLiteral("INSERT INTO CUENTACONTABLE (%1) VALUES (%2)")
                    .arg(all.join(','), QStringList(all.size(), QStringLiteral("?")).join(',')),
                values);
    } else {
        // Code, parent and level are fixed when the account is created.
        values << code;
        const int changed =
            db.exec(QStringLiteral("UPDATE CUENTACONTABLE SET %1 = ? WHERE Codigo = ?")
                        .arg(columns.join(QStringLiteral(" = ?, "))),
                    values);
        if (changed == 0)
            throw DbError(DetailAccountCheck::MissingMessage);
    }
    db.exec(QStringLiteral("DELETE FROM CUENTACENTROCOSTO WHERE CodigoCuenta = ?"), {code});
    for (const CostCentreShare &s : a.costCentres)
        db.exec(QStringLiteral("INSERT INTO CUENTACENTROCOSTO (CodigoCuenta,CodigoCentroCosto,"
                               "Porcentaje) VALUES (?, ?, ?)"),
                {code, s.code, s.percentage.toSql()});
    db.exec(QStringLiteral("DELETE FROM CUENTACONCEPTORET WHERE CodigoCuenta = ?"), {code});
    for (const AccountConcept &c : a.concepts)
        db.exec(QStringLiteral("INSERT INTO CUENTACONCEPTORET (CodigoCuenta,CodigoConcepto) "
                               "VALUES (?, ?)"),
                {code, c.code});
}

ChartOfAccounts::DeleteResult ChartOfAccounts::remove(const QString &code)
{
    Db &db = m_session.db();
    if (!OptionRights::MayUse(db, m_session.gUsuario, m_node, QStringLiteral("Eliminar"))) {
        m_session.prompt().warning(OptionRights::NotAllowedText);
        return DeleteResult::NotAllowed;
    }
    try {
        Transaction tx(db);
        // A parent is never deleted; the keys of the schema keep an account that lines use.
        const int deleted = db.exec(
            QStringLiteral("DELETE FROM CUENTACONTABLE WHERE Codigo = ? AND Codigo NOT IN "
                           "(SELECT CodigoPadre FROM CUENTACONTABLE WHERE CodigoPadre = ?)"),
            {code, code});
        if (deleted == 0)
            return db.exists(QStringLiteral("SELECT 1 FROM CUENTACONTABLE WHERE Codigo = ?"),
                             {code})
                       ? DeleteResult::HasChildren
                       : DeleteResult::Missing;
        tx.commit();
    } catch (const DbError &) {
        return DeleteResult::InUse;
    }
    return DeleteResult::Deleted;
}

std::optional<CostCentreShare> ChartOfAccounts::costCentre(const QString &code) const
{
    const auto rows = m_session.db().rows(
        QStringLiteral("SELECT Codigo,Nombre FROM CENTROCOSTO WHERE Codigo = ? AND Codigo <> '*'"),
        {code.trimmed()});
    if (rows.empty())
        return std::nullopt;
    return CostCentreShare{rows.front().value(0).toString(), rows.front().value(1).toString(), {}};
}

std::optional<AccountConcept> ChartOfAccounts::retentionConcept(const QString &code) const
{
    const auto rows = m_session.db().rows(
        QStringLiteral("SELECT Codigo,Descripcion FROM CONCEPTORET WHERE Codigo = ? "
                       "AND Codigo <> '*'"),
        {code.trimmed()});
    if (rows.empty())
        return std::nullopt;
    return AccountConcept{rows.front().value(0).toString(), rows.front().value(1).toString()};
}

std::optional<QString> ChartOfAccounts::bankPartyName(const QString &code) const
{
    const QVariant name = m_session.db().scalar(
        QStringLiteral("SELECT Nombre FROM TERCERO WHERE Codigo = ? AND Codigo <> '*'"),
        {code.trimmed()});
    if (name.isNull())
        return std::nullopt;
    return name.toString();
}

ReportQuery ChartOfAccounts::listing() const
{
    // NombreIDEmpresa comes with the heading values.
    return {QStringLiteral("SELECT %1, Codigo, Nombre, EsPadre, Centrodecosto AS CentroDeCosto, "
                           "AjusteInflacion, ManejaDoc, ManejaTerc, ManejaReteFuente, ActivoFijo, "
                           "Depreciable FROM CUENTACONTABLE ORDER BY Codigo")
                .arg(ReportHeadingColumns()),
            ReportHeadingParameters(m_session)};
}

ReportOutcome ChartOfAccounts::print(ReportOutput &output, int destination)
{
    if (!OptionRights::MayUse(m_session.db(), m_session.gUsuario, m_node,
                              QStringLiteral("Imprimir"))) {
        m_session.prompt().warning(OptionRights::NotAllowedText);
        return ReportOutcome::Failed;
    }
    return RunReport(m_session, output, listing(), m_session.gRutaReporte + ReportFile, ReportTitle,
                     destination, 1, QString(), true, 1, QString());
}
