#include "reports/AuxiliaryBookExport.h"

#include "TrialBalanceBooks.h"
#include "support/Printers.h"
#include "support/XlsxReadBack.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Books of TrialBalanceBooks (fiscal year closing in `closingMonth`) with two third parties;
// files go to a fresh folder.
class AuxiliaryBookExportTest : public ::testing::Test, protected TrialBalanceBooks
{
protected:
    explicit AuxiliaryBookExportTest(int closingMonth = 12)
        : TrialBalanceBooks(closingMonth)
    {
        for (const auto &[code, name] : {std::pair{"J-30111222-3", "Papelería Caracas, C.A."},
                                         std::pair{"V-12345678", "José Pérez"}})
            db().exec("INSERT INTO TERCERO (Codigo, Nombre) VALUES (?, ?)", {code, name});
    }
    // One line of voucher `number`, as the posting service leaves it.
    void line(const QString &number, int lineNo, const QString &account, const QString &party,
              QDate date, qint64 debit, qint64 credit, const QString &company = "E01",
              const QString &type = "001", QDate documentDate = {})
    {
        db().exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, "
                  "Usuario, Linea, Cuenta, Tercero, Fecha, Fechadoc, Documento, Documento2, "
                  "ValorDebito, ValorCredito, Descripcion) VALUES (?, 'E01', ?, ?, 'ANA', ?, ?, "
                  "?, ?, ?, ?, ?, ?, ?, ?)",
                  {company, type, number, lineNo, account, party, date,
                   documentDate.isValid() ? QVariant(documentDate) : QVariant(),
                   QStringLiteral("F-%1").arg(number), QStringLiteral("C-%1").arg(number),
                   Money::fromThousandths(debit).toSql(), Money::fromThousandths(credit).toSql(),
                   QStringLiteral("Compra %1").arg(number)});
    }
    void postQuarter()
    {
        // Voucher 1: two lines of the same account, party and document add up.
        line("1", 1, "120101001", "J-30111222-3", {2025, 1, 15}, 1000500, 0, "E01", "001",
             {2025, 1, 14});
        line("1", 2, "120101001", "J-30111222-3", {2025, 1, 15}, 250, 0, "E01", "001",
             {2025, 1, 14});
        line("1", 3, "210101001", "J-30111222-3", {2025, 1, 15}, 0, 1000750);
        line("2", 1, "110501001", "V-12345678", {2025, 2, 3}, 123456789012, 0);
        line("2", 2, "410101001", "V-12345678", {2025, 2, 3}, 0, 123456789012);
        line("3", 1, "110501001", "V-12345678", {2025, 3, 9}, 5, 0, "E02");
        line("3", 2, "410101001", "V-12345678", {2025, 3, 9}, 0, 5, "E02");
        line("4", 1, "110501001", "*", {2025, 4, 1}, 700, 0);
        line("4", 2, "410101001", "*", {2025, 4, 1}, 0, 700);
    }
    AuxiliaryExportOptions options(int first = 1, int last = 3)
    {
        AuxiliaryExportOptions o;
        o.company = o.headOffice = "E01";
        o.firstMonth = first;
        o.lastMonth = last;
        o.year = 2025;
        return o;
    }
    QString file(const QString &name) const { return QDir(dir.path()).filePath(name); }

    QTemporaryDir dir;
};

class AuxiliaryBookExportClosingInJune : public AuxiliaryBookExportTest
{
protected:
    AuxiliaryBookExportClosingInJune()
        : AuxiliaryBookExportTest(6)
    {
    }
};

