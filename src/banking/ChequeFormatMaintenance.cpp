#include "banking/ChequeFormatMaintenance.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/report/ReportHeading.h"
#include "ledger/masterdata/MasterDataTexts.h"
#include "ledger/masterdata/MasterTables.h"

#include <QRegularExpression>

ChequeFormatMaintenance::ChequeFormatMaintenance(Session &session, const QString &node)
    : TableMaintenance(session, Describe(node))
{
}

MaintainedTable ChequeFormatMaintenance::Describe(const QString &node)
{
    MaintainedTable t;
    t.table = QStringLiteral("FORMATOCHEQUE");
    t.caption = QStringLiteral("Formatos de Cheque");
    t.node = node;
    t.hasPlaceholder = false;

    MaintainedField number{QStringLiteral("Numero"), QStringLiteral("Número")};
    number.required = true;
    number.maxLength = 9;
    // The name is a file name: it keeps the case the user gives it.
    MaintainedField name{QStringLiteral("Nombre"), QStringLiteral("Nombre")};
    name.required = true;
    name.maxLength = 100;
    MaintainedField path{QStringLiteral("Ruta"), QStringLiteral("Ruta")};
    path.maxLength = 255;
    MaintainedField orientation{QStringLiteral("Orientacion"), QStringLiteral("Orientación"),
                                MasterFieldKind::Choice};
    orientation.choices = {{Portrait, QStringLiteral("Vertical")},
                           {Landscape, QStringLiteral("Horizontal")}};
    orientation.asOptions = true;
    orientation.defaultChoice = Portrait;
    t.fields = {number, name, path, orientation};
    // Bank cheques name their format without a key to hold it; a format that goes takes
    // its bank cheques out of the list rather than being kept.
    t.listing = {QStringLiteral("crpDocumento.rpt"),
                 QStringLiteral("Formatos de Cheque"),
                 QStringLiteral("FORMATOS DE CHEQUE"),
                 2,
                 {{QStringLiteral("Nombre"), QStringLiteral("Nombre")},
                  {QStringLiteral("Ruta"), QStringLiteral("Ruta")}}};
    return t;
}

QString ChequeFormatMaintenance::listQuery() const
{
    return QStringLiteral("SELECT Numero, Nombre FROM FORMATOCHEQUE ORDER BY Nombre");
}

std::optional<QString> ChequeFormatMaintenance::checkRules(MasterRecord &record, Mode)
{
    const QString number = record.text(QStringLiteral("Numero"));
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(number).hasMatch() || number.size() > 9) {
        refuse(MasterDataTexts::NotNumeric(table().codeField().caption));
        return QStringLiteral("Numero");
    }
    // "007" and "7" are the same format.
    record.set(QStringLiteral("Numero"), QString::number(number.toInt()));
    if (record.number(QStringLiteral("Orientacion")) != Portrait)
        record.set(QStringLiteral("Orientacion"), Landscape);
    return std::nullopt;
}

ReportQuery ChequeFormatMaintenance::listingQuery(const QString &) const
{
    return {QStringLiteral("SELECT ") + ReportHeadingColumns() +
                QStringLiteral(", CAST(? AS TEXT) AS Tabla, CAST(F.Numero AS TEXT) AS Codigo, "
                               "CAST(? AS TEXT) AS Etiqueta1, F.Nombre AS Valor1, "
                               "CAST(? AS TEXT) AS Etiqueta2, "
                               "CASE WHEN F.Orientacion = 1 THEN ? ELSE ? END AS Valor2 "
                               "FROM FORMATOCHEQUE F ORDER BY F.Numero"),
            ReportHeadingParameters(session()) +
                QVariantList{QStringLiteral("FORMATOS DE CHEQUE"), QStringLiteral("Nombre"),
                             QStringLiteral("Orientación"), QStringLiteral("Vertical"),
                             QStringLiteral("Horizontal")}};
}
