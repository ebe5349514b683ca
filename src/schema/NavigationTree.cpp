#include "schema/NavigationTree.h"

#include <QHash>

namespace {

using enum ToolbarOption;

// What a window offers on its toolbar decides the operations a group can be granted there.
enum class Kind {
    Menu, // a sub-menu
    Separator,
    Maintenance, // record list: add, change, delete, find, print
    Structure,   // maintenance plus moving a node up and down
    Entry,       // voucher entry: lines are saved one by one and the voucher is approved
    Withholding, // maintenance plus approve and withdraw
    Browse,      // finds and prints, saves nothing
    Editor,      // one record or one grid: change and save
    Save,        // a form that is filled in and saved
    Process,     // runs on "Aprobar"
    Report,      // prints
    Dialog,      // works with its own buttons; the toolbar only closes it
};

struct Row
{
    const char *code; // separators get theirs from their parent and position
    const char *caption;
    const char *parent;
    const char *form;
    Kind kind;
    bool systemsOnly = false;
};

constexpr const char *Root = "Orvan";
constexpr const char *Sep = "_";

// The menus in the order the menu bar shows them. Captions that appear in the option-mode
// table of the navigation must stay exactly as written: the window they open reads the
// mode that the caption selects.
const Row Rows[] = {
    {"mnu_sistema", "Sistema", Root, nullptr, Kind::Menu},
    {"mnu_empresas", "Empresas y Sucursales", "mnu_sistema", "frmCrearEmpresa", Kind::Maintenance},
    {"mnu_parametros", "Parámetros", "mnu_sistema", "frmParametros", Kind::Editor},
    {nullptr, Sep, "mnu_sistema", nullptr, Kind::Separator},
    {"mnu_usuarios", "Usuarios", "mnu_sistema", "FrmUsuario", Kind::Maintenance},
    {"mnu_grupos", "Grupos de Usuarios", "mnu_sistema", "FrmGrupoUsuario", Kind::Maintenance},
    {"mnu_empresasusuario", "Empresas por Usuario", "mnu_sistema", "frmEmpresaUsuario",
     Kind::Editor},
    {"mnu_cambiarclave", "Cambiar Clave", "mnu_sistema", "frmCambiarClave", Kind::Dialog},
    {"mnu_cerrarsesiones", "Cerrar Sesiones", "mnu_sistema", "frmCerrarSesiones", Kind::Dialog},
    {nullptr, Sep, "mnu_sistema", nullptr, Kind::Separator},
    {"mnu_estructura", "Estructura del Menú", "mnu_sistema", "FrmEstructura", Kind::Structure,
     true},
    {"mnu_nombresistema", "Nombre del Sistema", "mnu_sistema", "FrmSistema", Kind::Maintenance,
     true},
    {"mnu_confservidor", "Configurar Servidor", "mnu_sistema", "frmConfServidor", Kind::Dialog},
    {"mnu_rutareportes", "Ruta de Reportes", "mnu_sistema", "frmConfRutaReporte", Kind::Dialog},

    {"mnu_tablas", "Tablas", Root, nullptr, Kind::Menu},
    {"mnu_plancuentas", "Plan de Cuentas", "mnu_tablas", "frmCuentaContable", Kind::Maintenance},
    {"mnu_cuentascategorias", "Cuentas Contables por Categorías", "mnu_tablas",
     "frmCuentaContableLinea", Kind::Maintenance},
    {nullptr, Sep, "mnu_tablas", nullptr, Kind::Separator},
    {"mnu_terceros", "Terceros", "mnu_tablas", "frmTercero", Kind::Maintenance},
    {"mnu_regimen", "Régimen", "mnu_tablas", "frmContribuyente", Kind::Maintenance},
    {"mnu_centrocosto", "Centros de Costo", "mnu_tablas", "frmCentroCosto", Kind::Maintenance},
    {"mnu_documentos", "Documentos", "mnu_tablas", "frmDocumento", Kind::Maintenance},
    {"mnu_conceptos", "Conceptos de Retención", "mnu_tablas", "frmConcepto", Kind::Maintenance},
    {nullptr, Sep, "mnu_tablas", nullptr, Kind::Separator},
    {"mnu_tiposcomprobante", "Tipos de Comprobante", "mnu_tablas", "frmComprobante",
     Kind::Maintenance},
    {"mnu_correlativos", "Correlativos de Comprobantes", "mnu_tablas", "frmCorrelativoComprobante",
     Kind::Editor},
    {nullptr, Sep, "mnu_tablas", nullptr, Kind::Separator},
    {"mnu_categorias", "Categorías de Activos Fijos", "mnu_tablas", "frmCategoria",
     Kind::Maintenance},
    {"mnu_ipc", "IPC", "mnu_tablas", "frmIPC", Kind::Editor},
    {"mnu_trm", "Tasa Representativa del Mercado", "mnu_tablas", "frmIPC", Kind::Editor},

    {"mnu_movimientos", "Movimientos", Root, nullptr, Kind::Menu},
    {"mnu_registro", "Registro de Comprobantes", "mnu_movimientos", "frmRegistro", Kind::Entry},
    {"mnu_anular", "Anular Comprobante", "mnu_movimientos", "frmAnularComprobante", Kind::Save},
    {"mnu_pendientes", "Comprobantes Pendientes", "mnu_movimientos", "frmComprobantesPendientes",
     Kind::Dialog},
    {nullptr, Sep, "mnu_movimientos", nullptr, Kind::Separator},
    {"mnu_corregirtercero", "Corregir Tercero", "mnu_movimientos", "frmCorregirTercero",
     Kind::Save},
    {"mnu_corregirmovimiento", "Corregir Movimiento", "mnu_movimientos", "frmCorregirMovimiento",
     Kind::Process},
    {nullptr, Sep, "mnu_movimientos", nullptr, Kind::Separator},
    {"mnu_modificaractivo", "Modificar Activo Fijo", "mnu_movimientos", "frmModificarActivoFijo",
     Kind::Editor},

    {"mnu_procesos", "Procesos", Root, nullptr, Kind::Menu},
    {"mnu_cambiarperiodo", "Cambiar Periodo", "mnu_procesos", "frmCambiarPeriodo", Kind::Dialog},
    {"mnu_generarperiodo", "Generar Periodo", "mnu_procesos", "frmGenerarPeriodo", Kind::Process},
    {"mnu_bloquearperiodos", "Bloquear Periodos", "mnu_procesos", "frmBloquearPeriodos",
     Kind::Save},
    {nullptr, Sep, "mnu_procesos", nullptr, Kind::Separator},
    {"mnu_ajusteinflacion", "Ajuste por Inflación y Depreciación", "mnu_procesos",
     "frmAjusteYDepreciacion", Kind::Process},
    {"mnu_ajustedifcambio", "Ajuste por Diferencia en Cambio", "mnu_procesos", "frmAjusteTRM",
     Kind::Process},
    {nullptr, Sep, "mnu_procesos", nullptr, Kind::Separator},
    {"mnu_cierre", "Cierre del Ejercicio", "mnu_procesos", "frmCierre", Kind::Process},

    {"mnu_informes", "Informes", Root, nullptr, Kind::Menu},
    {"mnu_balances", "Balances", "mnu_informes", nullptr, Kind::Menu},
    {"mnu_balanceprueba", "Balance de Comprobación", "mnu_balances", "frmRepBalancedePrueba",
     Kind::Report},
    {"mnu_balancegeneral", "Balance General", "mnu_balances", "frmRepBalanceGeneral", Kind::Report},
    {"mnu_balancecomparativo", "Balance General Comparativo", "mnu_balances",
     "frmRepBalanceGeneral", Kind::Report},
    {"mnu_gananciasperdidas", "Estado de Ganancias y Pérdidas", "mnu_balances",
     "frmRepPerdidasyGanancias", Kind::Report},
    {"mnu_libros", "Libros", "mnu_informes", nullptr, Kind::Menu},
    {"mnu_librodiario", "Libro Diario", "mnu_libros", "frmRepLibroDiario", Kind::Report},
    {"mnu_mayoranalitico", "Mayor Analítico", "mnu_libros", "frmRepMayorAnalitico", Kind::Report},
    {nullptr, Sep, "mnu_libros", nullptr, Kind::Separator},
    {"mnu_auxiliar", "Auxiliar", "mnu_libros", "frmRepLibroAuxiliar", Kind::Report},
    {"mnu_auxiliaranalitico", "Auxiliar Analitico", "mnu_libros", "frmRepLibroAuxiliarAnalitico",
     Kind::Report},
    {"mnu_auxiliardetallado", "Auxiliar Anual Detallado", "mnu_libros",
     "frmRepLibroAuxiliarDetallado", Kind::Report},
    {"mnu_auxiliariva", "Auxiliar de IVA", "mnu_libros", "frmRepLibroAuxiliarIva", Kind::Report},
    {"mnu_saldosterceros", "Saldos por Terceros", "mnu_libros", "frmRepLibroAuxiliar",
     Kind::Report},
    {nullptr, Sep, "mnu_libros", nullptr, Kind::Separator},
    {"mnu_exportarauxiliar", "Exportar Auxiliar Anual Detallado", "mnu_libros",
     "frmExpLibroAuxiliarDetallado", Kind::Process},
    {"mnu_foliado", "Foliado de Libros", "mnu_libros", "frmFoliadoDeLibro", Kind::Report},
    {"mnu_infactivos", "Activos Fijos", "mnu_informes", nullptr, Kind::Menu},
    {"mnu_listadoactivos", "Listado de Activos Fijos", "mnu_infactivos", "frmRepActivoFijo",
     Kind::Report},
    {"mnu_movajustes", "Ajustes y Depreciación de Activos Fijos", "mnu_infactivos",
     "frmRepMovAjuDepActivoFijo", Kind::Report},

    {"mnu_impuestos", "Impuestos", Root, nullptr, Kind::Menu},
    {"mnu_retencioniva", "Comprobante de Retención de IVA", "mnu_impuestos",
     "frmComprobanteRetencion", Kind::Withholding},
    {"mnu_consultaretiva", "Consulta de Retenciones de IVA", "mnu_impuestos",
     "frmComprobanteRetencionMultiple", Kind::Browse},
    {"mnu_exportarretiva", "Exportar Retenciones de IVA (XML)", "mnu_impuestos",
     "frmExportarArchivos", Kind::Process},
    {"mnu_importarretiva", "Importar Retenciones de IVA (XML)", "mnu_impuestos", "frmImpCompRetIVA",
     Kind::Process},
    {"mnu_declaracioniva", "Declaración de Retenciones de IVA", "mnu_impuestos", "frmReporteRetIva",
     Kind::Report},
    {nullptr, Sep, "mnu_impuestos", nullptr, Kind::Separator},
    {"mnu_retencionislr", "Comprobante de Retención de ISLR", "mnu_impuestos", "frmImpRetencion",
     Kind::Report},
    {"mnu_archivoislr", "Archivo de Retenciones de ISLR", "mnu_impuestos",
     "frmRepArchivoRetencionISRL", Kind::Process},
    {nullptr, Sep, "mnu_impuestos", nullptr, Kind::Separator},
    {"mnu_librocompras", "Libro de Compras", "mnu_impuestos", "frmLibroCompras", Kind::Report},
    {"mnu_libroventas", "Libro de Ventas", "mnu_impuestos", "frmLibroVentas", Kind::Report},
    {"mnu_libroventasnofiscal", "Libro de Ventas No Fiscal", "mnu_impuestos",
     "frmLibroVentasNoFiscal", Kind::Report},

    {"mnu_bancos", "Bancos", Root, nullptr, Kind::Menu},
    {"mnu_conciliacion", "Conciliación Bancaria", "mnu_bancos", "frmConciliacionBancaria",
     Kind::Process},
    {"mnu_imprimirconciliacion", "Imprimir Conciliación", "mnu_bancos", "frmImprimirConciliacion",
     Kind::Report},
    {nullptr, Sep, "mnu_bancos", nullptr, Kind::Separator},
    {"mnu_datosbancarios", "Datos Bancarios de Terceros", "mnu_bancos", "frmTerceroTransferenciaE",
     Kind::Maintenance},
    {"mnu_transferencias", "Transferencias Electrónicas", "mnu_bancos",
     "frmTransferenciaElectronica", Kind::Maintenance},
    {"mnu_archivospago", "Archivos de Pago", "mnu_bancos", nullptr, Kind::Menu},
    {"mnu_pagomercantil", "Banco Mercantil", "mnu_archivospago", "frmGenerarTXTTransEMercantil",
     Kind::Process},
    {"mnu_pagovenezuela", "Banco de Venezuela", "mnu_archivospago", "frmGenerarTXTTransferenciaE",
     Kind::Process},
    {"mnu_pagoprovincial", "Banco Provincial", "mnu_archivospago", "frmGenerarTXTTransEProvincial",
     Kind::Process},
    {"mnu_pagocaribe", "Banco del Caribe", "mnu_archivospago", "frmGenerarTXTTransECaribe",
     Kind::Process},
    {"mnu_pagoexterior", "Banco Exterior", "mnu_archivospago",
     "frmGenerarTXTTransferenciaEExterior", Kind::Process},
    {"mnu_pagobod", "Banco Occidental de Descuento", "mnu_archivospago", "frmGenerarTXTTransEBOD",
     Kind::Process},
    {"mnu_pagobanesco", "Banesco", "mnu_archivospago", "frmGenerarTXTTransEBanesco", Kind::Process},
    {nullptr, Sep, "mnu_bancos", nullptr, Kind::Separator},
    {"mnu_formatoscheque", "Formatos de Cheque", "mnu_bancos", "frmFormatosCheques",
     Kind::Maintenance},
    {"mnu_chequesbanco", "Cheques por Banco", "mnu_bancos", "frmChequesBancos", Kind::Maintenance},

    {"mnu_utilidades", "Utilidades", Root, nullptr, Kind::Menu},
    {"mnu_importardatos", "Importar Datos Empresa", "mnu_utilidades", "frmDataTransferEmpresa",
     Kind::Process},
    {"mnu_exportardatos", "Exportar Datos Empresa", "mnu_utilidades", "frmDataTransferEmpresa",
     Kind::Process},
    {nullptr, Sep, "mnu_utilidades", nullptr, Kind::Separator},
    {"mnu_respaldo", "Respaldar Base de Datos", "mnu_utilidades", "frmRespaldarBD", Kind::Process},
    {"mnu_restaurar", "Restaurar Base de Datos", "mnu_utilidades", "frmRestaurarBD", Kind::Process},
};

std::vector<ToolbarOption> optionsOf(Kind kind)
{
    switch (kind) {
    case Kind::Menu:
    case Kind::Separator:
        return {};
    case Kind::Maintenance:
        return {Nuevo, Modificar, Eliminar, Buscar, Imprimir, Cancelar, Guardar, Salir};
    case Kind::Structure:
        return {Nuevo,    Modificar, Eliminar, Buscar, Imprimir,
                Cancelar, Guardar,   Salir,    Subir,  Bajar};
    case Kind::Entry:
        return {Nuevo, Modificar, Eliminar, Buscar, Cancelar, Guardar, Aprobar, Salir};
    case Kind::Withholding:
        return {Nuevo,    Modificar, Eliminar, Buscar,   Imprimir,
                Cancelar, Guardar,   Aprobar,  Reprobar, Salir};
    case Kind::Browse:
        return {Buscar, Imprimir, Salir};
    case Kind::Editor:
        return {Modificar, Cancelar, Guardar, Salir};
    case Kind::Save:
        return {Cancelar, Guardar, Salir};
    case Kind::Process:
        return {Aprobar, Salir};
    case Kind::Report:
        return {Imprimir, Salir};
    case Kind::Dialog:
        return {Salir};
    }
    return {Salir};
}

std::vector<NavigationNode> buildTree()
{
    std::vector<NavigationNode> nodes;
    QHash<QString, int> levelOf{{QString::fromLatin1(Root), 0}};
    QHash<QString, int> childrenOf;
    for (const Row &row : Rows) {
        NavigationNode node;
        node.parent = QString::fromLatin1(row.parent);
        node.level = levelOf.value(node.parent) + 1;
        node.order = ++childrenOf[node.parent];
        node.number = int(nodes.size()) + 1;
        node.caption = QString::fromUtf8(row.caption);
        node.code = row.code ? QString::fromLatin1(row.code)
                             : QStringLiteral("%1_sep%2").arg(node.parent).arg(node.order);
        node.form = row.form ? QString::fromLatin1(row.form) : QString();
        node.container = row.kind == Kind::Menu;
        node.image = row.kind == Kind::Separator ? 1 : 0;
        node.systemsOnly = row.systemsOnly;
        node.options = optionsOf(row.kind);
        levelOf.insert(node.code, node.level);
        nodes.push_back(std::move(node));
    }
    return nodes;
}

} // namespace

const QStringList &ToolbarOptionNames()
{
    static const QStringList names{"Nuevo",    "Modificar", "Eliminar", "Buscar",
                                   "Imprimir", "Cancelar",  "Guardar",  "Aprobar",
                                   "Reprobar", "Salir",     "Subir",    "Bajar"};
    return names;
}

QString NavigationRootKey()
{
    return QString::fromLatin1(Root);
}

const std::vector<NavigationNode> &DefaultNavigationTree()
{
    static const std::vector<NavigationNode> tree = buildTree();
    return tree;
}
