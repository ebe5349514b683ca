#include "periods/YearEndClosing.h"

#include "calendar/PeriodMonths.h"
#include "platform/Db.h"
#include "reports/TrialBalance.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"
#include "vouchers/VoucherPosting.h"

#include <gtest/gtest.h>

namespace {

using namespace YearEndClosing;

Money u(qint64 units)
{
    return Money::fromUnits(units);
}

// Company E01, fiscal year closed up to 2024, a small chart with result accounts, the tax
// authority, periods 2025 and 2026; ADMIN (of "SISTEMAS") closes from workstation PC1.
class YearEndClosingTest : public ::testing::Test
{
protected:
    YearEndClosingTest()
    {
        Fixtures::addCompany(db(), "E01", "ALFA", {}, 1, 12, 2024);
        Fixtures::addUser(db(), "ADMIN", "x", {"SISTEMAS"});
        Fixtures::addUser(db(), "ANA", "x");
        db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre) VALUES ('001', 'DIARIO')");
        db().exec("INSERT INTO TERCERO (Codigo, Nombre, Tributario) VALUES ('G-200', 'SENIAT', 1)");
        db().exec("INSERT INTO TERCERO (Codigo, Nombre) VALUES ('J-1', 'CLIENTE')");
        account("110101001", false);             // cash
        account("130101001", true, true);        // receivables, by party and document
        account("310101001", false);             // profit of the year
        account("310101002", false);             // loss of the year
        account("320101001", false);             // accumulated profit
        account("410101001", true, false, true); // sales, closed by party
        account("510101001", false);             // expenses
        db().exec("UPDATE PARAMETRO SET UtilidadEjercicio = '310101001', "
                  "PerdidaEjercicio = '310101002', CantDigCuenta = 9");
        for (int year : {2025, 2026})
            period(year);
    }
    Db &db() { return data.db(); }
    void account(const QString &code, bool byParty, bool byDocument = false,
                 bool closeByParty = false)
    {
        db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, EsPadre, ManejaTerc, ManejaDoc, "
                  "CuentaCierreTerc) VALUES (?, 'C', 0, ?, ?, ?)",
                  {code, byParty ? 1 : 0, byDocument ? 1 : 0, closeByParty ? 1 : 0});
    }
    void period(int year)
    {
        QVariantList params{year};
        for (int m = 1; m <= 12; ++m)
            params << 0;
        db().exec(QString("INSERT INTO PERIODO (Empresa, Matriz, Ano, %1) VALUES "
                          "('E01', 'E01', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(PeriodMonths::ColumnList()),
                  params);
    }
    void post(QDate date, const QString &type, std::vector<PostingLine> lines)
    {
        for (PostingLine &l : lines)
            l.fecha = date;
        const auto outcome = VoucherPosting(db()).post({"E01", "E01", type, "ADMIN", lines});
        ASSERT_TRUE(outcome.posted()) << outcome.message().toStdString();
    }
    static PostingLine line(const QString &account, qint64 debit, qint64 credit,
                            const QString &party = "*", const QString &document = {})
    {
        PostingLine l;
        l.cuenta = account;
        l.valorDebito = u(debit);
        l.valorCredito = u(credit);
        l.tercero = party;
        if (!document.isEmpty()) {
            l.tipoDocumento = "*";
            l.documento = document;
        }
        return l;
    }
    // A year of business: opening cash, a sale on credit, a collection, expenses.
    void bookYear(int year)
    {
        post(QDate(year, 1, 1), "999", {line("110101001", 1000, 0), line("320101001", 0, 1000)});
        post(QDate(year, 3, 10), "001",
             {line("130101001", 600, 0, "J-1", "F-1"), line("410101001", 0, 600, "J-1")});
        post(QDate(year, 4, 10), "001",
             {line("130101001", 350, 0, "J-1", "F-2"), line("410101001", 0, 350, "J-1")});
        post(QDate(year, 5, 2), "001",
             {line("110101001", 600, 0), line("130101001", 0, 600, "J-1", "F-1")});
        post(QDate(year, 6, 30), "001", {line("510101001", 400, 0), line("110101001", 0, 400)});
    }
    int close(int year)
    {
        return CierreDelEjercicio(db(), QDate(year, 1, 1), QDate(year, 12, 31), "E01", "E01",
                                  "ADMIN", "PC1");
    }
    TrialBalanceRow row(int month, int year, const QString &code, bool withoutClosing = false)
    {
        TrialBalanceOptions o;
        o.company = o.headOffice = "E01";
        o.month = month;
        o.year = year;
        o.showAll = true;
        o.withoutClosing = withoutClosing;
        for (const TrialBalanceRow &r : TrialBalance::compute(db(), o))
            if (r.code == code)
                return r;
        return {};
    }
    QString snapshot()
    {
        return db().scalar("SELECT COUNT(*) FROM MOVIMIENTO").toString() + "/" +
               db().scalar("SELECT Ano FROM EMPRESA").toString() + "/" +
               db().scalar("SELECT COUNT(*) FROM CORRCOMPROBANTE").toString();
    }

    TestDatabase data;
};

