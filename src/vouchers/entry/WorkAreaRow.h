#pragma once

#include "common/Money.h"
#include "common/Rate.h"

#include <QDate>
#include <QString>

// One row of a work area as the entry grid shows it, with the names of its codes.
struct WorkAreaRow
{
    QString numeroComprobante;
    QString tipoComprobante;
    QString tipoComprobanteNombre;
    int linea = 0;
    int grupoLinea = 0;
    QString cuenta;
    QString cuentaNombre;
    QString tercero;
    QString terceroNombre;
    QString tipoDocumento;
    QString tipoDocumentoNombre;
    QString documento;
    QString documento2;
    QString documento3;
    QString centroCosto;
    Money valorDebito;
    Money valorCredito;
    QString descripcion;
    QString usuarioCreador;
    bool comprobanteActivoFijo = false;
    bool comprobanteRetencionIva = false;
    QDate fecha;
    QString serial;
    int tipoMovActivo = 0;
    Rate trm;
    Money debitoUS;
    Money creditoUS;
    QDate fechaCreacion;
    int conciliado = 0;
    QString conceptoRetencion;
    QString conceptoNombre;
    QDate fechaDoc;
    Rate porcentajeImpuesto;
    int lineaPertenece = 0; // consolidation rows: the originating line
};
