#include "EntryFixture.h"

#include "schema/BalanceStore.h"
#include "vouchers/MovementPartyCorrection.h"
#include "vouchers/VoucherAnnulment.h"
#include "vouchers/VoucherModification.h"
#include "vouchers/VoucherPosting.h"

namespace {

using Result = VoucherAnnulment::Result;

class VoucherAnnulmentTest : public EntryFixture
{
protected:
    // A voucher of `type` in the month of `date`: `amount` from the bank to `against`.
    QString post(const QString &type, QDate date, qint64 units, const QString &against = "240816",
                 const QString &document = "*", int assetMovement = 0,
                 const QString &company = "001")
    {
        VoucherToPost v{company, "001", type, "ANA", {}};
        PostingLine a;
        a.cuenta = against;
        a.fecha = date;
        a.tipoDocumento = document;
        a.tipoMovActivo = assetMovement;
        a.valorDebito = Money::fromUnits(units);
        PostingLine b = a;
        b.cuenta = "110101001";
        b.valorDebito = Money();
        b.valorCredito = Money::fromUnits(units);
        v.lines = {a, b};
        const auto outcome = VoucherPosting(db()).post(v);
        EXPECT_TRUE(outcome.posted()) << outcome.message().toStdString();
        return outcome.number;
    }
    Result annul(const QString &type, const QString &number, int month = 6,
                 const QString &company = "001")
    {
        return VoucherAnnulment::annul(db(), prompter,
                                       {company, "001", 2026, month, type, number, "ANA"});
    }
    Money total(const QString &where = "1 = 1")
    {
        return Money::fromSql(cell(QString("SELECT SUM(ValorDebito) FROM MOVIMIENTO WHERE %1").arg(where)));
    }
    int logRows() { return cell("SELECT COUNT(*) FROM BITACORAMODIFICACIONMOVIMIENTO").toInt(); }
    void storeMatchesBooks() { EXPECT_FALSE(BalanceStore::verify(db())); }
};

TEST_F(VoucherAnnulmentTest, AnAnnulledVoucherKeepsItsLinesAtZeroAndLeavesTheList)
{
    const QString number = post("001", QDate(2026, 6, 3), 700);
    EXPECT_EQ(annul("", number), Result::Refused);
    EXPECT_EQ(prompter.lastText(), VoucherAnnulment::SelectType);
    EXPECT_EQ(annul("001", ""), Result::Refused);
    EXPECT_EQ(prompter.lastText(), VoucherAnnulment::SelectNumber);

    prompter.answerNo();
    EXPECT_EQ(annul("001", number), Result::Declined);
    EXPECT_EQ(prompter.messages().back().title, VoucherAnnulment::Title);
    EXPECT_EQ(total(), Money::fromUnits(700));

    prompter.answerYes();
    EXPECT_EQ(annul("001", number), Result::Annulled);
    EXPECT_EQ(prompter.lastText(), VoucherAnnulment::Done);
    EXPECT_EQ(total(), Money());
    EXPECT_EQ(cell("SELECT COUNT(*) FROM MOVIMIENTO WHERE Usuario = 'ANA'").toInt(), 2);
    EXPECT_EQ(logRows(), 1);
    storeMatchesBooks();
    const QDate first(2026, 6, 1);
    EXPECT_TRUE(db().rows(VoucherAnnulment::numberCatalog(),
                          {"001", first, first.addMonths(1), "001", "001"})
                    .empty());
    // Typed again: the zeroed lines still match, so it "succeeds" and logs once more.
    prompter.answerYes();
    EXPECT_EQ(annul("001", number), Result::Annulled);
    EXPECT_EQ(logRows(), 2);
    prompter.answerYes();
    EXPECT_EQ(annul("001", "77"), Result::NotFound);
    EXPECT_EQ(prompter.lastText(), VoucherAnnulment::NotFound);
    EXPECT_EQ(logRows(), 2);
}

TEST_F(VoucherAnnulmentTest, VouchersOutForModificationOrInABlockedMonthStay)
{
    const QString number = post("001", QDate(2026, 6, 3), 90);
    ASSERT_EQ(VoucherModification::AnularComprobante(db(), "001", "001", 6, 2026, "001", number), 0);
    EXPECT_EQ(annul("001", number), Result::Refused);
    EXPECT_EQ(prompter.lastText(), VoucherAnnulment::BeingModified);

    exec("UPDATE MOVIMIENTO SET Usuario = 'ANA'");
    exec(QString("UPDATE PERIODO SET %1 = 1 WHERE Ano = 2026").arg(PeriodMonths::Column(6)));
    prompter.answerYes();
    EXPECT_EQ(annul("001", number), Result::Refused);
    EXPECT_EQ(prompter.lastText(), VoucherPosting::PeriodText);
    EXPECT_EQ(total(), Money::fromUnits(90));
    EXPECT_EQ(logRows(), 0);
}

TEST_F(VoucherAnnulmentTest, TheOriginatingVoucherTakesItsGeneratedLinesWhichCannotGoAlone)
{
    exec(QString("INSERT INTO PERIODO (Empresa, Matriz, Ano, %1) SELECT '002', Matriz, Ano, %1 "
                 "FROM PERIODO WHERE Empresa = '001'")
             .arg(PeriodMonths::ColumnList()));
    const QString origin = post("001", QDate(2026, 6, 5), 400);
    const QString generated = post("010", QDate(2026, 6, 5), 400, "130101000", "*", 0, "002");
    exec("UPDATE MOVIMIENTO SET EmpresaConsolidacion = '001', TipoComprobanteConsolidacion = '001', "
         "NumeroComprobanteConsolidacion = ? WHERE Empresa = '002'",
         {origin});
    EXPECT_EQ(annul("010", generated, 6, "002"), Result::Refused);
    EXPECT_EQ(prompter.lastText(), VoucherAnnulment::Generated);

    prompter.answerYes();
    EXPECT_EQ(annul("001", origin), Result::Annulled);
    EXPECT_EQ(prompter.messages().at(prompter.messages().size() - 2).text,
              VoucherAnnulment::AskWithGenerated);
    EXPECT_EQ(prompter.lastText(), VoucherAnnulment::DoneWithGenerated);
    EXPECT_EQ(total(), Money());
    storeMatchesBooks();
}

TEST_F(VoucherAnnulmentTest, TheMonthsAdjustmentVouchersAndRecordGoTogether)
{
    exec("INSERT INTO COMPROBANTE (Codigo, Nombre, AjustePorInflacion) VALUES ('020', 'AJUSTE', 1)");
    exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Depreciacion) VALUES ('021', 'DEPREC', 1)");
    for (const char *doc : {"AJ", "DP"})
        exec("INSERT INTO DOCUMENTO (Codigo, Nombre) VALUES (?, ?)", {doc, doc});
    const QString adjustment = post("020", QDate(2026, 3, 31), 120, "120101001", "AJ");
    post("021", QDate(2026, 3, 31), 35, "610101001", "DP", 4);
    post("001", QDate(2026, 3, 10), 10); // an ordinary voucher of March stays
    exec("INSERT INTO CONTROLAJUSTE (Empresa, Matriz, Ano, Mes, TipoAjuste) VALUES "
         "('001', '001', 2026, 3, 'IPC'), ('001', '001', 2026, 3, 'TRM')");
    exec("INSERT INTO MOVAJUSTEDEPRECACTIVOFIJO (Empresa, Matriz, Serial, Fecha) VALUES "
         "('001', '001', 'EQ-1', ?)",
         {QDate(2026, 3, 31)});

