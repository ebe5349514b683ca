#pragma once

#include "platform/Db.h"

#include <QString>
#include <QVariantList>

// Rows the grid tests share: a small chart of accounts and any number of third parties.
namespace GridSamples {

// The lookup every account field uses: code, name, a hidden flag and the state.
inline const QString AccountLookup =
    QStringLiteral("SELECT Codigo, Nombre, EsPadre AS \"~HDN1\", "
                   "CASE WHEN EsPadre = 0 THEN 1 ELSE 0 END AS Status "
                   "FROM CUENTACONTABLE WHERE Codigo LIKE ? ORDER BY Codigo ");

inline void addAccount(Db &db, const QString &code, const QString &name, int parentFlag)
{
    db.exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, CodigoPadre, Nivel, EsPadre) "
            "VALUES (?, ?, ?, ?, ?)",
            {code, name, code.size() > 1 ? code.left(1) : QStringLiteral("0"),
             code.size() > 1 ? 2 : 1, parentFlag});
}

inline void addChart(Db &db)
{
    addAccount(db, "1", "ACTIVO", 1);
    addAccount(db, "11", "ACTIVO CIRCULANTE", 1);
    addAccount(db, "1101", "CAJA", 0);
    addAccount(db, "1102", "BANCOS", 0);
    addAccount(db, "2", "PASIVO", 1);
    addAccount(db, "2101", "PROVEEDORES", 0);
}

// Third parties "J-000000001".."J-<count>" named "TERCERO <n>", in one statement.
void addParties(Db &db, int count);

} // namespace GridSamples
