#include "vouchers/VoucherPosting.h"
#include "vouchers/VoucherModification.h"

#include "calendar/PeriodMonths.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

using Status = VoucherPosting::Status;

Money amount(const char *text)
{
    return *Money::parseTyped(text);
}

// Company 001 with the year 2026 open except May (blocked), its fiscal year 2025 closed;
// ANA an ordinary user, ADMIN of "SISTEMAS".
class VoucherPostingTest : public ::testing::Test
{
protected:
    VoucherPostingTest()
    {
        Fixtures::addCompany(db(), "001", "COMERCIAL ANDINA C.A.", {}, 1, 12, 2025);
        Fixtures::addUser(db(), "ANA", "x");
        Fixtures::addUser(db(), "ADMIN", "x", {"SISTEMAS"});
        db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Status) VALUES ('001', 'DIARIO', 1)");
        for (const char *account : {"110101001", "210815", "410101001"})
            db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre) VALUES (?, 'C')", {account});
        for (int year : {2025, 2026}) {
            QVariantList params{year};
            for (int m = 1; m <= 12; ++m)
                params << (year == 2026 && m == 5 ? 1 : 0);
            db().exec(QString("INSERT INTO PERIODO (Empresa, Matriz, Ano, %1) VALUES "
                              "('001', '001', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                          .arg(PeriodMonths::ColumnList()),
                      params);
        }
    }
    Db &db() { return data.db(); }
    VoucherToPost voucher(QDate date, const char *debit, const char *credit,
                          const QString &user = "ANA")
    {
        VoucherToPost v{"001", "001", "001", user, {}};
        PostingLine first;
        first.cuenta = "110101001";
        first.fecha = date;
        first.valorDebito = amount(debit);
        PostingLine second = first;
        second.cuenta = "410101001";
        second.valorDebito = Money();
        second.valorCredito = amount(credit);
        v.lines = {first, second};
        return v;
    }
    int lines() { return db().scalar("SELECT COUNT(*) FROM MOVIMIENTO").toInt(); }
    int counter(const QString &month)
    {
        return db()
            .scalar(QString("SELECT %1 FROM CORRCOMPROBANTE WHERE CodigoComprobante = '001' "
                            "AND Ano = 2026")
                        .arg(month))
            .toInt();
    }

    TestDatabase data;
};

TEST_F(VoucherPostingTest, ABalancedVoucherIsNumberedWrittenAndLogged)
{
    VoucherPosting posting(db());
    const auto first = posting.post(voucher(QDate(2026, 3, 2), "1000.00", "1000.00"));
    ASSERT_TRUE(first.posted()) << first.message().toStdString();
    // Empty texts are stored empty, never null: lists compare them with ''.
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO WHERE Documento IS NULL OR "
                          "Descripcion IS NULL OR ConceptoRetencion IS NULL").toInt(),
              0);
    EXPECT_EQ(first.number, "1");
    EXPECT_EQ(posting.post(voucher(QDate(2026, 3, 9), "5", "5")).number, "2");
    const auto rows = db().rows("SELECT Linea, Usuario, Tercero, CentroCosto, GrupoLinea "
                                "FROM MOVIMIENTO WHERE NumeroComprobante = '1' ORDER BY Linea");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].value(0).toInt(), 2);
    EXPECT_EQ(rows[1].value(1).toString(), "ANA"); // the creator
    EXPECT_EQ(rows[1].value(2).toString(), "*");
    EXPECT_EQ(rows[1].value(3).toString(), "*");
    EXPECT_EQ(rows[1].value(4).toInt(), 2);
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO_USUARIOS").toInt(), 2);
}

TEST_F(VoucherPostingTest, RefusalsWriteNothingAndKeepTheCounters)
{
    VoucherPosting posting(db());
    // No tolerance beyond the cent; sub-cent residues of computed amounts round away.
    EXPECT_EQ(posting.post(voucher(QDate(2026, 3, 2), "1000.00", "1000.01")).status,
              Status::Unbalanced);
    EXPECT_TRUE(posting.post(voucher(QDate(2026, 3, 2), "1000.004", "1000.00")).posted());
    db().exec("DELETE FROM MOVIMIENTO");

    auto twoMonths = voucher(QDate(2026, 3, 31), "1", "1");
    twoMonths.lines[1].fecha = QDate(2026, 4, 1);
    EXPECT_EQ(posting.post(twoMonths).status, Status::TwoMonths);
    EXPECT_EQ(posting.post({"001", "001", "001", "ANA", {}}).status, Status::Empty);

    const auto blocked = posting.post(voucher(QDate(2026, 5, 4), "1", "1"));
    EXPECT_EQ(blocked.status, Status::PeriodRefused);
    EXPECT_EQ(blocked.period, PeriodService::Status::Blocked);
    EXPECT_EQ(blocked.message(), "¡Periodo bloqueado!");
    const auto closed = posting.post(voucher(QDate(2025, 12, 31), "1", "1", "ADMIN"));
    EXPECT_EQ(closed.period, PeriodService::Status::YearClosed);
    EXPECT_EQ(posting.post(voucher(QDate(2027, 1, 4), "1", "1")).period,
              PeriodService::Status::NoPeriod);
    EXPECT_EQ(lines(), 0);
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM CORRCOMPROBANTE WHERE Mayo > 0").toInt(), 0);

    // Administrators may post into a blocked month, as they may work in it.
    EXPECT_TRUE(posting.post(voucher(QDate(2026, 5, 4), "1", "1", "ADMIN")).posted());
}

