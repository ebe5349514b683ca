#include "app/cli/AuxiliaryBookCommand.h"

#include "reports/AuxiliaryBookReport.h"
#include "reports/PartyBalancesReport.h"

#include <QCommandLineParser>

namespace AuxiliaryBookCommand {

bool handles(const QString &report)
{
    return report == BookName || report == PartyBalancesName;
}

bool parse(const QCommandLineParser &p, ReportCommand::Request &r, QTextStream &err)
{
    r.partyFrom = p.value("party-from");
    r.partyTo = p.value("party-to");
    if (r.partyFrom.isEmpty() != r.partyTo.isEmpty()) {
        err << "El rango de terceros necesita --party-from y --party-to\n";
        return false;
    }
    if (p.isSet("level") || p.isSet("all") || p.isSet("before-closing")) {
        err << "El libro auxiliar no toma --level, --all ni --before-closing\n";
        return false;
    }
    return true;
}

ReportOutcome run(const Session &session, ReportOutput &output,
                  const ReportCommand::Request &request, int &columns, QStringList &amounts)
{
    AuxiliaryBookOptions options =
        AuxiliaryBookReport::optionsFor(session, request.month, request.month, request.year);
    options.consolidated = request.consolidated;
    options.accountFrom = request.from;
    options.accountTo = request.to;
    options.partyFrom = request.partyFrom;
    options.partyTo = request.partyTo;
    if (request.report == PartyBalancesName) {
        columns = PartyBalancesReport::rowColumnCount();
        amounts = {QStringLiteral("SaldoAnterior"), QStringLiteral("ValorDebito"),
                   QStringLiteral("ValorCredito")};
        return PartyBalancesReport::run(session, output, options);
    }
    columns = AuxiliaryBookReport::rowColumnCount();
    amounts = {QStringLiteral("Debito"),
               QStringLiteral("Credito"),
               QStringLiteral("SaldoInicialTercero"),
               QStringLiteral("SaldoInicialCuenta"),
               QStringLiteral("DebitoCuenta"),
               QStringLiteral("CreditoCuenta"),
               QStringLiteral("DebitoTercero"),
               QStringLiteral("CreditoTercero"),
               QStringLiteral("SaldoInicialTotal"),
               QStringLiteral("DebitoTotal"),
               QStringLiteral("CreditoTotal")};
    return AuxiliaryBookReport::run(session, output, AuxiliaryBookReport::Kind::Monthly, options);
}

} // namespace AuxiliaryBookCommand