TEST_F(AuxiliaryBookExportTest, TheWorkbookReadsBackWithHeadingsNumbersAndDates)
{
    postQuarter();
    std::vector<std::pair<int, int>> progress;
    const int written = AuxiliaryBookExport::write(
        db(), options(), file("auxiliar.xlsx"),
        [&](int done, int total) { progress.emplace_back(done, total); });
    EXPECT_EQ(written, 4);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));

    QString error;
    const auto book = XlsxReadBack::open(file("auxiliar.xlsx"), &error);
    ASSERT_TRUE(book) << error.toStdString();
    QStringList headings;
    for (char column = 'B'; column <= 'R'; ++column)
        headings << book->cell(QStringLiteral("%1%2").arg(column).arg(2)).text;
    EXPECT_EQ(headings, AuxiliaryBookExport::headings());
    EXPECT_EQ(headings.first(), "EmpresaConsolidacion");
    EXPECT_EQ(headings.last(), "Descripcion");
    EXPECT_TRUE(book->cell("A2").text.isEmpty());
    EXPECT_TRUE(book->cell("S2").text.isEmpty());
    EXPECT_EQ(book->lastRow(), 2 + 4);

    // In account, party and date order: 110501001, 120101001, 210101001, 410101001.
    EXPECT_EQ(book->cell("D3").text, "110501001");
    EXPECT_EQ(book->cell("D4").text, "120101001");
    EXPECT_EQ(book->cell("D5").text, "210101001");
    EXPECT_EQ(book->cell("D6").text, "410101001");
    EXPECT_EQ(book->cell("C4").text, "E01");
    EXPECT_EQ(book->cell("B4").text, "0");
    EXPECT_EQ(book->cell("E4").text, "J-30111222-3");
    EXPECT_EQ(book->cell("F4").text, "Papelería Caracas, C.A.");
    EXPECT_EQ(book->cell("I4").text, "001");
    EXPECT_EQ(book->cell("J4").text, "1");
    EXPECT_EQ(book->cell("K4").text, "*");
    EXPECT_EQ(book->cell("L4").text, "F-1");
    EXPECT_EQ(book->cell("M4").text, "C-1");
    EXPECT_EQ(book->cell("Q4").text, "ANA");
    EXPECT_EQ(book->cell("R4").text, "Compra 1");

    // Amounts are numbers with two decimals, exact; the two lines of voucher 1 add up.
    const auto o = book->cell("O4");
    EXPECT_TRUE(o.number);
    EXPECT_EQ(o.text.toDouble(), 1000.75);
    EXPECT_EQ(o.format, "#,##0.00");
    EXPECT_EQ(book->cell("P4").text.toDouble(), 0.0);
    EXPECT_EQ(book->cell("O3").text, "123456789.012");
    EXPECT_EQ(book->cell("P6").text, "123456789.012");
    // Dates are serials with a date format: 15/01/2025 is day 45672.
    const auto date = book->cell("G4");
    EXPECT_TRUE(date.number);
    EXPECT_EQ(date.text.toDouble(), 45672.0);
    EXPECT_TRUE(date.format.contains("yy")) << date.format.toStdString();
    EXPECT_EQ(book->cell("H4").text.toDouble(), 45671.0);
    EXPECT_TRUE(book->cell("H3").text.isEmpty()) << "no document date";
    EXPECT_EQ(book->cell("G3").text.toDouble(), 45691.0);

    // Nothing is left beside the file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"auxiliar.xlsx"}));
}

TEST_F(AuxiliaryBookExportTest, RangesAndConsolidationChooseTheLines)
{
    postQuarter();
    auto accounts = [&](const AuxiliaryExportOptions &o) {
        QStringList list;
        for (const AuxiliaryExportRow &r : AuxiliaryBookExport::rows(db(), o))
            list << r.company + ":" + r.account + ":" + r.party;
        return list;
    };
    auto o = options();
    o.accountFrom = "11";
    o.accountTo = "19";
    EXPECT_EQ(accounts(o), QStringList({"E01:110501001:V-12345678", "E01:120101001:J-30111222-3"}));
    o = options();
    o.partyFrom = "V";
    EXPECT_EQ(accounts(o), QStringList({"E01:110501001:V-12345678", "E01:410101001:V-12345678"}));
    o.consolidated = true;
    EXPECT_EQ(accounts(o), QStringList({"E01:110501001:V-12345678", "E02:110501001:V-12345678",
                                        "E01:410101001:V-12345678", "E02:410101001:V-12345678"}));
    // April's lines come in when the range reaches April.
    EXPECT_EQ(accounts(options(4, 4)), QStringList({"E01:110501001:*", "E01:410101001:*"}));
}

