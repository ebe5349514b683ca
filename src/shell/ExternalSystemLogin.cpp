#include "shell/ExternalSystemLogin.h"

#include "platform/Db.h"
#include "shell/PasswordScrambler.h"

std::optional<ExternalSystemLogin>
ExternalSystemLogin::Read(Db &db, const QString &company, const QString &headOffice, System system)
{
    // Column names from this fixed pair only.
    const QLatin1String suffix =
        system == System::Comercial ? QLatin1String("Orvan") : QLatin1String("Nomina");
    const auto rows =
        db.rows(QStringLiteral("SELECT Servidor%1, BaseDatos%1, Usuario%1, Password%1 FROM EMPRESA "
                               "WHERE Codigo = ? AND CodigoMatriz = ?")
                    .arg(suffix),
                {company, headOffice});
    if (rows.empty())
        return std::nullopt;
    const QSqlRecord &r = rows.front();
    return ExternalSystemLogin{r.value(0).toString(), r.value(1).toString(), r.value(2).toString(),
                               PasswordScrambler::UnscramblePassword(r.value(3).toString())};
}
