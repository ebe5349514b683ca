#include "EntryFixture.h"

#include "vouchers/entry/EntryTexts.h"

#include <QLocale>

#include "vouchers/VoucherPosting.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <numeric>
#include <thread>
#include "common/grid/CatalogPicker.h"
#include "common/grid/CatalogService.h"
#include "common/OptionRights.h"
#include "vouchers/VoucherRetrieval.h"

namespace {

using Status = ApprovalOutcome::Status;

Money amount(const char *text)
{
    return *Money::parseTyped(text);
}

struct FirstRow : CatalogPicker
{
    std::optional<int> pick(GridModel &) override { return 0; }
};

class VoucherApprovalTest : public EntryFixture
{
protected:
    VoucherApprovalTest() { account("210815", "RETENCION ISLR 10"); }

    // Two lines on ANA's work area: `debit` on the bank, `credit` on `against`.
    void enter(const char *debit, const char *credit, const QString &against = "210815")
    {
        auto e = openEditor();
        ASSERT_TRUE(e);
        typeLine(*e, "110101001", debit);
        ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
        ASSERT_EQ(e->setAccount(against), LineEditor::AccountCheck::Accepted);
        e->line().debit = Money();
        e->line().credit = amount(credit);
        ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    }
    ApprovalOutcome approve(const QString &user = "ANA")
    {
        session.gUsuario = user;
        LineEditor e(session, WorkArea::registro(user, "001", "001"), "mnu_registro");
        EXPECT_TRUE(e.open());
        return e.approve();
    }
    int posted(const QString &where = "1 = 1")
    {
        return cell(QString("SELECT COUNT(*) FROM MOVIMIENTO WHERE %1").arg(where)).toInt();
    }
    VoucherRetrieval::Voucher june(const QString &number = "1")
    {
        return {"001", "001", 2026, 6, "001", number};
    }
};

TEST_F(VoucherApprovalTest, OnlyAVoucherBalancedToTheCentIsNumberedAndPosted)
{
    enter("1000.00", "1000.01");
    EXPECT_EQ(approve().status, Status::Unbalanced);
    EXPECT_EQ(prompter.lastText(), VoucherPosting::UnbalancedText);
    exec("UPDATE REGISTRO SET ValorCredito = 1000000 WHERE ValorCredito > 0");

    prompter.answerNo();
    const auto declined = approve();
    EXPECT_EQ(declined.status, Status::Declined);
    EXPECT_EQ(prompter.lastText(), WorkAreaApproval::AskText);
    EXPECT_TRUE(declined.number.isEmpty());
    EXPECT_EQ(posted(), 0);

    prompter.answerYes();
    const auto done = approve();
    ASSERT_EQ(done.status, Status::Approved);
    EXPECT_EQ(done.number, "1");
    EXPECT_EQ(posted("NumeroComprobante = '1' AND Usuario = 'ANA'"), 2);
    EXPECT_EQ(areaRows(), 0);
    EXPECT_EQ(cell("SELECT COUNT(*) FROM MOVIMIENTO_USUARIOS").toInt(), 1);
    // The withholding account carries 10 % in the books whatever the work area held.
    EXPECT_EQ(Rate::fromSql(cell("SELECT PorcentajeImpuesto FROM MOVIMIENTO WHERE Cuenta = '210815'")),
              Rate::fromInteger(10));
    EXPECT_EQ(Money::fromSql(cell("SELECT SUM(Debito) FROM SALDOCUENTA WHERE Cuenta = '110101001'")),
              amount("1000.00"));
}

TEST_F(VoucherApprovalTest, AFailedApprovalLeavesBooksCountersAndWorkAreaAsTheyWere)
{
    enter("500.00", "500.00");
    // A stray line already holds number 1 of June: the insert of the voucher collides.
    exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, Usuario, "
         "Linea, Cuenta, Fecha, ValorDebito, ValorCredito, GrupoLinea, TipoMovActivo) VALUES "
         "('001', '001', '001', '1', 'X', 1, '110101001', ?, 0, 0, 1, 0)",
         {QDate(2026, 6, 1)});
    const QVariant counterBefore =
        cell("SELECT Junio FROM CORRCOMPROBANTE WHERE CodigoComprobante = '001'");
    prompter.answerYes();
    const auto failed = approve();
    EXPECT_EQ(failed.status, Status::Failed);
    EXPECT_TRUE(failed.number.isEmpty());
    EXPECT_EQ(prompter.lastText(), WorkAreaApproval::FailedText);
    EXPECT_EQ(areaRows(), 2);
    EXPECT_EQ(posted(), 1);
    EXPECT_EQ(cell("SELECT Junio FROM CORRCOMPROBANTE WHERE CodigoComprobante = '001'"),
              counterBefore);
}

