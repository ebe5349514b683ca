#include "platform/Db.h"
#include "platform/Transaction.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"
#include "vouchers/VoucherNumbering.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace {

using VoucherNumbering::InicializarComprobante;

class VoucherNumberingTest : public ::testing::Test
{
protected:
    VoucherNumberingTest()
    {
        Fixtures::addCompany(db(), "001", "COMERCIAL ANDINA C.A.");
        db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Status) VALUES ('001', 'DIARIO', 1)");
        db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Status) VALUES ('002', 'EGRESOS', 1)");
    }
    Db &db() { return data.db(); }
    int issue(Db &on, const QString &type, int year, int month)
    {
        return InicializarComprobante(on, type, "001", "001", year, month);
    }
    void counterRow(const QString &type, int year, int continuous, int continuousNumber,
                    int march = 0)
    {
        db().exec("INSERT INTO CORRCOMPROBANTE (CodigoComprobante, Empresa, Matriz, Ano, Continuo, "
                  "NumeroContinuo, Marzo) VALUES (?, '001', '001', ?, ?, ?, ?)",
                  {type, year, continuous, continuousNumber, march});
    }

    TestDatabase data;
};

TEST_F(VoucherNumberingTest, MonthlyCountersAreIndependent)
{
    counterRow("001", 2026, 0, 0, 41);
    EXPECT_EQ(issue(db(), "001", 2026, 3), 42);
    EXPECT_EQ(issue(db(), "001", 2026, 3), 43);
    EXPECT_EQ(issue(db(), "001", 2026, 4), 1);
    EXPECT_EQ(db().scalar("SELECT Marzo FROM CORRCOMPROBANTE WHERE Ano = 2026").toInt(), 43);
}

TEST_F(VoucherNumberingTest, ContinuousTypesNumberAcrossMonthsAndYears)
{
    counterRow("002", 2025, 1, 57);
    EXPECT_EQ(issue(db(), "002", 2025, 11), 58);
    // No row for 2026 yet: it is created from 2025's, keeping the continuous number.
    EXPECT_EQ(issue(db(), "002", 2026, 1), 59);
    EXPECT_EQ(issue(db(), "002", 2026, 2), 60);
    const auto row = db().rows("SELECT Continuo, Enero, Febrero FROM CORRCOMPROBANTE "
                               "WHERE CodigoComprobante = '002' AND Ano = 2026");
    ASSERT_EQ(row.size(), 1u);
    EXPECT_EQ(row[0].value(0).toInt(), 1);
    EXPECT_EQ(row[0].value(1).toInt(), 0);  // months untouched under continuous numbering
}

TEST_F(VoucherNumberingTest, AMissingRowStartsAtOneAndARollbackGivesTheNumberBack)
{
    {
        Transaction tx(db());
        EXPECT_EQ(issue(db(), "001", 2026, 5), 1);
        // the caller's work fails: the number must come back
    }
    EXPECT_EQ(issue(db(), "001", 2026, 5), 1);
    EXPECT_EQ(issue(db(), "001", 2026, 5), 2);
    EXPECT_THROW(issue(db(), "001", 2026, 13), std::invalid_argument);
}

TEST_F(VoucherNumberingTest, ConcurrentWorkstationsNeverShareOrLoseANumber)
{
    db().execScript({"CREATE TABLE NUMEROS_EMITIDOS (Numero INTEGER NOT NULL)"});
    constexpr int workers = 4;
    constexpr int perWorker = 200;
    std::vector<std::thread> threads;
    std::mutex failures;
    QStringList errors;
    for (int w = 0; w < workers; ++w) {
        threads.emplace_back([&, w] {
            try {
                auto own = data.openAnother();
                for (int i = 0; i < perWorker; ++i) {
                    Transaction tx(*own);
                    const int n = issue(*own, "001", 2026, 6);
                    own->exec("INSERT INTO NUMEROS_EMITIDOS (Numero) VALUES (?)", {n});
                    if ((i + w) % 2 == 0)
                        tx.commit();  // the other half roll back and give their number back
                }
            } catch (const std::exception &e) {
                std::lock_guard lock(failures);
                errors << QString::fromStdString(e.what());
            }
        });
    }
    for (auto &t : threads)
        t.join();
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    std::vector<int> committed;
    for (const QSqlRecord &r : db().rows("SELECT Numero FROM NUMEROS_EMITIDOS ORDER BY Numero"))
        committed.push_back(r.value(0).toInt());
    ASSERT_EQ(committed.size(), size_t(workers * perWorker / 2));
    for (size_t i = 0; i < committed.size(); ++i)
        ASSERT_EQ(committed[i], int(i) + 1) << "gap or duplicate at position " << i;
    EXPECT_EQ(db().scalar("SELECT Junio FROM CORRCOMPROBANTE WHERE CodigoComprobante = '001'")
                  .toInt(),
              int(committed.size()));
}

} // namespace
