#include "ledger/accounts/SalesBookCode.h"

const std::vector<SalesBookCode> &SalesBookCode::all()
{
    static const std::vector<SalesBookCode> codes{
        {1, QStringLiteral("Débito fiscal a la alícuota general; sus débitos, devoluciones")},
        {2, QStringLiteral("Débito fiscal a la alícuota adicional; sus débitos, devoluciones")},
        {3, QStringLiteral("Devoluciones a la alícuota general")},
        {4, QStringLiteral("Devoluciones a la alícuota adicional")},
        {6, QStringLiteral("Ventas exentas")},
        {8, QStringLiteral("IVA retenido por el cliente")},
        {9, QStringLiteral("Devoluciones de ventas exentas")},
    };
    return codes;
}

bool SalesBookCode::isValid(int code)
{
    for (const SalesBookCode &c : all())
        if (c.code == code)
            return true;
    return false;
}

QString SalesBookCode::caption(int code)
{
    for (const SalesBookCode &c : all())
        if (c.code == code)
            return QStringLiteral("%1 - %2").arg(c.code).arg(c.meaning);
    return {};
}
