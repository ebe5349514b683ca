#include "common/grid/ColumnHeadings.h"

#include <QHash>

namespace ColumnHeadings {

namespace {

// Keyed in lower case: PostgreSQL folds unquoted aliases.
const QHash<QString, QString> &known()
{
    static const QHash<QString, QString> headings = [] {
        const std::pair<const char *, const char *> pairs[] = {
            {"codigo", "Código"},
            {"nombre", "Nombre"},
            {"descripcion", "Descripción"},
            {"direccion", "Dirección"},
            {"ciudad", "Ciudad"},
            {"telefono", "Teléfono"},
            {"telefono1", "Teléfono 1"},
            {"telefono2", "Teléfono 2"},
            {"fax", "Fax"},
            {"representante", "Representante"},
            {"status", "Estado"},
            {"estado", "Estado"},
            {"tipo", "Tipo"},
            {"codmatriz", "Cód. Matriz"},
            {"codigomatriz", "Cód. Matriz"},
            {"matriz", "Matriz"},
            {"empresa", "Empresa"},
            {"mes", "Mes"},
            {"ano", "Año"},
            {"mescierre", "Mes de Cierre"},
            {"añocierre", "Año de Cierre"},
            {"tipopersona", "Tipo de Persona"},
            {"tiporegimen", "Régimen"},
            {"regimen", "Régimen"},
            {"sujetoaretefuente", "Retención ISLR"},
            {"sujetoareteiva", "Retención IVA"},
            {"tributario", "Tributario"},
            {"agenteretencion", "Agente de Retención"},
            {"cuentaporcobrar", "Cuenta por Cobrar"},
            {"excentadeimpuesto", "Exenta de Impuesto"},
            {"servidornomina", "Servidor de Nómina"},
            {"basedatosnomina", "Base de Datos de Nómina"},
            {"basedatosorvan", "Base de Datos Comercial"},
            {"usuarioorvan", "Usuario Comercial"},
            {"usuarionomina", "Usuario de Nómina"},
            {"cuenta", "Cuenta"},
            {"tercero", "Tercero"},
            {"fecha", "Fecha"},
            {"fechadoc", "Fecha Doc."},
            {"tipocomprobante", "Tipo Comprobante"},
            {"numerocomprobante", "Número Comprobante"},
            {"tipodocumento", "Tipo Documento"},
            {"documento", "Documento"},
            {"centrocosto", "Centro de Costo"},
            {"valordebito", "Débito"},
            {"valorcredito", "Crédito"},
            {"usuario", "Usuario"},
            {"linea", "Línea"},
            {"observacion", "Observación"},
            {"porcentaje", "Porcentaje"},
            {"formato", "Formato"},
            {"numeroformato", "Formato"},
            {"orientacion", "Orientación"},
            {"ruta", "Ruta"},
        };
        QHash<QString, QString> h;
        for (const auto &[name, heading] : pairs)
            h.insert(QString::fromUtf8(name), QString::fromUtf8(heading));
        return h;
    }();
    return headings;
}

} // namespace

QString forColumn(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (const auto it = known().constFind(trimmed.toLower()); it != known().constEnd())
        return *it;
    // "NumeroContinuo" reads "Numero Continuo"; "nombrecompr" at least starts in capitals.
    QString words;
    for (int i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (i > 0 && c.isUpper() && trimmed.at(i - 1).isLower())
            words += u' ';
        words += c == u'_' ? QChar(u' ') : c;
    }
    if (!words.isEmpty())
        words[0] = words[0].toUpper();
    return words;
}

} // namespace ColumnHeadings
