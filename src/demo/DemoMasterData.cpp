#include "demo/DemoMasterData.h"

#include "common/Money.h"
#include "common/Rate.h"
#include "demo/DemoRows.h"
#include "platform/Db.h"

namespace DemoMasterData {

namespace {

QString text(const char *s)
{
    return QString::fromUtf8(s);
}

const Company headOffice{
    "J-40123456-9",     "INVERSIONES VALDORIA DEMO, C.A.",
    "ANA MARIA TORRES", "AV. FRANCISCO DE MIRANDA, TORRE EUROPA, PISO 4, CHACAO",
    "CARACAS",          "0212-2671100",
    "132505001"};
const Company branch{"J-40123457-7",
                     "VALDORIA DEMO VALENCIA, C.A.",
                     "JOSE GREGORIO MENDEZ",
                     "AV. BOLIVAR NORTE, CENTRO COMERCIAL CAMORUCO, LOCAL 12",
                     "VALENCIA",
                     "0241-8245500",
                     "132505002"};

const std::vector<Party> parties = {
    {"G-20000303-0", "SERVICIO NACIONAL INTEGRADO DE ADMINISTRACION ADUANERA Y TRIBUTARIA", 0, "04",
     false, false, "AV. JOSE MARIA VARGAS, EDIFICIO SENIAT, CARACAS", "0800-7364800", true},
    {"J-40123456-9", headOffice.name, 0, "02", false, false, headOffice.address, headOffice.phone},
    {"J-40123457-7", branch.name, 0, "02", false, false, branch.address, branch.phone},
    // Banks
    {"J-00123456-0", "BANCO ANDINO UNIVERSAL, C.A.", 0, "02", false, false,
     "AV. UNIVERSIDAD, ESQUINA TRAPOSOS, CARACAS", "0212-5012000"},
    {"J-00234567-5", "BANCO DEL LAGO, BANCO UNIVERSAL, C.A.", 0, "02", false, false,
     "AV. 5 DE JULIO, MARACAIBO", "0261-7001000"},
    {"J-00345678-0", "BANCO ORINOCO, C.A.", 0, "02", false, false, "PASEO ORINOCO, CIUDAD BOLIVAR",
     "0285-6325000"},
    // Suppliers withheld for ISLR and IVA
    {"J-30256871-4", "SUMINISTROS INDUSTRIALES LOS ANDES, C.A.", 0, "02", true, true,
     "ZONA INDUSTRIAL LOS RUICES, CALLE D, GALPON 14, CARACAS", "0212-2394410"},
    {"J-31876543-9", "DISTRIBUIDORA DE ALIMENTOS LA FLORESTA, C.A.", 0, "01", true, true,
     "AV. PRINCIPAL DE LA FLORESTA, CARACAS", "0212-2856631"},
    {"J-31457890-1", "PAPELERIA Y OFICINA EL CENTRO, C.A.", 0, "01", true, true,
     "AV. BARALT, ESQUINA MADRICES, CARACAS", "0212-5619087"},
    {"J-29875432-0", "TRANSPORTE Y FLETES ORIENTE, C.A.", 0, "01", true, true,
     "AUTOPISTA REGIONAL DEL CENTRO, KM 12, MARACAY", "0243-2715040"},
    {"J-30998877-8", "PUBLICIDAD CREATIVA 2000, C.A.", 0, "01", true, true,
     "CALLE LOS MANGOS, LAS MERCEDES, CARACAS", "0212-9932210"},
    {"J-31122334-7", "INMOBILIARIA TORRE NORTE, C.A.", 0, "01", true, true,
     "AV. LIBERTADOR, TORRE NORTE, PISO 2, CARACAS", "0212-7613344"},
    {"J-40567123-8", "SEGURIDAD Y VIGILANCIA AGUILA, C.A.", 0, "01", true, true,
     "CALLE REAL DE SABANA GRANDE, CARACAS", "0212-7621900"},
    {"J-40112233-7", "TECNOLOGIA Y SISTEMAS DIGITALES, C.A.", 0, "01", true, true,
     "CENTRO SAMBIL, NIVEL ACUARIO, CHACAO", "0212-2677788"},
    {"J-41234560-5", "SEGUROS LA PROTECTORA, C.A.", 0, "02", false, true,
     "AV. FRANCISCO DE MIRANDA, LOS PALOS GRANDES", "0212-2843000"},
    {"V-12345678-1", "LUIS ALBERTO RAMIREZ", 1, "03", true, false,
     "RESIDENCIAS EL PARQUE, TORRE B, APTO 5-C, CARACAS", "0414-3201122"},
    {"V-10987654-9", "CARMEN ELENA ROJAS", 1, "03", true, false,
     "URB. LA TRINIDAD, CALLE 3, QUINTA ROSA, CARACAS", "0412-6087733"},
    // Customers
    {"J-29759907-0", "COMERCIAL LA ESQUINA, C.A.", 0, "01", false, false,
     "AV. LAS AMERICAS, MERIDA", "0274-2441200"},
    {"J-40765432-2", "AUTOMERCADOS EL PARAISO, C.A.", 0, "02", false, false,
     "AV. PAEZ, EL PARAISO, CARACAS", "0212-4810090"},
    {"J-30011223-3", "BODEGON LA CANDELARIA, C.A.", 0, "01", false, false,
     "ESQUINA DE ALCABALA, LA CANDELARIA, CARACAS", "0212-5713300"},
    {"V-11470283-4", "MARIA JOSE GONZALEZ", 1, "04", false, false,
     "URB. PREBO, CALLE 137, VALENCIA", "0424-4120098"},
    {"V-15678901-8", "PEDRO ANTONIO SILVA", 1, "04", false, false, "SECTOR LA VIÑA, VALENCIA",
     "0414-4388120"},
    {"E-81234567-5", "GIOVANNI ROSSI", 2, "04", false, false,
     "AV. ANDRES BELLO, LOS PALOS GRANDES, CARACAS", "0412-2209911"},
    // Public services and the bodies that collect the payroll contributions
    {"G-20010014-1", "CORPORACION ELECTRICA NACIONAL, S.A.", 0, "02", false, false,
     "AV. SANZ, EDIFICIO CORPOELEC, EL MARQUES, CARACAS", "0800-2677353"},
    {"J-00124134-5", "COMPAÑIA ANONIMA NACIONAL TELEFONOS DE VENEZUELA", 0, "02", false, false,
     "AV. LIBERTADOR, CENTRO NACIONAL DE TELECOMUNICACIONES, CARACAS", "0800-2268800"},
    {"G-20000041-4", "INSTITUTO VENEZOLANO DE LOS SEGUROS SOCIALES", 0, "04", false, false,
     "AV. URDANETA, ESQUINA DE ALTAGRACIA, CARACAS", "0800-4877000"},
    {"G-20000052-0", "BANCO NACIONAL DE VIVIENDA Y HABITAT", 0, "04", false, false,
     "AV. FRANCISCO DE MIRANDA, CHACAO", "0800-2262843"},
    {"G-20000063-5", "INSTITUTO NACIONAL DE CAPACITACION Y EDUCACION SOCIALISTA", 0, "04", false,
     false, "AV. NUEVA GRANADA, CARACAS", "0212-6332121"},
    // Shareholders
    {"V-14258369-7", "ANA MARIA TORRES", 1, "04", false, false,
     "URB. LOS PALOS GRANDES, 3RA AVENIDA, CARACAS", "0414-2258800"},
    {"V-16741852-6", "RAFAEL ANTONIO TORRES", 1, "04", false, false,
     "URB. ALTAMIRA, AV. SAN JUAN BOSCO, CARACAS", "0412-3307142"},
};

void insertParties(Db &db)
{
    std::vector<QVariantList> rows;
    for (const Party &p : parties)
        rows.push_back({text(p.code), text(p.name), text(p.address), p.personType, text(p.regime),
                        text(p.phone), p.islr ? 1 : 0, p.iva ? 1 : 0, p.taxAuthority ? 1 : 0});
    DemoRows::Insert(db, QStringLiteral("TERCERO"),
                     {"Codigo", "Nombre", "Direccion", "TipoPersona", "TipoRegimen", "Telefono1",
                      "SujetoAReteFuente", "SujetoAReteIVA", "Tributario"},
                     rows);
}

void insertCodeTables(Db &db)
{
    DemoRows::Insert(db, QStringLiteral("REGIMEN"), {"Codigo", "Nombre"},
                     {{"01", "CONTRIBUYENTE ORDINARIO"},
                      {"02", "CONTRIBUYENTE ESPECIAL"},
                      {"03", "CONTRIBUYENTE FORMAL"},
                      {"04", "NO CONTRIBUYENTE"}});
    DemoRows::Insert(db, QStringLiteral("CENTROCOSTO"), {"Codigo", "Nombre"},
                     {{"ADM", "ADMINISTRACION Y FINANZAS"},
                      {"GER", "GERENCIA GENERAL"},
                      {"SIS", "SISTEMAS"},
                      {"ALM", "ALMACEN Y DESPACHO"},
                      {"VEN", "VENTAS"}});
    DemoRows::Insert(db, QStringLiteral("DOCUMENTO"),
                     {"Codigo", "Nombre", "Observacion", "CompraExcenta"},
                     {{"FC", "FACTURA", "Factura de compra o de venta", 0},
                      {"FR", "COMPROBANTE DE RETENCION", "Retenciones de IVA e ISLR", 0},
                      {"RC", "RECIBO", "Recibo de pago o de cobro", 0},
                      {"NC", "NOTA DE CREDITO", "Nota de credito de un proveedor", 0},
                      {"ND", "NOTA DE DEBITO", "Nota de debito de un proveedor", 0},
                      {"CN", "NOTA DE CREDITO A CLIENTES", "Disminuye una factura de venta", 0},
                      {"DN", "NOTA DE DEBITO A CLIENTES", "Aumenta una factura de venta", 0},
                      {"FE", "FACTURA EXENTA", "Compras exentas de IVA", 1},
                      {"FV", "FACTURA DE VENTA", "Factura emitida a clientes", 0},
                      {"CH", "CHEQUE", "Cheque emitido", 0},
                      {"EF", "EFECTIVO", "Pago o cobro en efectivo", 0},
                      {"TE", "TRANSFERENCIA ELECTRONICA", "Pago por transferencia", 0},
                      {"LP", "LIQUIDACION DE PAGO", "Liquidacion de impuestos y aportes", 0}});
}

// Income-tax concepts: base and rate by kind of taxpayer, the natural person's deduction
// and the codes the declaration carries.
struct Concept
{
    const char *code;
    const char *description;
    int base;
    int ratePJ;
    int ratePN;
    qint64 deductionPNCents;
    const char *aliasPJ;
    const char *aliasPN;
    const char *accountPJ;
    const char *accountPN;
};

const Concept concepts[] = {
    {"HONPROF", "HONORARIOS PROFESIONALES NO MERCANTILES", 90, 5, 3, 2250, "004", "002",
     "236515001", "236515002"},
    {"ARRINM", "ARRENDAMIENTO DE BIENES INMUEBLES", 100, 5, 3, 2250, "058", "057", "236530001",
     "236530002"},
    {"SERVICIOS", "EJECUCION DE OBRAS Y PRESTACION DE SERVICIOS", 100, 2, 1, 750, "055", "053",
     "236525001", "236525002"},
    {"FLETES", "FLETES Y GASTOS DE TRANSPORTE", 100, 3, 1, 750, "072", "071", "236540001",
     "236540001"},
    {"PUBLICIDAD", "PUBLICIDAD Y PROPAGANDA", 100, 5, 3, 2250, "083", "085", "236540002",
     "236540002"},
};

void insertConcepts(Db &db)
{
    std::vector<QVariantList> rows;
    for (const Concept &c : concepts)
        rows.push_back({text(c.code), text(c.description), Rate::fromInteger(c.base).toSql(),
                        Rate::fromInteger(c.base).toSql(), Money().toSql(),
                        Money::fromCents(c.deductionPNCents).toSql(),
                        Rate::fromInteger(c.ratePJ).toSql(), Rate::fromInteger(c.ratePN).toSql(),
                        text(c.aliasPJ), text(c.aliasPN), text(c.accountPJ), text(c.accountPN)});
    DemoRows::Insert(db, QStringLiteral("CONCEPTORET"),
                     {"Codigo", "Descripcion", "BasePJ", "BasePN", "DeduccionPJ", "DeduccionPN",
                      "PorcentajePJ", "PorcentajePN", "AliasCodigoPJ", "AliasCodigoPN",
                      "CuentaRetencionPJ", "CuentaRetencionPN"},
                     rows);
}

// The codes that the books reserve are left free: "006" (IVA withholding causation), "007"
// (left out of the sales book), "009" (branch sales), "099" (closing) and "999" (opening).
void insertVoucherTypes(Db &db)
{
    DemoRows::Insert(db, QStringLiteral("COMPROBANTE"),
                     {"Codigo", "Nombre", "ActivoFijo", "AjustePorInflacion", "Depreciacion",
                      "AjusteDifCambio", "RetencionIVA", "Consolidacion", "Egreso"},
                     {{"001", "COMPROBANTE DE DIARIO", 0, 0, 0, 0, 0, 0, 0},
                      {"002", "COMPROBANTE DE EGRESO", 0, 0, 0, 0, 0, 0, 1},
                      {"003", "COMPROBANTE DE INGRESO", 0, 0, 0, 0, 0, 0, 0},
                      {"004", "COMPRAS", 0, 0, 0, 0, 0, 0, 0},
                      {"005", "VENTAS", 0, 0, 0, 0, 0, 0, 0},
                      {"010", "NOMINA", 0, 0, 0, 0, 0, 0, 0},
                      {"011", "RETENCIONES DE IVA", 0, 0, 0, 0, 1, 0, 0},
                      {"012", "AJUSTE POR INFLACION", 0, 1, 0, 0, 0, 0, 0},
                      {"013", "DEPRECIACION", 0, 0, 1, 0, 0, 0, 0},
                      {"014", "DIFERENCIA EN CAMBIO", 0, 0, 0, 1, 0, 0, 0},
                      {"015", "CONSOLIDACION", 0, 0, 0, 0, 0, 1, 0},
                      {"016", "ACTIVOS FIJOS", 1, 0, 0, 0, 0, 0, 0}});
}

void insertRatesAndCategories(Db &db)
{
    // The general rate of 16 % and the reduced one of 8 % have been in force since
    // September 2018.
    db.exec(QStringLiteral("INSERT INTO VARIACIONIMPUESTO (FechaDesde, FechaHasta, Impuesto, "
                           "Impuesto2) VALUES (?, NULL, ?, ?)"),
            {QDate(2018, 9, 1), Rate::fromInteger(16).toSql(), Rate::fromInteger(8).toSql()});
    DemoRows::Insert(db, QStringLiteral("CATEGORIAACTIVO"), {"Codigo", "Nombre"},
                     {{1, "EDIFICACIONES"},
                      {2, "MOBILIARIO Y EQUIPOS DE OFICINA"},
                      {3, "EQUIPOS DE COMPUTACION"},
                      {4, "VEHICULOS"}});
}

// The cheques of the two current accounts the books pay from, on the formats the new
// database brings: the head office's bank in portrait, the branch's in landscape.
void insertBankCheques(Db &db)
{
    DemoRows::Insert(db, QStringLiteral("CHEQUESBANCO"), {"Codigo", "Nombre", "NumeroFormato"},
                     {{"ANDINO", "BANCO ANDINO CUENTA CORRIENTE", 1},
                      {"LAGO", "BANCO DEL LAGO CUENTA CORRIENTE", 2}});
}

} // namespace

const std::vector<Party> &Parties()
{
    return parties;
}

const Company &HeadOffice()
{
    return headOffice;
}

const Company &Branch()
{
    return branch;
}

void Insert(Db &db)
{
    insertCodeTables(db);
    insertParties(db);
    insertConcepts(db);
    insertVoucherTypes(db);
    insertRatesAndCategories(db);
    insertBankCheques(db);
}

void InsertProductLines(Db &db)
{
    DemoRows::Insert(db, QStringLiteral("CUENTACONTABLELINEA"),
                     {"CodigoLinea", "Nombre", "CodigoContable"},
                     {{"ALI", "ALIMENTOS", "413510001"},
                      {"BEB", "BEBIDAS", "413510002"},
                      {"LIM", "ARTICULOS DE LIMPIEZA", "413510003"},
                      {"HIG", "HIGIENE PERSONAL", "413510004"}});
}

} // namespace DemoMasterData