    // While April is adjusted, March cannot be undone.
    exec("INSERT INTO CONTROLAJUSTE (Empresa, Matriz, Ano, Mes, TipoAjuste) VALUES "
         "('001', '001', 2026, 4, 'IPC')");
    EXPECT_EQ(annul("020", adjustment, 3), Result::Refused);
    EXPECT_EQ(prompter.lastText(), VoucherAnnulment::NextMonthAdjusted);
    exec("DELETE FROM CONTROLAJUSTE WHERE Mes = 4");

    prompter.answerYes();
    EXPECT_EQ(annul("020", adjustment, 3), Result::Annulled);
    EXPECT_EQ(prompter.messages().at(prompter.messages().size() - 2).text,
              VoucherAnnulment::AskAdjustment);
    EXPECT_EQ(total("TipoComprobante IN ('020', '021')"), Money());
    EXPECT_EQ(total("TipoComprobante = '001'"), Money::fromUnits(10));
    EXPECT_EQ(cell("SELECT COUNT(*) FROM CONTROLAJUSTE").toInt(), 1); // the TRM run stays
    EXPECT_EQ(cell("SELECT COUNT(*) FROM MOVAJUSTEDEPRECACTIVOFIJO").toInt(), 0);
    storeMatchesBooks();
}

TEST_F(VoucherAnnulmentTest, CorrectingAThirdPartyMovesItsLinesEverywhereAndDeletesIt)
{
    VoucherToPost v{"001", "001", "001", "ANA", {}};
    PostingLine a;
    a.cuenta = "610201001";
    a.fecha = QDate(2026, 6, 8);
    a.tercero = "J001";
    a.valorDebito = Money::fromUnits(50);
    PostingLine b = a;
    b.cuenta = "110101001";
    b.valorDebito = Money();
    b.valorCredito = Money::fromUnits(50);
    b.tercero = "*";
    v.lines = {a, b};
    ASSERT_TRUE(VoucherPosting(db()).post(v).posted());
    auto e = openEditor();
    typeLine(*e, "610201001", "20.00");
    e->setParty("J001");
    e->setDocumentType("FAC");
    e->line().document = "9";
    e->setConcept("H01");
    ASSERT_TRUE(e->save().written) << prompter.lastText().toStdString();
    exec("INSERT INTO CONSOLIDACION (EmpresaC, MatrizC, Empresa, Matriz, Usuario, TipoComprobante, "
         "NumeroComprobante, Linea, Cuenta, Fecha, Tercero, ValorDebito, ValorCredito, GrupoLinea, "
         "TipoMovActivo) VALUES ('002', '001', '001', '001', 'LUIS', '010', '', 1, '110101001', ?, "
         "'J001', 0, 0, 1, 0)",
         {QDate(2026, 6, 8)});

    using namespace MovementPartyCorrection;
    EXPECT_FALSE(correct(db(), prompter, "J001", "J001"));
    EXPECT_EQ(prompter.lastText(), SameCode);
    EXPECT_FALSE(correct(db(), prompter, "J001", "X404"));
    EXPECT_EQ(prompter.lastText(), NewMissing);
    prompter.answerYes();
    ASSERT_TRUE(correct(db(), prompter, "J001", "N001"));
    EXPECT_EQ(prompter.lastText(), Done);
    EXPECT_EQ(prompter.messages().back().title, DoneTitle);
    for (const char *table : {"MOVIMIENTO", "REGISTRO", "CONSOLIDACION"})
        EXPECT_EQ(cell(QString("SELECT COUNT(*) FROM %1 WHERE Tercero = 'J001'").arg(table)).toInt(), 0)
            << table;
    EXPECT_EQ(cell("SELECT COUNT(*) FROM MOVIMIENTO WHERE Tercero = 'N001'").toInt(), 1);
    EXPECT_FALSE(db().exists("SELECT 1 FROM TERCERO WHERE Codigo = 'J001'"));
    storeMatchesBooks();
}

} // namespace