TEST_F(VoucherApprovalTest, AModifiedVoucherKeepsItsNumberAndCreatorAndOnlyOneUserTakesItOut)
{
    enter("300.00", "300.00");
    prompter.answerYes();
    ASSERT_TRUE(approve().approved());
    Fixtures::addUser(db(), "LUIS", "x", {"CONTA"});

    ASSERT_EQ(VoucherRetrieval::takeOut(db(), june(), "LUIS"), VoucherRetrieval::TakeOut::Taken);
    EXPECT_EQ(posted("Usuario = '-'"), 2); // still in the books while out
    EXPECT_EQ(cell("SELECT COUNT(*) FROM REGISTRO WHERE Usuario = 'LUIS' AND UsuarioCreador = "
                   "'ANA' AND NumeroComprobante = '1'")
                  .toInt(),
              2);
    EXPECT_EQ(VoucherRetrieval::takeOut(db(), june(), "ANA"), VoucherRetrieval::TakeOut::Refused);
    EXPECT_EQ(cell("SELECT COUNT(*) FROM REGISTRO WHERE Usuario = 'ANA'").toInt(), 0);
    EXPECT_EQ(cell("SELECT COUNT(*) FROM BITACORAMODIFICACIONMOVIMIENTO").toInt(), 1);

    exec("UPDATE REGISTRO SET ValorDebito = 350000 WHERE ValorDebito > 0");
    exec("UPDATE REGISTRO SET ValorCredito = 350000 WHERE ValorCredito > 0");
    prompter.answerYes();
    const auto again = approve("LUIS");
    ASSERT_TRUE(again.approved());
    EXPECT_EQ(again.number, "1");
    EXPECT_EQ(posted(), 2);
    EXPECT_EQ(posted("Usuario = 'ANA' AND NumeroComprobante = '1'"), 2);
    EXPECT_EQ(Money::fromSql(cell("SELECT SUM(ValorDebito) FROM MOVIMIENTO")), amount("350.00"));
}

TEST_F(VoucherApprovalTest, LinesGeneratedForABranchMustBalanceAndArePostedLinkedToTheVoucher)
{
    enter("300.00", "300.00", "130101001");
    EXPECT_EQ(cell("SELECT COUNT(*) FROM CONSOLIDACION").toInt(), 1);
    EXPECT_EQ(approve().status, Status::ConsolidationUnbalanced);
    EXPECT_EQ(prompter.lastText(), "¡Debitós y creditós de consolidación de empresa : 002 difieren!");

    // The branch's side is completed with the same line editor, on the consolidation area.
    session.gUsuario = "ANA";
    LineEditor branch(session, WorkArea::consolidacion("ANA", "001", "001", "002", "001"),
                      "mnu_registro");
    ASSERT_TRUE(branch.open());
    EXPECT_EQ(branch.voucherType().code, "010");
    typeLine(branch, "110101001", "0", "300.00");
    ASSERT_TRUE(branch.save().written) << prompter.lastText().toStdString();

    prompter.answerYes();
    const auto done = approve();
    ASSERT_TRUE(done.approved());
    EXPECT_EQ(cell("SELECT COUNT(*) FROM CONSOLIDACION").toInt(), 0);
    const auto generated = db().rows(
        "SELECT TipoComprobante, NumeroComprobante, EmpresaConsolidacion, "
        "TipoComprobanteConsolidacion, NumeroComprobanteConsolidacion FROM MOVIMIENTO "
        "WHERE Empresa = '002' ORDER BY Linea");
    ASSERT_EQ(generated.size(), 2u);
    for (const QSqlRecord &r : generated) {
        EXPECT_EQ(r.value(0).toString(), "010");
        EXPECT_EQ(r.value(1).toString(), "1");
        EXPECT_EQ(r.value(2).toString(), "001");
        EXPECT_EQ(r.value(4).toString(), done.number);
    }
    EXPECT_EQ(VoucherRetrieval::generatingCompany(db(), {"002", "001", 2026, 6, "010", "1"}), "001");
}

