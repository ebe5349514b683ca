#include "EntryFixture.h"

#include "common/OptionRights.h"
#include "vouchers/VoucherModification.h"
#include "vouchers/VoucherPosting.h"
#include "vouchers/entry/EntryTexts.h"

#include <QLocale>

namespace {

using Check = LineEditor::AccountCheck;

Money amount(const char *text)
{
    return *Money::parseTyped(text);
}

class VoucherEntryTest : public EntryFixture
{
protected:
    std::vector<std::pair<QString, Money>> groupRows(int group)
    {
        std::vector<std::pair<QString, Money>> rows;
        for (const QSqlRecord &r :
             db().rows("SELECT Cuenta, CentroCosto, ValorDebito, ValorCredito FROM REGISTRO "
                       "WHERE Usuario = 'ANA' AND GrupoLinea = ? ORDER BY Linea",
                       {group}))
            rows.emplace_back(r.value(0).toString() + "/" + r.value(1).toString(),
                              Money::fromSql(r.value(2)) - Money::fromSql(r.value(3)));
        return rows;
    }
    // A posted voucher of type 001 in March with a FAC 123 line of J001 on the fees account.
    void postInvoice(const char *document = "123", QDate date = QDate(2026, 3, 10))
    {
        VoucherToPost v{"001", "001", "001", "ANA", {}};
        PostingLine fee;
        fee.cuenta = "610201001";
        fee.fecha = date;
        fee.tercero = "J001";
        fee.tipoDocumento = "FAC";
        fee.documento = document;
        fee.valorCredito = amount("500.00");
        PostingLine bank = fee;
        bank.cuenta = "110101001";
        bank.valorCredito = Money();
        bank.valorDebito = amount("500.00");
        v.lines = {fee, bank};
        ASSERT_TRUE(VoucherPosting(db()).post(v).posted());
    }
};

TEST_F(VoucherEntryTest, CostCentreRowsAddUpExactlyAndTheDifferenceProposesTheNextLine)
{
    auto e = openEditor();
    ASSERT_TRUE(e);
    typeLine(*e, "610101001", "100.00");
    ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    EXPECT_EQ(groupRows(1), (std::vector<std::pair<QString, Money>>{
                                {"610101001/ADM", amount("33")},
                                {"610101001/PRD", amount("33")},
                                {"610101001/VEN", amount("34")}}));
    EXPECT_EQ(cell("SELECT MAX(Linea) FROM REGISTRO").toInt(), 3);
    EXPECT_EQ(e->totals().differenceText(QLocale::c()), "Falta: 100.00 en Crédito");
    // Still entering: the next line is proposed with the missing credit.
    EXPECT_EQ(e->mode(), LineEditor::Mode::New);
    EXPECT_EQ(e->line().linea, 4);
    EXPECT_EQ(e->line().credit, amount("100.00"));
    EXPECT_EQ(e->line().descripcion, "PRUEBA");

    ASSERT_EQ(e->setAccount("240816"), Check::Accepted);
    ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    EXPECT_TRUE(e->totals().balanced());
    EXPECT_EQ(e->totals().differenceText(QLocale::c()), "");
    // The withholding account carries 10 % whatever the rate in force; others carry 16 %.
    EXPECT_EQ(Rate::fromSql(cell("SELECT PorcentajeImpuesto FROM REGISTRO WHERE Linea = 4")),
              Rate::fromInteger(10));
    EXPECT_EQ(Rate::fromSql(cell("SELECT PorcentajeImpuesto FROM REGISTRO WHERE Linea = 1")),
              Rate::fromInteger(16));
    EXPECT_EQ(Rate::fromSql(cell("SELECT PorcentajeImpuesto2 FROM REGISTRO WHERE Linea = 1")),
              Rate::fromInteger(8));
}

TEST_F(VoucherEntryTest, RetentionRowFollowsTheBaseLineThroughModifyAndDelete)
{
    auto e = openEditor();
    typeLine(*e, "610201001", "1000.00");
    EXPECT_EQ(e->setParty("J001"), LineEditor::PartyCheck::Accepted);
    ASSERT_TRUE(e->setDocumentType("FAC"));
    e->line().document = "77";
    ASSERT_TRUE(e->setConcept("H01"));
    ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    EXPECT_EQ(groupRows(1), (std::vector<std::pair<QString, Money>>{
                                {"610201001/*", amount("1000")}, {"210101001/*", amount("-50")}}));
    EXPECT_EQ(cell("SELECT TipoDocumento FROM REGISTRO WHERE Cuenta = '210101001'"), "FR");
    e->cancel();

    ASSERT_TRUE(e->startModify(1));
    EXPECT_EQ(e->line().debit, amount("1000.00")); // the retention row is not part of it
    e->line().debit = amount("2000.00");
    ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    EXPECT_EQ(groupRows(1), (std::vector<std::pair<QString, Money>>{
                                {"610201001/*", amount("2000")}, {"210101001/*", amount("-100")}}));

    // A natural person: 90 % base less a 50.00 deduction, at 3 %; a small amount gives no row.
    typeLine(*e, "610201001", "1000.00");
    e->setParty("V001");
    e->setDocumentType("FAC");
    e->line().document = "78";
    e->setConcept("H01");
    ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    EXPECT_EQ(groupRows(3), (std::vector<std::pair<QString, Money>>{
                                {"610201001/*", amount("1000")}, {"210101002/*", amount("-25.50")}}));
    e->line() = {};
    ASSERT_EQ(e->setAccount("610201001"), Check::Accepted);
    e->setParty("V001");
    e->setDocumentType("FAC");
    e->line().document = "79";
    e->setConcept("H01");
    e->line().debit = amount("40.00");
    e->setDay("15");
    ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    EXPECT_EQ(groupRows(5).size(), 1u);
    e->cancel();

    // Not subject to retention: the concept stays closed.
    ASSERT_TRUE(e->startNew());
    e->setAccount("610201001");
    e->setParty("N001");
    EXPECT_FALSE(e->line().conceptEnabled());
    EXPECT_FALSE(e->setConcept("H01"));
    e->cancel();

    prompter.answerYes();
    ASSERT_TRUE(e->removeLine(1));
    EXPECT_TRUE(groupRows(1).empty());
    EXPECT_EQ(prompter.lastText(), EntryTexts::DeleteLine);
}

TEST_F(VoucherEntryTest, OpeningRefusesInactiveCompaniesAndVouchersOfAnotherPeriod)
{
    exec("UPDATE EMPRESA SET Status = 0 WHERE Codigo = '002'");
    LineEditor branch(session, WorkArea::registro("ANA", "002", "001"), "mnu_registro");
    EXPECT_FALSE(branch.open());
    EXPECT_EQ(prompter.lastText(), "No puede registrar información...!\nLa sucursal esta inactiva...!");
    exec("UPDATE EMPRESA SET Status = 0 WHERE Codigo = '001'");
    LineEditor head(session, WorkArea::registro("ANA", "001", "001"), "mnu_registro");
    EXPECT_FALSE(head.open());
    EXPECT_EQ(prompter.lastText(), "No puede registrar información...!\nLa empresa esta inactiva...!");

    exec("UPDATE EMPRESA SET Status = 1");
    session.gMes = 5;
    auto may = openEditor();
    typeLine(*may, "110101001", "10.00");
    ASSERT_TRUE(may->save().written) << prompter.lastText().toStdString();
    session.gMes = 6;
    EXPECT_FALSE(openEditor());
    EXPECT_EQ(prompter.lastText(), "Tiene un comprobante pendiente del periodo 05-2026! Cambie el "
                                   "periodo para procesar el comprobante!");
}

TEST_F(VoucherEntryTest, AVoucherLeftInTheWorkAreaComesBackWithItsHeaderAfterACrash)
{
    {
        auto e = openEditor();
        typeLine(*e, "110101001", "10.00");
        ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
        e->line().credit = amount("10.00");
        ASSERT_EQ(e->setAccount("240816"), Check::Accepted);
        ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    }
    // The connection dies without any goodbye: the lines were already on the server.
    data.close();
    data.reopen();
    session.gConexion = &db();
    LineEditor e(session, WorkArea::registro("ANA", "001", "001"), "mnu_registro");
    ASSERT_TRUE(e.open());
    EXPECT_EQ(e.rows().size(), 2u);
    EXPECT_EQ(e.voucherType().code, "001");
    EXPECT_EQ(e.headerDay(), "15");
    EXPECT_TRUE(e.headerLocked());
    EXPECT_FALSE(e.setVoucherType("002"));
    EXPECT_EQ(prompter.lastText(), EntryTexts::TypeLocked);
    EXPECT_TRUE(e.totals().balanced());
}

TEST_F(VoucherEntryTest, DocumentsAlreadyPostedAreToldAndOpenOnesOffered)
{
    postInvoice("123");
    postInvoice("124");
    postInvoice("124", QDate(2026, 4, 2)); // paid in April: no balance left
    exec("UPDATE MOVIMIENTO SET ValorDebito = ValorCredito, ValorCredito = 0 "
         "WHERE Fecha = ? AND Cuenta = '610201001'",
         {QDate(2026, 4, 2)});
    auto e = openEditor();
    typeLine(*e, "610201001", "500.00");
    e->setParty("J001");
    e->setDocumentType("FAC");
    e->line().document = "123";
    EXPECT_TRUE(e->checkDocument());
    EXPECT_EQ(prompter.lastText(), "El documento existe en el siguiente comprobante...!\n"
                                   "TIPO         :  001\nNUMERO   :  1\nPERIODO  :  3 - 2026");
    e->line().document = "999";
    EXPECT_FALSE(e->checkDocument());

    const auto open = db().rows(EntryLookups::openDocumentsCatalog(), e->openDocumentParameters());
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open.front().value(1).toString(), "123");
    EXPECT_EQ(Money::fromSql(open.front().value(4)), amount("500.00"));
    // A voucher taken out for modification hides its document from the duplicate check.
    ASSERT_EQ(VoucherModification::AnularComprobante(db(), "001", "001", 3, 2026, "001", "1"), 0);
    e->line().document = "123";
    EXPECT_FALSE(e->checkDocument());
}

