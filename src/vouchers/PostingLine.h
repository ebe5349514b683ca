#pragma once

#include "common/Money.h"
#include "common/Rate.h"

#include <QDate>
#include <QString>

// One line of a voucher on its way to the books, with the columns every writer fills. The
// placeholders ("*") stand for no third party, document type or cost centre.
struct PostingLine
{
    QString cuenta;
    QDate fecha;
    QString tercero = QStringLiteral("*");
    QString tipoDocumento = QStringLiteral("*");
    QString documento;
    QString documento2;
    QString documento3;
    QString centroCosto = QStringLiteral("*");
    Money valorDebito;
    Money valorCredito;
    QString descripcion;
    int grupoLinea = 0; // 0: the line's own number
    QString serial = QStringLiteral("*");
    int tipoMovActivo = 0;
    Rate trm;
    Money debitoUS;
    Money creditoUS;
    Rate porcentajeImpuesto;
    Rate porcentajeImpuesto2;
    QString conceptoRetencion;
    QDate fechaDoc;
};
