#include "vouchers/import/VoucherImportFile.h"

#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

const QByteArray Header =
    "referencia;tipo;fecha;cuenta;tercero;tipo_documento;documento;centro_costo;descripcion;"
    "debito;credito\n";

// A balanced voucher of two rows, as most files carry them.
QByteArray pair(const char *reference, const char *date, const char *amount)
{
    return QByteArray(reference) + ";001;" + date + ";110101001;;;;;cobro;" + amount + ";\n" +
           reference + ";001;" + date + ";410101001;;;;;cobro;;" + amount + "\n";
}

VoucherImportFile::Result parse(const QByteArray &rows)
{
    return VoucherImportFile::parse(Header + rows);
}

TEST(VoucherImportFile, RowsSharingAReferenceMakeOneVoucherWithTheirLinesAsGiven)
{
    // A byte-order mark, Windows line ends, a quoted ";" and a blank line, as spreadsheets
    // write them; the references are not in one block.
    const QByteArray text =
        "\xEF\xBB\xBF" + QByteArray(Header).replace("\n", "\r\n") +
        "A-1;001;2026-03-02;110101001;J001;FAC;F-0001;ADM;\"venta; contado\";1234.56;\r\n"
        "B-7;999;2026-01-01;110101001;;;;;apertura;10;\r\n"
        "\r\n"
        "A-1;001;2026-03-31;410101001;;;;;venta;;1234.56\r\n"
        "B-7;999;2026-01-01;410101001;*;*;;*;apertura;;10.00\r\n";
    const auto r = VoucherImportFile::parse(text);
    ASSERT_TRUE(r.ok()) << r.problem->text().toStdString();
    ASSERT_EQ(r.vouchers.size(), 2u);
    const ImportedVoucher &a = r.vouchers[0];
    EXPECT_EQ(a.reference, "A-1");
    EXPECT_EQ(a.type, "001");
    EXPECT_EQ(a.rows, (std::vector<int>{2, 5})); // lines of the file, the blank one counted
    ASSERT_EQ(a.lines.size(), 2u);
    const PostingLine &first = a.lines[0];
    EXPECT_EQ(first.cuenta, "110101001");
    EXPECT_EQ(first.fecha, QDate(2026, 3, 2));
    EXPECT_EQ(first.tercero, "J001");
    EXPECT_EQ(first.tipoDocumento, "FAC");
    EXPECT_EQ(first.documento, "F-0001");
    EXPECT_EQ(first.centroCosto, "ADM");
    EXPECT_EQ(first.descripcion, "venta; contado");
    EXPECT_EQ(first.valorDebito, Money::fromCents(123456));
    EXPECT_TRUE(first.valorCredito.isZero());
    EXPECT_EQ(a.lines[1].valorCredito, Money::fromCents(123456));
    // Empty codes and "*" alike mean none.
    const ImportedVoucher &b = r.vouchers[1];
    EXPECT_EQ(b.type, "999");
    EXPECT_EQ(b.rows, (std::vector<int>{3, 6}));
    for (const PostingLine &l : b.lines) {
        EXPECT_EQ(l.tercero, "*");
        EXPECT_EQ(l.tipoDocumento, "*");
        EXPECT_EQ(l.centroCosto, "*");
    }
}