TEST_F(VoucherEntryTest, UnknownThirdPartiesAreCreatedOnlyByGroupsAllowedTo)
{
    auto e = openEditor();
    ASSERT_TRUE(e->startNew());
    e->setAccount("610201001");
    EXPECT_EQ(e->setParty("J999"), LineEditor::PartyCheck::Refused);
    EXPECT_EQ(prompter.lastText(), EntryTexts::PartyMissing);
    exec("UPDATE GRUPOS SET IncTerceroMov = 1 WHERE CodGrupo = 'CONTA'");
    prompter.answerNo();
    EXPECT_EQ(e->setParty("J999"), LineEditor::PartyCheck::Refused);
    prompter.answerYes();
    EXPECT_EQ(e->setParty("J999"), LineEditor::PartyCheck::Create);
    EXPECT_EQ(prompter.lastText(), EntryTexts::PartyCreate);
    party("J999", "NUEVO PROVEEDOR", 0, 0);
    EXPECT_EQ(e->setParty("J999"), LineEditor::PartyCheck::Accepted);
    EXPECT_EQ(e->line().party.name, "NUEVO PROVEEDOR");
}

TEST_F(VoucherEntryTest, AssetsAreBoughtRetiredAndReleasedByTheirLines)
{
    auto e = openEditor("002");
    typeLine(*e, "120101001", "1500.00");
    EXPECT_TRUE(e->needsAsset());
    auto saved = e->save();
    ASSERT_TRUE(saved.error);
    EXPECT_EQ(saved.error->field, EntryField::Asset);
    EXPECT_EQ(prompter.lastText(), EntryTexts::AssetDataMissing);
    EXPECT_FALSE(e->findAsset("EQ-1"));
    e->line().asset = {"EQ-1", "LAPTOP", "DELL", "L5", 36, QDate(2026, 6, 1),
                       QDate(2026, 7, 1), 1, AssetMovement::Purchase};
    ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    EXPECT_EQ(cell("SELECT Status FROM ACTIVOFIJO WHERE Serial = 'EQ-1'").toInt(), 1);
    EXPECT_EQ(cell("SELECT TipoMovActivo FROM REGISTRO WHERE GrupoLinea = 1").toInt(), 1);

    ASSERT_EQ(e->setAccount("120101001"), Check::Accepted);
    auto retired = e->findAsset("EQ-1");
    ASSERT_TRUE(retired && retired->existing);
    retired->movement = AssetMovement::Retirement;
    e->line().asset = *retired;
    e->line().credit = amount("1500.00");
    e->line().debit = Money();
    ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    EXPECT_EQ(cell("SELECT Status FROM ACTIVOFIJO WHERE Serial = 'EQ-1'").toInt(), 0);
    e->cancel();

    prompter.answerYes();
    EXPECT_FALSE(e->removeLine(1));
    EXPECT_EQ(prompter.lastText(), EntryTexts::PurchaseHasLaterLines);
    prompter.answerYes();
    ASSERT_TRUE(e->removeLine(2));
    EXPECT_EQ(cell("SELECT Status FROM ACTIVOFIJO WHERE Serial = 'EQ-1'").toInt(), 1);
    prompter.answerYes();
    ASSERT_TRUE(e->removeLine(1));
    EXPECT_FALSE(db().exists("SELECT 1 FROM ACTIVOFIJO WHERE Serial = 'EQ-1'"));
    EXPECT_EQ(areaRows(), 0);
}