TEST_F(YearEndClosingTest, ClosesTheResultAndOpensTheNextYearWithTheBalanceSheet)
{
    bookYear(2025);
    ASSERT_EQ(close(2025), Closed);
    EXPECT_EQ(db().scalar("SELECT Ano FROM EMPRESA").toInt(), 2025);

    // Sales 950 less expenses 400: a profit of 550 on the profit account; every result
    // account at zero after the closing voucher, and untouched without it.
    for (const char *resultAccount : {"410101001", "510101001"})
        EXPECT_TRUE(row(12, 2025, resultAccount).sum.closing().isZero()) << resultAccount;
    EXPECT_EQ(row(12, 2025, "310101001").sum.closing(), -u(550));
    EXPECT_EQ(row(12, 2025, "410101001", true).sum.closing(), -u(950));
    // Sales closed per third party: the closing line carries the customer.
    EXPECT_EQ(db().scalar("SELECT Tercero FROM MOVIMIENTO WHERE TipoComprobante = '099' AND "
                          "Cuenta = '410101001'")
                  .toString(),
              "J-1");

    // January opens with December's balance-sheet balances.
    for (const char *code : {"110101001", "130101001", "310101001", "320101001", "1", "3"})
        EXPECT_EQ(row(1, 2026, code).sum.opening, row(12, 2025, code).sum.closing()) << code;
    // The open invoice is carried once, by customer and document.
    const auto open = db().rows("SELECT Tercero, Documento, ValorDebito FROM MOVIMIENTO WHERE "
                                "TipoComprobante = '999' AND Fecha = ? AND Cuenta = '130101001'",
                                {QDate(2026, 1, 1)});
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].value(1).toString(), "F-2");
    EXPECT_EQ(Money::fromSql(open[0].value(2)), u(350));

    EXPECT_EQ(close(2025), AlreadyClosed);
}

