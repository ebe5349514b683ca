#include "reports/PartyBalancesReport.h"

#include "common/Session.h"
#include "common/report/ReportHeading.h"
#include "reports/AuxiliaryBook.h"
#include "reports/AuxiliaryBookReport.h"

namespace {

QVariant amount(Money m)
{
    return QVariant::fromValue<qlonglong>(m.thousandths());
}

const QStringList &rowColumns()
{
    static const QStringList columns{QStringLiteral("Cuenta"),
                                     QStringLiteral("NombreCuenta"),
                                     QStringLiteral("Tercero"),
                                     QStringLiteral("NombreTercero"),
                                     QStringLiteral("SaldoAnterior"),
                                     QStringLiteral("ValorDebito"),
                                     QStringLiteral("ValorCredito"),
                                     QStringLiteral("UsuarioActivo"),
                                     QStringLiteral("TipoIdentificacion"),
                                     QStringLiteral("Consolidado")};
    return columns;
}

} // namespace

ReportData PartyBalancesReport::rows(const Session &session, const AuxiliaryBookOptions &asked)
{
    const AuxiliaryBookOptions options = AuxiliaryBookReport::effective(session, asked);
    const AuxiliaryBookData book = AuxiliaryBook::compute(session.db(), options);

    QStringList columns;
    QVariantList heading;
    for (const ReportValue &v : ReportHeadingValues(session)) {
        columns << v.name;
        heading << v.value;
    }
    columns << rowColumns() << QStringLiteral("SaldoFinal") << QStringLiteral("Periodo");

    const QVariant period = AuxiliaryBookReport::periodText(options);
    std::vector<QVariantList> data;
    for (const AuxiliaryAccount &account : book.accounts) {
        for (const AuxiliaryParty &party : account.parties) {
            QVariantList row = heading;
            row << account.code << account.name << party.code << party.name << amount(party.opening)
                << amount(party.debit) << amount(party.credit) << session.gNombreUsuario
                << session.gNombreIDEmpresa << int(options.consolidated) << amount(party.closing())
                << period;
            data.push_back(std::move(row));
        }
    }
    return ReportData(columns, std::move(data));
}

int PartyBalancesReport::rowColumnCount()
{
    return int(ReportHeadingValues(Session{}).size() + rowColumns().size());
}

ReportOutcome PartyBalancesReport::run(const Session &session, ReportOutput &output,
                                       const AuxiliaryBookOptions &options, int destination)
{
    ComputedRows computed{
        rows(session, options),
        AuxiliaryBookReport::describe(AuxiliaryBookReport::effective(session, options))};
    return RunReport(session, output, std::move(computed),
                     session.gRutaReporte + QStringLiteral("\\") + LayoutFile, Title, destination,
                     1, QString(), true, 0);
}