TEST_F(VoucherEntryTest, ModifyIsRefusedWhenTheAccountsCostCentresChanged)
{
    auto e = openEditor();
    typeLine(*e, "610101001", "100.00");
    ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    e->cancel();
    exec("INSERT INTO CENTROCOSTO (Codigo, Nombre) VALUES ('LOG', 'LOG')");
    share("LOG", 0);
    ASSERT_TRUE(e->startModify(1));
    e->line().debit = amount("200.00");
    EXPECT_FALSE(e->save().written);
    EXPECT_EQ(prompter.lastText(), EntryTexts::CostCentresChanged);
    EXPECT_EQ(e->mode(), LineEditor::Mode::Browse);
    EXPECT_EQ(e->totals().debit, amount("100.00"));
}

TEST_F(VoucherEntryTest, AFailureInTheMiddleOfALineLeavesTheWorkAreaAndTheTypedLine)
{
    // The retention row points to an account that does not exist: its insert fails after the
    // base row was written.
    exec("UPDATE CONCEPTORET SET CuentaRetencionPJ = '299999999'");
    auto e = openEditor();
    typeLine(*e, "610201001", "1000.00");
    e->setParty("J001");
    e->setDocumentType("FAC");
    e->line().document = "77";
    e->setConcept("H01");
    const auto outcome = e->save();
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(prompter.messages().back().kind, ScriptedPrompter::Kind::Error);
    EXPECT_EQ(areaRows(), 0);
    EXPECT_EQ(e->mode(), LineEditor::Mode::New);
    EXPECT_EQ(e->line().debit, amount("1000.00"));
    EXPECT_EQ(e->line().document, "77");
}