TEST_F(VoucherApprovalTest, ACopyTakesTheChosenMonthsVoucherAsANewVoucherOfTheChosenTypeAndDay)
{
    FirstRow picker;
    enter("120.00", "120.00");
    exec("UPDATE REGISTRO SET Fecha = ?", {QDate(2026, 5, 31)});
    session.gMes = 5;
    prompter.answerYes();
    ASSERT_TRUE(approve().approved());
    session.gMes = 6;
    LineEditor e(session, WorkArea::registro("ANA", "001", "001"), "mnu_registro");
    ASSERT_TRUE(e.open());
    EXPECT_FALSE(e.retrieve(LineEditor::Retrieval::Copy, picker, {5, "", "12"}));
    EXPECT_EQ(prompter.lastText(), EntryTexts::EmptyChoice);
    EXPECT_FALSE(e.retrieve(LineEditor::Retrieval::Copy, picker, {5, "999", "12"}));
    EXPECT_EQ(prompter.lastText(), "Selccione un comprobante valido!");
    EXPECT_FALSE(e.retrieve(LineEditor::Retrieval::Copy, picker, {5, "002", "31"}));
    EXPECT_EQ(prompter.lastText(), "El dia debe ser entre 1 y 30 !");
    prompter.answerNo();
    EXPECT_FALSE(e.retrieve(LineEditor::Retrieval::Copy, picker, {5, "002", "12"}));
    EXPECT_EQ(prompter.lastText(), "Desea copiar el registro en la fecha 12/06/2026 ? ");
    prompter.answerYes();
    ASSERT_TRUE(e.retrieve(LineEditor::Retrieval::Copy, picker, {5, "002", "12"}));
    const auto rows =
        db().rows("SELECT NumeroComprobante, Fecha, UsuarioCreador, TipoComprobante FROM REGISTRO");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].value(0).toString(), "");
    EXPECT_EQ(rows[0].value(1).toDate(), QDate(2026, 6, 12));
    EXPECT_EQ(rows[0].value(2).toString(), "ANA");
    EXPECT_EQ(rows[0].value(3).toString(), "002");
    EXPECT_EQ(e.voucherType().code, "002");
    EXPECT_EQ(posted(), 2); // the original stays
}

TEST_F(VoucherApprovalTest, VouchersGeneratedForABranchAreNeitherModifiedNorCopiedThere)
{
    FirstRow picker;
    enter("300.00", "300.00", "130101001");
    LineEditor branchSide(session, WorkArea::consolidacion("ANA", "001", "001", "002", "001"),
                          "mnu_registro");
    ASSERT_TRUE(branchSide.open());
    typeLine(branchSide, "110101001", "0", "300.00");
    ASSERT_TRUE(branchSide.save().written);
    prompter.answerYes();
    ASSERT_TRUE(approve().approved());

    exec("UPDATE GRUPOS SET ModificarMovimiento = 1, TipoModificacion = 1 WHERE CodGrupo = 'CONTA'");
    session.gEmpresa = "002";
    LineEditor branch(session, WorkArea::registro("ANA", "002", "001"), "mnu_registro");
    ASSERT_TRUE(branch.open());
    EXPECT_FALSE(branch.retrieve(LineEditor::Retrieval::Modify, picker));
    EXPECT_EQ(prompter.lastText(), VoucherRetrieval::GeneratedNotModifiable);
    prompter.answerYes();
    EXPECT_FALSE(branch.retrieve(LineEditor::Retrieval::Copy, picker, {6, "001", "1"}));
    EXPECT_EQ(prompter.lastText(), VoucherRetrieval::GeneratedNotCopiable +
                                       "\nDATOS DE EMPRESA CONSOLIDADORA:\nEMPRESA : 001\n"
                                       "TIPO COMPROBANTE : 001\nNUMERO COMPROBANTE: 1");
    EXPECT_EQ(cell("SELECT COUNT(*) FROM REGISTRO").toInt(), 0);
}

