#include "ledger/masterdata/PartyMaintenance.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/report/ReportHeading.h"
#include "ledger/masterdata/MasterDataTexts.h"
#include "ledger/masterdata/PartyRules.h"

PartyMaintenance::PartyMaintenance(Session &session, const QString &node)
    : TableMaintenance(session, PartyRules::Table(node))
{
}

QString PartyMaintenance::listQuery() const
{
    // A third party whose regime has gone is still listed.
    return QStringLiteral(
        "SELECT T.Codigo, T.Nombre, T.Direccion, T.TipoPersona, TC.Codigo AS CodRegimen, "
        "TC.Nombre AS Regimen, T.Telefono1, T.Telefono2, T.SujetoAReteFuente, "
        "T.SujetoAReteIVA, T.Tributario "
        "FROM TERCERO T LEFT JOIN REGIMEN TC ON T.TipoRegimen = TC.Codigo "
        "WHERE T.Codigo <> '*' ORDER BY T.Codigo");
}

std::optional<QString> PartyMaintenance::checkRules(MasterRecord &record, Mode mode)
{
    const QString code = record.text(QStringLiteral("Codigo"));
    if (record.flag(QStringLiteral("Tributario")) &&
        PartyRules::OtherTaxAuthorityExists(db(), code)) {
        refuse(MasterDataTexts::TaxAuthorityExists);
        record.set(QStringLiteral("Tributario"), 0);
        return QStringLiteral("Tributario");
    }
    if (mode == Mode::New && !PartyRules::AcceptNewCode(session().prompt(), code))
        return QStringLiteral("Codigo");
    return std::nullopt;
}

ReportQuery PartyMaintenance::listingQuery(const QString &currentCode) const
{
    return {
        QStringLiteral("SELECT ") + ReportHeadingColumns() +
            QStringLiteral(", T.Codigo AS Codigo, T.Nombre AS Nombre, T.Direccion AS Direccion, "
                           "T.TipoPersona AS TipoPersona, COALESCE(R.Nombre, '') AS Regimen, "
                           "T.Telefono1 AS Telefono1, T.Telefono2 AS Telefono2, "
                           "CAST(T.SujetoAReteFuente AS INT) AS SujetoAReteFuente, "
                           "CAST(T.SujetoAReteIVA AS INT) AS SujetoAReteIVA, "
                           "CAST(T.Tributario AS INT) AS Tributario "
                           "FROM TERCERO T LEFT JOIN REGIMEN R ON T.TipoRegimen = R.Codigo "
                           "WHERE T.Codigo = ? AND T.Codigo <> '*'"),
        ReportHeadingParameters(session()) << currentCode};
}
