#include "banking/BankChequeMaintenance.h"
#include "banking/ChequeFormat.h"
#include "banking/ChequeFormatMaintenance.h"

#include "ledger/masterdata/MasterDataFixture.h"
#include "ledger/masterdata/MasterDataTexts.h"
#include "platform/report/ReportDocument.h"

namespace {

class ChequeFormats : public MasterDataFixture
{
protected:
    QStringList listed(TableMaintenance &service)
    {
        QStringList codes;
        for (const auto &row : service.list())
            codes << row.code + "=" + row.name;
        return codes;
    }

    TableMaintenance::Outcome addFormat(const QString &number, const QString &name, int orientation)
    {
        MasterRecord r;
        r.set("Numero", number);
        r.set("Nombre", name);
        r.set("Ruta", "");
        r.set("Orientacion", orientation);
        return formats.save(r, TableMaintenance::Mode::New);
    }

    TableMaintenance::Outcome addCheque(const QString &code, const QString &name,
                                        const QString &format)
    {
        MasterRecord r;
        r.set("Codigo", code);
        r.set("Nombre", name);
        r.set("NumeroFormato", format);
        return cheques.save(r, TableMaintenance::Mode::New);
    }

    ChequeFormatMaintenance formats{session};
    BankChequeMaintenance cheques{session};
    RecordingReportOutput output;
};

TEST_F(ChequeFormats, ANewDatabaseHasBothShippedFormatsAndABankChequeOnEach)
{
    EXPECT_EQ(listed(formats), QStringList({"1=CHQ1", "2=CHQ2"}));
    EXPECT_EQ(listed(cheques),
              QStringList({"CHQH=CHEQUE CARTA HORIZONTAL", "CHQV=CHEQUE CARTA VERTICAL"}));
    const auto vertical = ChequeFormat::ofBankCheque(db(), "CHQV");
    ASSERT_TRUE(vertical);
    EXPECT_EQ(vertical->name, "CHQ1");
    EXPECT_EQ(vertical->reportOrientation(), 1);
    EXPECT_EQ(vertical->reportFile("/srv/reportes"), "/srv/reportes\\CHQ1.rpt");
    EXPECT_EQ(ChequeFormat::ofBankCheque(db(), "CHQH")->reportOrientation(), 2);
    EXPECT_FALSE(ChequeFormat::ofBankCheque(db(), "NADA"));
}

TEST_F(ChequeFormats, TheFormatNumberIsDigitsOnlyAndKeptWithoutLeadingZeros)
{
    for (const char *bad : {"A1", "1.5", "-3", "1234567890"}) {
        prompter.clear();
        const auto refused = addFormat(bad, "BANCO", 1);
        EXPECT_FALSE(refused.saved) << bad;
        EXPECT_EQ(refused.field, "Numero");
        EXPECT_EQ(prompter.lastText(), MasterDataTexts::NotNumeric("Número")) << bad;
    }
    EXPECT_TRUE(addFormat(" 007 ", "Banco Lago", 2).saved) << prompter.lastText().toStdString();
    const auto stored = formats.load("7");
    ASSERT_TRUE(stored);
    // The name is a file name and keeps its case.
    EXPECT_EQ(stored->text("Nombre"), "Banco Lago");
    EXPECT_EQ(stored->number("Orientacion"), 2);
    EXPECT_FALSE(addFormat("7", "OTRO", 1).saved);
    EXPECT_EQ(listed(formats), QStringList({"7=Banco Lago", "1=CHQ1", "2=CHQ2"}));

    MasterRecord changed = *stored;
    changed.set("Orientacion", 1);
    changed.set("Ruta", "C:\\Formatos");
    EXPECT_TRUE(formats.save(changed, TableMaintenance::Mode::Modify).saved);
    EXPECT_EQ(ChequeFormat::ofBankCheque(db(), "CHQV")->name, "CHQ1");
    EXPECT_EQ(formats.load("7")->text("Ruta"), "C:\\Formatos");
    EXPECT_EQ(formats.load("7")->number("Orientacion"), 1);
}

TEST_F(ChequeFormats, ABankChequeWhoseFormatIsDeletedDropsOutOfTheList)
{
    ASSERT_TRUE(addFormat("3", "MERCANTIL", 1).saved);
    ASSERT_TRUE(addCheque("BM", "Banco Mercantil", "3").saved) << prompter.lastText().toStdString();
    EXPECT_TRUE(listed(cheques).contains("BM=BANCO MERCANTIL"));
    EXPECT_EQ(ChequeFormat::ofBankCheque(db(), "BM")->name, "MERCANTIL");

    EXPECT_TRUE(formats.remove("3"));
    EXPECT_FALSE(listed(cheques).contains("BM=BANCO MERCANTIL"));
    EXPECT_EQ(listed(cheques).size(), 2);
    // The row stays, waiting for another format.
    ASSERT_TRUE(cheques.load("BM"));
    EXPECT_FALSE(ChequeFormat::ofBankCheque(db(), "BM"));
    MasterRecord again = *cheques.load("BM");
    again.set("NumeroFormato", "2");
    EXPECT_TRUE(cheques.save(again, TableMaintenance::Mode::Modify).saved);
    EXPECT_TRUE(listed(cheques).contains("BM=BANCO MERCANTIL"));
}

TEST_F(ChequeFormats, ABankChequeNeedsAFormat)
{
    const auto refused = addCheque("BV", "Banco de Venezuela", "");
    EXPECT_FALSE(refused.saved);
    EXPECT_EQ(refused.field, "NumeroFormato");
    EXPECT_EQ(prompter.lastText(), MasterDataTexts::Required("Formato"));
}

TEST_F(ChequeFormats, TheBankChequeListPrintsOnTheCodeListLayoutWithTheFormatName)
{
    ASSERT_TRUE(addFormat("3", "MERCANTIL", 1).saved);
    ASSERT_TRUE(addCheque("BM", "Banco Mercantil", "3").saved);
    ASSERT_TRUE(addCheque("BX", "Banco sin formato", "3").saved);
    db().exec("DELETE FROM FORMATOCHEQUE WHERE Numero = 3");
    ASSERT_TRUE(addFormat("4", "MERCANTIL2", 2).saved);
    db().exec("UPDATE CHEQUESBANCO SET NumeroFormato = 4 WHERE Codigo = 'BM'");

    EXPECT_EQ(cheques.print(output, {}), ReportOutcome::Previewed)
        << prompter.lastText().toStdString();
    ASSERT_EQ(output.requests.size(), 1u);
    EXPECT_EQ(output.requests[0].title, BankChequeMaintenance::ListingTitle);
    const ReportDocument &document = *output.requests[0].document;
    EXPECT_TRUE(document.layout().sourcePath.endsWith("/reportes/crpDocumento.rpt"));
    const ReportData &data = document.data();
    auto cell = [&](int row, const char *column) {
        return data.row(row)[data.columnIndex(column)].toString();
    };
    ASSERT_EQ(data.rowCount(), 3);
    EXPECT_EQ(cell(0, "Codigo"), "BM");
    EXPECT_EQ(cell(0, "Tabla"), "FORMATOS CHEQUES");
    EXPECT_EQ(cell(0, "Etiqueta1"), "Nombre");
    EXPECT_EQ(cell(0, "Valor1"), "BANCO MERCANTIL");
    EXPECT_EQ(cell(0, "Etiqueta2"), "Formato");
    EXPECT_EQ(cell(0, "Valor2"), "MERCANTIL2");
    EXPECT_EQ(cell(1, "Codigo"), "CHQH");
    EXPECT_EQ(cell(2, "Valor2"), "CHQ1");
    EXPECT_TRUE(document.pageText(0).join("\n").contains("FORMATOS CHEQUES"));
}

TEST_F(ChequeFormats, TheFormatsListNamesEachOrientation)
{
    ASSERT_TRUE(addFormat("10", "PROVINCIAL", 2).saved);
    EXPECT_EQ(formats.print(output, {}), ReportOutcome::Previewed)
        << prompter.lastText().toStdString();
    ASSERT_EQ(output.requests.size(), 1u);
    const ReportData &data = output.requests[0].document->data();
    QStringList rows;
    for (int r = 0; r < data.rowCount(); ++r)
        rows << data.row(r)[data.columnIndex("Codigo")].toString() + " " +
                    data.row(r)[data.columnIndex("Valor1")].toString() + " " +
                    data.row(r)[data.columnIndex("Valor2")].toString();
    EXPECT_EQ(rows,
              QStringList({"1 CHQ1 Vertical", "2 CHQ2 Horizontal", "10 PROVINCIAL Horizontal"}));
}

TEST_F(ChequeFormats, AUserWithoutTheRightCannotAddAFormat)
{
    limitedUser(ChequeFormatMaintenance::Node, {"Modificar", "Guardar"});
    EXPECT_FALSE(addFormat("5", "BANESCO", 1).saved);
    EXPECT_FALSE(formats.load("5"));
}

} // namespace