TEST_F(VoucherPostingTest, AFailureHalfWayLeavesBooksAndCountersAsTheyWere)
{
    VoucherPosting posting(db());
    ASSERT_TRUE(posting.post(voucher(QDate(2026, 3, 2), "7", "7")).posted());
    auto broken = voucher(QDate(2026, 3, 3), "9", "9");
    broken.lines[1].cuenta = "999999999"; // no such account: the second insert fails
    EXPECT_THROW(posting.post(broken), DbError);
    EXPECT_EQ(lines(), 2);
    EXPECT_EQ(counter("Marzo"), 1);
    EXPECT_EQ(db().scalar("SELECT SUM(Debito) FROM SALDOCUENTA").toLongLong(), 7'000);
}

TEST_F(VoucherPostingTest, WithholdingAccountsCarryTenPercent)
{
    auto v = voucher(QDate(2026, 3, 2), "3", "3");
    v.lines[0].cuenta = "210815";
    v.lines[0].porcentajeImpuesto = Rate::fromInteger(16);
    v.lines[1].porcentajeImpuesto = Rate::fromInteger(16);
    ASSERT_TRUE(VoucherPosting(db()).post(v).posted());
    const auto rows = db().rows("SELECT PorcentajeImpuesto FROM MOVIMIENTO ORDER BY Linea");
    EXPECT_EQ(Rate::fromSql(rows[0].value(0)), Rate::fromInteger(10));
    EXPECT_EQ(Rate::fromSql(rows[1].value(0)), Rate::fromInteger(16));
}

TEST_F(VoucherPostingTest, TakingAVoucherOutMarksItsLinesAndIsBoundedByItsMonth)
{
    VoucherPosting posting(db());
    ASSERT_EQ(posting.post(voucher(QDate(2026, 3, 2), "4", "4")).number, "1");
    ASSERT_EQ(posting.post(voucher(QDate(2026, 4, 2), "6", "6")).number, "1"); // April's no. 1
    using VoucherModification::AnularComprobante;
    EXPECT_EQ(AnularComprobante(db(), "001", "001", 3, 2026, "001", "1"), 0);
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO WHERE Usuario = '-'").toInt(), 2);
    // The amounts stay in the books while the voucher is out.
    EXPECT_EQ(db().scalar("SELECT SUM(Debito) FROM SALDOCUENTA").toLongLong(), 10'000);
    EXPECT_EQ(AnularComprobante(db(), "001", "001", 3, 2026, "001", "1"), 1); // already out
    EXPECT_EQ(AnularComprobante(db(), "001", "001", 3, 2026, "001", "9"), 1); // absent
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO WHERE Fecha >= ? AND Usuario = 'ANA'",
                          {QDate(2026, 4, 1)})
                  .toInt(),
              2);
}

// Two workstations take the same voucher out at the same moment: exactly one gets it.
TEST_F(VoucherPostingTest, TheRaceForOneVoucherHasOneWinner)
{
    ASSERT_TRUE(VoucherPosting(db()).post(voucher(QDate(2026, 3, 2), "4", "4")).posted());
    for (int round = 0; round < 5; ++round) {
        db().exec("UPDATE MOVIMIENTO SET Usuario = 'ANA'");
        std::atomic<int> winners = 0, losers = 0;
        std::atomic<bool> go = false;
        std::vector<std::thread> threads;
        QStringList errors;
        std::mutex lock;
        for (int w = 0; w < 2; ++w)
            threads.emplace_back([&] {
                try {
                    auto own = data.openAnother();
                    while (!go)
                        std::this_thread::yield();
                    Transaction tx(*own);
                    const int error = VoucherModification::AnularComprobante(*own, "001", "001", 3,
                                                                             2026, "001", "1");
                    tx.commit();
                    (error == 0 ? winners : losers)++;
                } catch (const std::exception &e) {
                    std::lock_guard guard(lock);
                    errors << QString::fromStdString(e.what());
                }
            });
        go = true;
        for (auto &t : threads)
            t.join();
        ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
        EXPECT_EQ(winners, 1);
        EXPECT_EQ(losers, 1);
    }
}

} // namespace