TEST_F(VoucherApprovalTest, ABlockedMonthRefusesTheApprovalAndAModifiedVoucherStaysInItsMonth)
{
    // Voucher 1 of May and voucher 1 of June: approving June's again leaves May's alone.
    session.gMes = 5;
    enter("10.00", "10.00");
    prompter.answerYes();
    ASSERT_TRUE(approve().approved());
    session.gMes = 6;
    enter("20.00", "20.00");
    prompter.answerYes();
    ASSERT_TRUE(approve().approved());
    ASSERT_EQ(VoucherRetrieval::takeOut(db(), june(), "ANA"), VoucherRetrieval::TakeOut::Taken);

    exec(QString("UPDATE PERIODO SET %1 = 1 WHERE Ano = 2026").arg(PeriodMonths::Column(6)));
    prompter.answerYes();
    const auto refused = approve();
    EXPECT_EQ(refused.status, Status::PeriodRefused);
    EXPECT_EQ(prompter.lastText(), VoucherPosting::PeriodText);
    EXPECT_EQ(areaRows(), 2);

    exec(QString("UPDATE PERIODO SET %1 = 0 WHERE Ano = 2026").arg(PeriodMonths::Column(6)));
    prompter.answerYes();
    ASSERT_TRUE(approve().approved());
    EXPECT_EQ(posted("NumeroComprobante = '1'"), 4);
    EXPECT_EQ(Money::fromSql(cell("SELECT SUM(ValorDebito) FROM MOVIMIENTO WHERE Fecha < ?",
                                  {QDate(2026, 6, 1)})),
              amount("10.00"));
}

TEST_F(VoucherApprovalTest, SearchOffersTheMonthsVouchersToThoseAllowedToModifyThem)
{
    FirstRow picker;
    enter("75.00", "75.00");
    prompter.answerYes();
    ASSERT_TRUE(approve().approved());
    Fixtures::addUser(db(), "LUIS", "x", {"CONTA"});

    session.gUsuario = "LUIS";
    LineEditor luis(session, WorkArea::registro("LUIS", "001", "001"), "mnu_registro");
    ASSERT_TRUE(luis.open());
    EXPECT_FALSE(luis.retrieve(LineEditor::Retrieval::Modify, picker));
    EXPECT_EQ(prompter.lastText(), OptionRights::NotAllowedText);
    // Allowed to modify, but only his own vouchers: ANA's is not offered; a copy is.
    exec("UPDATE GRUPOS SET ModificarMovimiento = 1 WHERE CodGrupo = 'CONTA'");
    EXPECT_FALSE(luis.retrieve(LineEditor::Retrieval::Modify, picker));
    EXPECT_EQ(prompter.lastText(), CatalogNoDataMessage);
    exec("UPDATE GRUPOS SET TipoModificacion = 1 WHERE CodGrupo = 'CONTA'");
    prompter.answerYes();
    ASSERT_TRUE(luis.retrieve(LineEditor::Retrieval::Modify, picker));
    EXPECT_EQ(prompter.lastText(), VoucherRetrieval::AskModify);
    EXPECT_EQ(luis.header().number, "1");
    EXPECT_EQ(luis.header().creator, "ANA");
    EXPECT_EQ(luis.rows().size(), 2u);
    EXPECT_FALSE(luis.retrieve(LineEditor::Retrieval::Copy, picker));
    EXPECT_EQ(prompter.lastText(), EntryTexts::AreaInUse);
}

} // namespace