TEST(VoucherImportFile, TheFirstBadRowIsNamedWithItsReasonAndNoVoucherComesBack)
{
    const struct
    {
        QByteArray rows; // after the header; the bad row is line 4 of the file
        int row;
        const char *reason;
    } cases[] = {
        {pair("A", "2026-03-02", "5") + "B;001;2026-03-02;110101001;;;;;x;5\n", 4,
         "tiene 10 campos y se esperan 11"},
        {pair("A", "2026-03-02", "5") + "B;001;2026-03-02;110101001;;;;;x;5;;\n", 4,
         "tiene 12 campos"},
        {pair("A", "2026-03-02", "5") + pair("B", "2026-02-30", "5"), 4,
         "la fecha no es válida: '2026-02-30'"},
        {pair("A", "2026-03-02", "5") + pair("B", "02/03/2026", "5"), 4, "se espera AAAA-MM-DD"},
        {pair("A", "2026-03-02", "5") + pair("B", "2026-3-2", "5"), 4, "la fecha no es válida"},
        {pair("A", "2026-03-02", "5") + pair("B", "2026-03-02", "1,234.56"), 4,
         "el débito no es un importe válido: '1,234.56'"},
        {pair("A", "2026-03-02", "5") + pair("B", "2026-03-02", "1234,56"), 4,
         "no es un importe válido"},
        {pair("A", "2026-03-02", "5") + pair("B", "2026-03-02", "12.345"), 4,
         "hasta dos decimales"},
        {pair("A", "2026-03-02", "5") + pair("B", "2026-03-02", "diez"), 4,
         "no es un importe válido"},
        {pair("A", "2026-03-02", "5") + pair("B", "2026-03-02", "-5"), 4,
         "el débito es negativo: -5"},
        {pair("A", "2026-03-02", "5") + pair("B", "2026-03-02", "0.00"), 4,
         "el débito y el crédito están en cero"},
        {pair("A", "2026-03-02", "5") + "B;001;2026-03-02;110101001;;;;;x;5;5\n", 4,
         "débito y crédito a la vez"},
        {pair("A", "2026-03-02", "5") + "B;001;2026-03-02;110101001;;;;;\"x;5;\n", 4,
         "una comilla queda sin cerrar"},
        {pair("A", "2026-03-02", "5") + ";001;2026-03-02;110101001;;;;;x;5;\n", 4,
         "falta la referencia"},
        {pair("A", "2026-03-02", "5") + "B;;2026-03-02;110101001;;;;;x;5;\n", 4,
         "falta el tipo de comprobante"},
        {pair("A", "2026-03-02", "5") + "B;001;2026-03-02;;;;;;x;5;\n", 4, "falta la cuenta"},
        {pair("A", "2026-03-02", "5") + "B;001;2026-03-02;110101001;;FAC;F-00000000000001;;x;5;\n",
         4, "el documento tiene más de 15 caracteres"},
        {pair("A", "2026-03-02", "5") + "B;001;2026-03-02;110101001;;;;;" + QByteArray(256, 'x') +
             ";5;\n",
         4, "la descripción tiene más de 255 caracteres"},
        {pair("A", "2026-03-02", "5") + "B;001;2026-03-02;110101001;;;;;\xC3;5;\n", 4,
         "el texto no está en UTF-8"},
        // The same reference with another type, or in another month.
        {pair("A", "2026-03-02", "5") + "A;002;2026-03-02;110101001;;;;;x;5;\n", 4,
         "la referencia A es de tipo 001 en la fila 2, aquí de tipo 002"},
        {pair("A", "2026-03-31", "5") + "A;001;2026-04-01;110101001;;;;;x;5;\n", 4,
         "la referencia A tiene fechas en dos meses: 2026-03-31 en la fila 2, 2026-04-01 aquí"},
        // Balance to the cent, no tolerance: the voucher's first row is named.
        {pair("A", "2026-03-02", "5") + "B;001;2026-03-02;110101001;;;;;x;1000.00;\n" +
             "B;001;2026-03-02;410101001;;;;;x;;1000.01\n",
         4, "el comprobante B no cuadra: débitos 1000.00, créditos 1000.01 (filas 4 a 5)"},
    };
    for (const auto &c : cases) {
        const auto r = parse(c.rows);
        const std::string where = c.rows.toStdString();
        ASSERT_FALSE(r.ok()) << where;
        EXPECT_EQ(r.problem->row, c.row) << where;
        EXPECT_TRUE(r.problem->reason.contains(QString::fromUtf8(c.reason)))
            << where << "\n"
            << r.problem->reason.toStdString();
        EXPECT_TRUE(r.problem->text().startsWith(QStringLiteral("Fila %1: ").arg(c.row)));
        EXPECT_TRUE(r.vouchers.empty()) << where;
    }
}

TEST(VoucherImportFile, AFileWithoutItsHeaderOrWithoutRowsIsRefused)
{
    auto r = VoucherImportFile::parse(pair("A", "2026-03-02", "5"));
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.problem->row, 1);
    EXPECT_TRUE(r.problem->reason.startsWith("el encabezado debe ser referencia;tipo;fecha"));

    r = VoucherImportFile::parse("");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.problem->text(), "El archivo está vacío.");
    r = VoucherImportFile::parse(Header + "\n");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.problem->row, 0);
    EXPECT_TRUE(r.problem->text().contains("no tiene filas"));

    r = VoucherImportFile::read("/no/existe/comprobantes.csv");
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.problem->text().startsWith("No se pudo leer el archivo /no/existe/"));

    // Header names are read without regard to case or surrounding blanks.
    r = VoucherImportFile::parse(Header.toUpper().replace(";", " ; ") +
                                 pair("A", "2026-03-02", "5"));
    EXPECT_TRUE(r.ok()) << r.problem->text().toStdString();
}

TEST(VoucherImportFile, SplittingARowKeepsQuotedSeparatorsAndDoubledQuotes)
{
    EXPECT_EQ(*VoucherImportFile::splitRow("a;;\"b;c\";\"d \"\"e\"\"\""),
              (QStringList{"a", "", "b;c", "d \"e\""}));
    EXPECT_EQ(*VoucherImportFile::splitRow(""), QStringList{""});
    EXPECT_FALSE(VoucherImportFile::splitRow("a;\"b"));
}

} // namespace
