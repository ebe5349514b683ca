#include "ledger/accounts/DetailAccountCheck.h"

#include "platform/Db.h"

DetailAccountCheck DetailAccountCheck::run(Db &db, const QString &code)
{
    DetailAccountCheck check;
    const auto rows =
        db.rows(QStringLiteral("SELECT Nombre, EsPadre FROM CUENTACONTABLE WHERE Codigo = ?"),
                {code.trimmed()});
    if (rows.empty())
        return check;
    check.name = rows.front().value(0).toString();
    check.outcome = rows.front().value(1).toInt() != 0 ? Outcome::Summary : Outcome::Detail;
    return check;
}

QString DetailAccountCheck::message() const
{
    switch (outcome) {
    case Outcome::Detail:
        return {};
    case Outcome::Missing:
        return MissingMessage;
    case Outcome::Summary:
        return SummaryMessage;
    }
    return {};
}