TEST_F(VoucherEntryTest, InterCompanyLinesGenerateTheOtherCompanysLineAndGoWithIt)
{
    auto e = openEditor();
    typeLine(*e, "130101001", "300.00");
    ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    const auto mirror = db().rows("SELECT Empresa, EmpresaC, Cuenta, ValorCredito, Tipo, "
                                  "LineaPertenece, TipoComprobante FROM CONSOLIDACION");
    ASSERT_EQ(mirror.size(), 1u);
    EXPECT_EQ(mirror[0].value(0).toString(), "002");
    EXPECT_EQ(mirror[0].value(1).toString(), "001");
    EXPECT_EQ(mirror[0].value(2).toString(), "130101000");
    EXPECT_EQ(Money::fromSql(mirror[0].value(3)), amount("300.00"));
    EXPECT_EQ(mirror[0].value(4).toInt(), 1);
    EXPECT_EQ(mirror[0].value(5).toInt(), 1);
    EXPECT_EQ(mirror[0].value(6).toString(), "010");
    e->cancel();
    EXPECT_EQ(e->receivingCompanyOf(1), "002");
    ASSERT_TRUE(e->startModify(1));
    e->line().debit = amount("350.00");
    ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    EXPECT_EQ(Money::fromSql(cell("SELECT ValorCredito FROM CONSOLIDACION")), amount("350.00"));
    prompter.answerYes();
    ASSERT_TRUE(e->removeLine(1));
    EXPECT_EQ(cell("SELECT COUNT(*) FROM CONSOLIDACION").toInt(), 0);
}