TEST_F(AuxiliaryBookExportTest, AnExistingFileIsRefusedAndTheOfferToOpenIsKept)
{
    postQuarter();
    QFile existing(file("ya.xlsx"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep");
    existing.close();
    QStringList opened;
    const auto opener = [&](const QString &path) { opened << path; };
    EXPECT_EQ(AuxiliaryBookExport::run(session, options(), file("ya.xlsx"), {}, opener),
              AuxiliaryBookExport::Outcome::Refused);
    EXPECT_EQ(prompter.lastText(), "El archivo ya existe...!");
    existing.open(QIODevice::ReadOnly);
    EXPECT_EQ(existing.readAll(), "keep");

    prompter.answerNo();
    EXPECT_EQ(AuxiliaryBookExport::run(session, options(), file("nuevo.xlsx"), {}, opener),
              AuxiliaryBookExport::Outcome::Written);
    EXPECT_EQ(prompter.lastText(), "Desea abrir el archivo generado...?");
    EXPECT_TRUE(opened.isEmpty());
    prompter.answerYes();
    EXPECT_EQ(AuxiliaryBookExport::run(session, options(), file("otro.xlsx"), {}, opener),
              AuxiliaryBookExport::Outcome::Written);
    EXPECT_EQ(opened, QStringList({file("otro.xlsx")}));
    EXPECT_TRUE(XlsxReadBack::open(file("otro.xlsx")).has_value());
}

TEST_F(AuxiliaryBookExportClosingInJune, TheMonthsMustStayInOneFiscalYear)
{
    postQuarter();
    // July to December and January to June are fiscal years; March to August is not.
    EXPECT_EQ(AuxiliaryBookExport::run(session, options(3, 8), file("a.xlsx"), {}, {}),
              AuxiliaryBookExport::Outcome::Refused);
    ASSERT_FALSE(prompter.messages().empty());
    EXPECT_EQ(prompter.messages().back().text,
              "Mes hasta debe ser menor o igual al mes de cierre del periodo!");
    EXPECT_EQ(prompter.messages().back().title, "Error");
    EXPECT_EQ(AuxiliaryBookExport::run(session, options(4, 2), file("a.xlsx"), {}, {}),
              AuxiliaryBookExport::Outcome::Refused);
    EXPECT_EQ(prompter.lastText(), "Mes inicial debe ser mayor o igual a mes final!");
    auto o = options();
    o.year = 0;
    EXPECT_EQ(AuxiliaryBookExport::run(session, o, file("a.xlsx"), {}, {}),
              AuxiliaryBookExport::Outcome::Refused);
    EXPECT_EQ(prompter.lastText(), "¡Debe seleccionar un año valido...!");
    EXPECT_FALSE(QFile::exists(file("a.xlsx")));
    prompter.answerNo();
    EXPECT_EQ(AuxiliaryBookExport::run(session, options(1, 3), file("a.xlsx"), {}, {}),
              AuxiliaryBookExport::Outcome::Written)
        << prompter.lastText().toStdString();
}

TEST_F(AuxiliaryBookExportTest, AFolderThatCannotBeWrittenLeavesNothing)
{
    EXPECT_THROW(AuxiliaryBookExport::write(db(), options(), file("no/such/folder/x.xlsx")),
                 std::exception);
    EXPECT_EQ(AuxiliaryBookExport::run(session, options(), file("no/such/x.xlsx"), {}, {}),
              AuxiliaryBookExport::Outcome::Failed);
    EXPECT_TRUE(prompter.lastText().startsWith("No se pudo escribir el archivo"));
}

} // namespace