namespace {

// Four workstations approving fifty vouchers each, of the same type and month.
TEST_F(VoucherApprovalTest, FourStationsApprovingAtOnceGetEveryNumberOnce)
{
    constexpr int Stations = 4;
    constexpr int Vouchers = 50;
    for (int s = 0; s < Stations; ++s)
        Fixtures::addUser(db(), QString("U%1").arg(s), "x", {"CONTA"});
    std::atomic<bool> go = false;
    std::mutex lock;
    QStringList errors;
    std::vector<std::thread> threads;
    for (int s = 0; s < Stations; ++s)
        threads.emplace_back([&, s] {
            try {
                auto own = data.openAnother();
                ScriptedPrompter answers;
                Session station = session;
                station.gConexion = own.get();
                station.prompter = &answers;
                station.gUsuario = QString("U%1").arg(s);
                LineEditor e(station, WorkArea::registro(station.gUsuario, "001", "001"),
                             "mnu_registro");
                if (!e.open())
                    throw std::runtime_error("not opened");
                while (!go)
                    std::this_thread::yield();
                for (int v = 0; v < Vouchers; ++v) {
                    e.setVoucherType("001");
                    e.setDay("10");
                    for (const char *account : {"110101001", "240816"}) {
                        e.startNew();
                        e.setAccount(account);
                        const bool debit = account[0] == '1';
                        e.line().debit = debit ? Money::fromUnits(v + 1) : Money();
                        e.line().credit = debit ? Money() : Money::fromUnits(v + 1);
                        if (!e.save().written)
                            throw std::runtime_error(answers.lastText().toStdString());
                        e.cancel();
                    }
                    answers.answerYes();
                    if (!e.approve().approved())
                        throw std::runtime_error(answers.lastText().toStdString());
                }
            } catch (const std::exception &ex) {
                std::lock_guard guard(lock);
                errors << QString::fromStdString(ex.what());
            }
        });
    go = true;
    for (auto &t : threads)
        t.join();
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    std::vector<int> numbers;
    for (const QSqlRecord &r : db().rows("SELECT NumeroComprobante, SUM(ValorDebito), "
                                         "SUM(ValorCredito), COUNT(*) FROM MOVIMIENTO "
                                         "GROUP BY NumeroComprobante")) {
        numbers.push_back(r.value(0).toInt());
        EXPECT_EQ(Money::fromSql(r.value(1)), Money::fromSql(r.value(2)));
        EXPECT_EQ(r.value(3).toInt(), 2);
    }
    std::sort(numbers.begin(), numbers.end());
    std::vector<int> expected(Stations * Vouchers);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(numbers, expected);
    EXPECT_EQ(cell("SELECT COUNT(*) FROM REGISTRO").toInt(), 0);
}

} // namespace