TEST_F(VoucherEntryTest, DiscardEmptiesTheAreaAndGivesATakenOutVoucherBack)
{
    postInvoice();
    ASSERT_EQ(VoucherModification::AnularComprobante(db(), "001", "001", 3, 2026, "001", "1"), 0);
    session.gMes = 3;
    exec("INSERT INTO REGISTRO (Usuario, Empresa, Matriz, TipoComprobante, NumeroComprobante, "
         "Linea, Cuenta, Fecha, ValorDebito, ValorCredito, GrupoLinea, UsuarioCreador) "
         "VALUES ('ANA', '001', '001', '001', '1', 1, '110101001', ?, 500000, 0, 1, 'LUIS')",
         {QDate(2026, 3, 10)});
    auto e = openEditor();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->header().number, "1");
    prompter.answerNo();
    EXPECT_FALSE(e->discard());
    EXPECT_EQ(areaRows(), 1);
    prompter.answerYes();
    ASSERT_TRUE(e->discard());
    EXPECT_EQ(areaRows(), 0);
    EXPECT_EQ(cell("SELECT COUNT(*) FROM MOVIMIENTO WHERE Usuario = 'LUIS'").toInt(), 2);
    EXPECT_TRUE(e->rows().empty());
}

TEST_F(VoucherEntryTest, ExchangeRateLinesAndTheOutflowListsKeepWhatTheDialogsChose)
{
    account("112005001", "BANCO EN DIVISAS", "AjustDifCambio");
    exec("INSERT INTO TRM (Ano, Mes, Valor) VALUES (2026, 6, ?)",
         {Rate::fromMillionths(36500000).toSql()});
    auto e = openEditor("002");
    typeLine(*e, "112005001", "0", "3650.00");
    ASSERT_TRUE(e->needsRate());
    EXPECT_EQ(e->proposedRate(), Rate::fromMillionths(36500000));
    e->line().trm = e->proposedRate();
    e->line().foreign = amount("100.00");
    ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    const auto row = db().rows("SELECT TRM, DebitoUS, CreditoUS FROM REGISTRO").front();
    EXPECT_EQ(Rate::fromSql(row.value(0)), Rate::fromMillionths(36500000));
    EXPECT_EQ(Money::fromSql(row.value(1)), Money());
    EXPECT_EQ(Money::fromSql(row.value(2)), amount("100.00"));

    // With the optional lists, a cash line of voucher type 2 must say where the money goes.
    exec("CREATE TABLE TABLA_VALORES (IdTabla VARCHAR(10), Codigo VARCHAR(10), "
         "Descripcion VARCHAR(50))");
    exec("INSERT INTO TABLA_VALORES VALUES ('TIPO', '01', 'PAGO'), ('DESTINO', '7', 'NOMINA')");
    account("111005001", "CAJA CHICA");
    auto lists = openEditor("002");
    ASSERT_TRUE(lists->valueLists());
    EXPECT_EQ(lists->valueLists()->tipo.front(), std::make_pair(QString("1"), QString("PAGO")));
    typeLine(*lists, "111005001", "10.00");
    EXPECT_TRUE(lists->listsShown());
    EXPECT_EQ(lists->save().error->message, EntryTexts::SelectOutflowType);
    lists->line().outflowType = "1";
    EXPECT_EQ(lists->save().error->message, EntryTexts::SelectDestination);
    lists->line().destination = "7";
    ASSERT_TRUE(lists->save().written);
    EXPECT_EQ(cell("SELECT Documento2 || '/' || Documento3 FROM REGISTRO WHERE Cuenta = '111005001'"),
              "1/7");
}

TEST_F(VoucherEntryTest, WritesNeedTheUsersRightsOnTheNode)
{
    exec("DELETE FROM OPCIONESGRUPO WHERE Opcion IN (SELECT CodigoOpcion FROM OPCIONES "
         "WHERE Nombre IN ('Nuevo', 'Eliminar'))");
    auto e = openEditor();
    EXPECT_FALSE(e->startNew());
    EXPECT_FALSE(e->discard());
    EXPECT_EQ(prompter.lastText(), OptionRights::NotAllowedText);
}

} // namespace
