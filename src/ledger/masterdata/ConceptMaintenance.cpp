#include "ledger/masterdata/ConceptMaintenance.h"

#include "common/Session.h"
#include "common/report/ReportHeading.h"
#include "ledger/masterdata/MasterDataTexts.h"
#include "ledger/masterdata/MasterTables.h"
#include "platform/Db.h"

namespace {

MaintainedField number(const char *column, const char *caption, MasterFieldKind kind, bool beside)
{
    MaintainedField f{QString::fromLatin1(column), QString::fromUtf8(caption), kind};
    f.required = true;
    f.beside = beside;
    return f;
}

MaintainedField text(const char *column, const char *caption, bool beside, bool account)
{
    MaintainedField f{QString::fromLatin1(column), QString::fromUtf8(caption)};
    f.maxLength = 12;
    f.beside = beside;
    f.accountLookup = account;
    return f;
}

MaintainedTable conceptTable(const QString &node)
{
    MaintainedTable t;
    t.table = QStringLiteral("CONCEPTORET");
    t.caption = QStringLiteral("Conceptos de Retención");
    t.node = node;
    MaintainedField description = MasterTables::NameField(255);
    description.column = QStringLiteral("Descripcion");
    description.caption = QStringLiteral("Descripción");
    description.upperOnLeave = false;
    description.upperOnSave = false;
    t.fields = {MasterTables::CodeField(12),
                description,
                number("BasePJ", "Base Persona Juridica   >=", MasterFieldKind::Rate, false),
                number("BasePN", "Base Persona Natural   >=", MasterFieldKind::Rate, true),
                number("DeduccionPJ", "Deducible Persona Juridica", MasterFieldKind::Money, false),
                number("DeduccionPN", "Deducible Persona Natural", MasterFieldKind::Money, true),
                number("PorcentajePJ", "% Ret. Persona Juridica", MasterFieldKind::Rate, false),
                number("PorcentajePN", "% Ret. Persona Natural", MasterFieldKind::Rate, true),
                text("AliasCodigoPJ", "Alias Codigo PJ", false, false),
                text("AliasCodigoPN", "Alias Codigo PN", true, false),
                text("CuentaRetencionPJ", "Cuenta Retencion PJ", false, true),
                text("CuentaRetencionPN", "Cuenta Retencion PN", true, true)};
    // Movement lines name their concept as plain text.
    t.usedBy = {{QStringLiteral("MOVIMIENTO"), QStringLiteral("ConceptoRetencion")},
                {QStringLiteral("REGISTRO"), QStringLiteral("ConceptoRetencion")}};
    t.hasPlaceholder = true;
    t.listing = {QStringLiteral("crpTablas.rpt"),
                 QStringLiteral("Conceptos de Retención"),
                 QStringLiteral("CONCEPTOS DE RETENCION"),
                 3,
                 {}};
    return t;
}

// A percentage held in millionths as text with two decimals, in SQL both engines share.
QString percentText(const QString &column)
{
    return QStringLiteral("CAST(%1 / 1000000 AS TEXT) || CAST(? AS TEXT) || "
                          "SUBSTR(CAST(1000000 + %1 % 1000000 AS TEXT), 2, 2) || ' %'")
        .arg(column);
}

} // namespace

ConceptMaintenance::ConceptMaintenance(Session &session, const QString &node)
    : TableMaintenance(session, conceptTable(node))
{
}

QString ConceptMaintenance::AccountLookupQuery()
{
    return QStringLiteral("SELECT Codigo, Nombre, CASE WHEN EsPadre = 0 THEN 1 ELSE 0 END "
                          "AS Status FROM CUENTACONTABLE WHERE Codigo LIKE ? ORDER BY Codigo");
}

std::optional<QString> ConceptMaintenance::checkRules(MasterRecord &record, Mode)
{
    for (const char *column : {"CuentaRetencionPJ", "CuentaRetencionPN"}) {
        const QString name = QString::fromLatin1(column);
        if (!db().exists(
                QStringLiteral("SELECT 1 FROM CUENTACONTABLE WHERE Codigo = ? AND EsPadre = 0"),
                {record.text(name)})) {
            refuse(MasterDataTexts::DetailAccountsOnly, false);
            return name;
        }
    }
    return std::nullopt;
}

ReportQuery ConceptMaintenance::listingQuery(const QString &) const
{
    const QString separator = locale().decimalPoint();
    QVariantList params = ReportHeadingParameters(session());
    params << table().listing.heading << QStringLiteral("Descripción")
           << QStringLiteral("% Ret. PJ") << separator << QStringLiteral("% Ret. PN") << separator;
    return {QStringLiteral("SELECT ") + ReportHeadingColumns() +
                QStringLiteral(", CAST(? AS TEXT) AS Tabla, C.Codigo AS Codigo, "
                               "CAST(? AS TEXT) AS Etiqueta1, C.Descripcion AS Valor1, "
                               "CAST(? AS TEXT) AS Etiqueta2, %1 AS Valor2, "
                               "CAST(? AS TEXT) AS Etiqueta3, %2 AS Valor3 "
                               "FROM CONCEPTORET C WHERE C.Codigo <> '*' ORDER BY C.Codigo")
                    .arg(percentText(QStringLiteral("C.PorcentajePJ")),
                         percentText(QStringLiteral("C.PorcentajePN"))),
            params};
}