TEST_F(YearEndClosingTest, EachRefusalLeavesTheBooksAsTheyWere)
{
    bookYear(2025);
    const QString before = snapshot();

    db().exec("INSERT INTO SESIONUSUARIO (Empresa, Matriz, Usuario, Fecha, NombreEquipo) "
              "VALUES ('E01', 'E01', 'ANA', '20251231', 'PC2')");
    EXPECT_EQ(close(2025), ActiveUsers);
    db().exec("DELETE FROM SESIONUSUARIO");
    // The closing user's own session does not stop him.
    db().exec("INSERT INTO SESIONUSUARIO (Empresa, Matriz, Usuario, Fecha, NombreEquipo) "
              "VALUES ('E01', 'E01', 'ADMIN', '20251231', 'PC1')");

    db().exec("UPDATE TERCERO SET Tributario = 0");
    EXPECT_EQ(close(2025), NoTaxAuthority);
    db().exec("UPDATE TERCERO SET Tributario = 1 WHERE Codigo = 'G-200'");

    db().exec("UPDATE PARAMETRO SET PerdidaEjercicio = ''");
    EXPECT_EQ(close(2025), NoResultAccounts);
    db().exec("UPDATE PARAMETRO SET PerdidaEjercicio = '310101002', CierreAjusteInflacion = 1");
    EXPECT_EQ(close(2025), NoInflationAdjustment);
    db().exec("UPDATE PARAMETRO SET CierreAjusteInflacion = 0");

    db().exec("INSERT INTO REGISTRO (Empresa, Matriz, TipoComprobante, Usuario, Linea, Cuenta, "
              "Fecha, UsuarioCreador) VALUES ('E01', 'E01', '001', 'ANA', 1, '110101001', ?, "
              "'ANA')",
              {QDate(2025, 12, 1)});
    EXPECT_EQ(close(2025), PendingVoucher);
    db().exec("DELETE FROM REGISTRO");
    db().exec("UPDATE EMPRESA SET Ano = 2025");
    EXPECT_EQ(close(2025), AlreadyClosed);
    db().exec("UPDATE EMPRESA SET Ano = 2024");
    EXPECT_EQ(snapshot(), before);

    // The next year has no periods: its opening voucher cannot be posted, and the closing
    // voucher goes back with it.
    db().exec("DELETE FROM PERIODO WHERE Ano = 2026");
    EXPECT_EQ(close(2025), PostingRefused);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(message(PostingRefused),
              "Error en proceso de cierre.. El Cierre no procede ! Error Nº 8");
}

TEST_F(YearEndClosingTest, AJuneClosingAndTheAccumulatedResult)
{
    db().exec("UPDATE EMPRESA SET Mes = 6, Ano = 2024");
    db().exec("UPDATE PARAMETRO SET UtilidadAcumulada = '320101001'");
    period(2024);
    post(QDate(2024, 8, 1), "001", {line("110101001", 300, 0), line("410101001", 0, 300, "J-1")});
    post(QDate(2025, 2, 1), "001", {line("510101001", 100, 0), line("110101001", 0, 100)});
    ASSERT_EQ(CierreDelEjercicio(db(), QDate(2024, 7, 1), QDate(2025, 6, 30), "E01", "E01", "ADMIN",
                                 "PC1"),
              Closed);
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO WHERE TipoComprobante = '099' AND "
                          "Fecha = ?",
                          {QDate(2025, 6, 30)})
                  .toInt(),
              3);
    // July opens the new fiscal year; the profit of 200 now sits on the accumulated account.
    EXPECT_EQ(row(7, 2025, "320101001").sum.opening, -u(200));
    EXPECT_TRUE(row(7, 2025, "310101001").sum.opening.isZero());
    EXPECT_EQ(row(7, 2025, "110101001").sum.opening, u(200));
}

TEST_F(YearEndClosingTest, ReopeningAndClosingAgainGivesTheSameBooks)
{
    bookYear(2025);
    ASSERT_EQ(close(2025), Closed);
    const auto sums = [&] {
        return db()
            .scalar("SELECT SUM(ValorDebito) FROM MOVIMIENTO WHERE TipoComprobante IN "
                    "('099', '999')")
            .toLongLong();
    };
    const qint64 closedSums = sums();
    EXPECT_EQ(ReabrirEjercicio(db(), "E01", "E01", "ANA", "10.0.0.2", "PC2"),
              Reopening::NotAllowed);
    ASSERT_EQ(ReabrirEjercicio(db(), "E01", "E01", "ADMIN", "10.0.0.1", "PC1"),
              Reopening::Reopened);
    EXPECT_EQ(db().scalar("SELECT Ano FROM EMPRESA").toInt(), 2024);
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO WHERE TipoComprobante = '099'").toInt(),
              0);
    // The year's own opening voucher, imported on 1 January 2025, stays.
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO WHERE TipoComprobante = '999'").toInt(),
              2);
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM BITACORAMODIFICACIONMOVIMIENTO").toInt(), 1);
    ASSERT_EQ(close(2025), Closed);
    EXPECT_EQ(sums(), closedSums);
}

} // namespace
