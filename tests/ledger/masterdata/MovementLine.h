#pragma once

#include "platform/Db.h"

#include <QString>

// A posted line that names a third party, cost centre, document type or retention concept,
// which is what keeps those rows from being deleted or lets a corrected code follow.
inline void AddMovementLine(Db &db, const QString &account, const QString &party = "*",
                            const QString &costCentre = "*", const QString &document = "*",
                            const QString &retentionConcept = {})
{
    db.exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, "
            "Usuario, Linea, Cuenta, Fecha, Tercero, CentroCosto, TipoDocumento, "
            "ConceptoRetencion) VALUES ('E1', 'E1', '999', '1', 'ANA', 1, ?, '2026-01-31', ?, ?, "
            "?, ?)",
            {account, party, costCentre, document, retentionConcept});
}
