#pragma once

#include <QString>
#include <optional>

class Db;

// The print format of a bank cheque: the layout file that prints it and the paper
// orientation it goes in.
struct ChequeFormat
{
    QString name;        // FORMATOCHEQUE.Nombre, the layout file's name without ".rpt"
    int orientation = 1; // FORMATOCHEQUE.Orientacion: 1 portrait, anything else landscape

    // The format of the bank cheque `bankCheque`; nullopt when the bank cheque or its
    // format does not exist. Throws DbError.
    static std::optional<ChequeFormat> ofBankCheque(Db &db, const QString &bankCheque);

    // The layout in the report directory: the directory, a backslash, the name and ".rpt".
    QString reportFile(const QString &reportDirectory) const;
    // The orientation as the report runner takes it: 1 portrait, 2 landscape.
    int reportOrientation() const { return orientation == 1 ? 1 : 2; }
};