namespace {

TEST_F(VoucherApprovalTest, TheConsolidationAreaNeedsItsMarkedTypeAndShowsWhatIsMissing)
{
    exec("UPDATE COMPROBANTE SET Consolidacion = 0");
    LineEditor none(session, WorkArea::consolidacion("ANA", "001", "001", "002", "001", 1),
                    "mnu_registro");
    ASSERT_TRUE(none.open());
    EXPECT_EQ(prompter.lastText(), EntryTexts::NoConsolidationTypeMarked);
    none.setDay("10");
    typeLine(none, "110101001", "100.00");
    EXPECT_FALSE(none.save().written);
    EXPECT_EQ(prompter.lastText(), EntryTexts::NoConsolidationType);
    EXPECT_EQ(cell("SELECT COUNT(*) FROM CONSOLIDACION").toInt(), 0);

    exec("UPDATE COMPROBANTE SET Consolidacion = 1 WHERE Codigo = '010'");
    LineEditor branch(session, WorkArea::consolidacion("ANA", "001", "001", "002", "001", 7),
                      "mnu_registro");
    ASSERT_TRUE(branch.open());
    EXPECT_FALSE(branch.setVoucherType("001")); // the marked type only
    branch.setDay("10");
    typeLine(branch, "110101001", "100.00");
    ASSERT_TRUE(branch.save().written);
    branch.setAccount("110101001");
    branch.line().credit = amount("60.00");
    ASSERT_TRUE(branch.save().written);
    EXPECT_EQ(branch.totals().differenceText(QLocale::c()), "Falta: 40.00 en Crédito");
    EXPECT_EQ(cell("SELECT MIN(LineaPertenece) || '/' || MAX(LineaPertenece) FROM CONSOLIDACION"),
              "7/7");
}

// The head office pays for the branch: a line on the branch's receivable, the branch's side
// completed in the consolidation area, one approval, both companies' books balanced.
TEST_F(VoucherApprovalTest, AnInterCompanyVoucherLeavesBothCompaniesAndTheGroupBalanced)
{
    enter("500.00", "500.00", "130101001"); // bank 500 against the branch's receivable
    exec("UPDATE REGISTRO SET ValorDebito = ValorCredito, ValorCredito = ValorDebito");
    exec("UPDATE CONSOLIDACION SET ValorDebito = ValorCredito, ValorCredito = ValorDebito");
    LineEditor branch(session, WorkArea::consolidacion("ANA", "001", "001", "002", "001", 2),
                      "mnu_registro");
    ASSERT_TRUE(branch.open());
    typeLine(branch, "610101001", "500.00"); // the branch's expense, split over cost centres
    ASSERT_TRUE(branch.save().written) << prompter.lastText().toStdString();
    EXPECT_TRUE(branch.totals().balanced());
    prompter.answerYes();
    ASSERT_TRUE(approve().approved());

    auto balance = [&](const QString &company, const QString &account) {
        return Money::fromSql(cell("SELECT SUM(Debito) - SUM(Credito) FROM SALDOCUENTA WHERE "
                                   "Empresa = ? AND Cuenta = ?",
                                   {company, account}));
    };
    EXPECT_EQ(balance("001", "110101001"), amount("-500.00"));
    EXPECT_EQ(balance("001", "130101001"), amount("500.00"));
    EXPECT_EQ(balance("002", "130101000"), amount("-500.00"));
    EXPECT_EQ(balance("002", "610101001"), amount("500.00"));
    for (const char *company : {"001", "002"})
        EXPECT_EQ(Money::fromSql(cell("SELECT SUM(Debito) - SUM(Credito) FROM SALDOCUENTA "
                                      "WHERE Empresa = ?",
                                      {company})),
                  Money());
    // Consolidated: the group's inter-company accounts carry the two sides of one transfer.
    EXPECT_EQ(Money::fromSql(cell("SELECT SUM(Debito) - SUM(Credito) FROM SALDOCUENTA "
                                  "WHERE Matriz = '001'")),
              Money());
}

TEST_F(VoucherApprovalTest, DeletingTheOriginatingLineTakesItsGeneratedLinesAndTheirAssets)
{
    enter("800.00", "800.00", "130101001");
    exec("INSERT INTO ACTIVOFIJO (Serial, Empresa, Matriz, TipoActivo, CodigoCategoria, "
         "Descripcion, Status) VALUES ('B-1', '002', '001', '120101001', 1, 'EQUIPO', 1)");
    exec("INSERT INTO CONSOLIDACION (EmpresaC, MatrizC, Empresa, Matriz, Usuario, "
         "TipoComprobante, NumeroComprobante, Linea, Cuenta, Fecha, ValorDebito, ValorCredito, "
         "GrupoLinea, Serial, TipoMovActivo, LineaPertenece, Tipo) VALUES ('001', '001', '002', "
         "'001', 'ANA', '010', '', 5, '120101001', ?, 800000, 0, 5, 'B-1', 1, 2, 0)",
         {QDate(2026, 6, 15)});
    auto e = openEditor();
    prompter.answerYes();
    ASSERT_TRUE(e->removeLine(2));
    EXPECT_EQ(cell("SELECT COUNT(*) FROM CONSOLIDACION").toInt(), 0);
    EXPECT_FALSE(db().exists("SELECT 1 FROM ACTIVOFIJO WHERE Serial = 'B-1'"));
}

} // namespace
