#include "banking/ChequeFormat.h"

#include "platform/Db.h"

std::optional<ChequeFormat> ChequeFormat::ofBankCheque(Db &db, const QString &bankCheque)
{
    const auto rows = db.rows(QStringLiteral("SELECT F.Nombre, F.Orientacion FROM FORMATOCHEQUE F "
                                             "INNER JOIN CHEQUESBANCO C ON F.Numero = "
                                             "C.NumeroFormato WHERE C.Codigo = ?"),
                              {bankCheque});
    if (rows.empty())
        return std::nullopt;
    return ChequeFormat{rows.front().value(0).toString().trimmed(), rows.front().value(1).toInt()};
}

QString ChequeFormat::reportFile(const QString &reportDirectory) const
{
    return reportDirectory + QStringLiteral("\\") + name + QStringLiteral(".rpt");
}
