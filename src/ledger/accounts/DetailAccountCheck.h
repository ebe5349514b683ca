#pragma once

#include <QString>

class Db;

// Whether a typed code names a detail account, as every field that takes an account to post
// to checks it, with the messages those fields show.
struct DetailAccountCheck
{
    enum class Outcome { Detail, Missing, Summary };

    static inline const QString MissingMessage = QStringLiteral("La cuenta no existe!");
    static inline const QString SummaryMessage =
        QStringLiteral("Seleccione solo cuentas de detalle...");
    // The account lookup of those fields; bind the typed text followed by "%".
    static inline const QString LookupStatement = QStringLiteral(
        "SELECT Codigo, Nombre, EsPadre AS \"~HDN1\", CentrodeCosto AS \"~HDN2\", "
        "ManejaTerc AS \"~HDN3\", ManejaDoc AS \"~HDN4\", CuentaRetFuente AS \"~HDN5\" "
        "FROM CUENTACONTABLE WHERE Codigo LIKE ? ORDER BY Codigo");

    Outcome outcome = Outcome::Missing;
    QString name; // the account's name, also for a summary account

    static DetailAccountCheck run(Db &db, const QString &code);

    bool ok() const { return outcome == Outcome::Detail; }
    // The refusal to show; empty for a detail account.
    QString message() const;
};
