#include "banking/BankChequeMaintenance.h"

#include "common/Session.h"
#include "common/report/ReportHeading.h"
#include "ledger/masterdata/MasterTables.h"

BankChequeMaintenance::BankChequeMaintenance(Session &session, const QString &node)
    : TableMaintenance(session, Describe(node))
{
}

MaintainedTable BankChequeMaintenance::Describe(const QString &node)
{
    MaintainedTable t;
    t.table = QStringLiteral("CHEQUESBANCO");
    t.caption = QStringLiteral("Cheques por Banco");
    t.node = node;
    t.hasPlaceholder = false;
    MaintainedField format{QStringLiteral("NumeroFormato"), QStringLiteral("Formato"),
                           MasterFieldKind::Choice};
    format.choicesQuery = QStringLiteral("SELECT Numero,Nombre FROM FormatoCheque ORDER BY Nombre");
    format.required = true;
    t.fields = {MasterTables::CodeField(15), MasterTables::NameField(), format};
    t.listing = {QStringLiteral("crpDocumento.rpt"),
                 ListingTitle,
                 QStringLiteral("FORMATOS CHEQUES"),
                 2,
                 {}};
    return t;
}

QString BankChequeMaintenance::listQuery() const
{
    return QStringLiteral("SELECT C.Codigo, C.Nombre, C.NumeroFormato AS Formato "
                          "FROM CHEQUESBANCO C INNER JOIN FORMATOCHEQUE F "
                          "ON C.NumeroFormato = F.Numero ORDER BY C.Codigo");
}

ReportQuery BankChequeMaintenance::listingQuery(const QString &) const
{
    return {QStringLiteral("SELECT ") + ReportHeadingColumns() +
                QStringLiteral(", CAST(? AS TEXT) AS Tabla, C.Codigo AS Codigo, "
                               "CAST(? AS TEXT) AS Etiqueta1, C.Nombre AS Valor1, "
                               "CAST(? AS TEXT) AS Etiqueta2, F.Nombre AS Valor2 "
                               "FROM CHEQUESBANCO C INNER JOIN FORMATOCHEQUE F "
                               "ON C.NumeroFormato = F.Numero ORDER BY C.Codigo"),
            ReportHeadingParameters(session()) + QVariantList{table().listing.heading,
                                                              QStringLiteral("Nombre"),
                                                              QStringLiteral("Formato")}};
}
