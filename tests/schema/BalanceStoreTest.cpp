#include "schema/BalanceStore.h"
#include "common/Money.h"
#include "platform/Db.h"
#include "platform/MigrationRunner.h"
#include "platform/Transaction.h"
#include "schema/LedgerSchema.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// Books written straight into MOVIMIENTO, as every writer ends up doing; the store must
// follow whatever they do.
class BalanceStoreTest : public ::testing::Test
{
protected:
    BalanceStoreTest()
    {
        for (const char *type : {"001", "002", "099"})
            db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre) VALUES (?, 'T') "
                      "ON CONFLICT (Codigo) DO NOTHING",
                      {type});
        for (const char *account : {"110101001", "110101002", "210101001", "410101001"})
            db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre) VALUES (?, 'C')", {account});
        for (const char *party : {"J-1", "J-2", "V-3"})
            db().exec("INSERT INTO TERCERO (Codigo, Nombre) VALUES (?, 'T')", {party});
    }
    Db &db() { return data.db(); }
    void post(const QString &company, const QString &type, const QString &number, int line,
              const QString &account, const QString &party, QDate date, qint64 debit, qint64 credit)
    {
        db().exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, "
                  "Usuario, Linea, Cuenta, Tercero, Fecha, ValorDebito, ValorCredito) "
                  "VALUES (?, 'E01', ?, ?, 'ANA', ?, ?, ?, ?, ?, ?)",
                  {company, type, number, line, account, party, date, debit, credit});
    }
    void expectAgrees()
    {
        const auto difference = BalanceStore::verify(db());
        EXPECT_FALSE(difference) << difference->text().toStdString();
    }
    qint64 stored(const QString &account, int year, int month, int voucherClass, bool debit)
    {
        return db()
            .scalar(QString("SELECT SUM(%1) FROM SALDOCUENTA WHERE Cuenta = ? AND Ano = ? AND "
                            "Mes = ? AND Clase = ?")
                        .arg(debit ? "Debito" : "Credito"),
                    {account, year, month, voucherClass})
            .toLongLong();
    }

    TestDatabase data;
};

TEST_F(BalanceStoreTest, SumsFollowEveryInsertUpdateAndDeleteOfTheBooks)
{
    post("E01", "001", "1", 1, "110101001", "J-1", QDate(2025, 3, 14), 150'000, 0);
    post("E01", "001", "1", 2, "210101001", "J-2", QDate(2025, 3, 14), 0, 150'000);
    post("E01", "999", "1", 1, "110101001", "J-1", QDate(2025, 1, 1), 70'000, 0);
    post("E01", "099", "1", 1, "410101001", "*", QDate(2025, 12, 31), 5'000, 0);
    EXPECT_EQ(stored("110101001", 2025, 3, 0, true), 150'000);
    EXPECT_EQ(stored("110101001", 2025, 1, 1, true), 70'000);
    EXPECT_EQ(stored("410101001", 2025, 12, 2, true), 5'000);
    expectAgrees();

    // An annulment zeroes the amounts; a correction moves a line to another account, party
    // and month; a deletion takes it away.
    db().exec("UPDATE MOVIMIENTO SET ValorDebito = 0, ValorCredito = 0 WHERE Linea = 2");
    EXPECT_EQ(stored("210101001", 2025, 3, 0, false), 0);
    db().exec("UPDATE MOVIMIENTO SET Cuenta = '110101002', Tercero = 'V-3', Fecha = ? "
              "WHERE TipoComprobante = '001' AND Linea = 1",
              {QDate(2025, 4, 2)});
    EXPECT_EQ(stored("110101001", 2025, 3, 0, true), 0);
    EXPECT_EQ(stored("110101002", 2025, 4, 0, true), 150'000);
    expectAgrees();
    db().exec("DELETE FROM MOVIMIENTO WHERE TipoComprobante = '999'");
    EXPECT_EQ(stored("110101001", 2025, 1, 1, true), 0);
    expectAgrees();
}

TEST_F(BalanceStoreTest, ARolledBackPostingLeavesNoTrace)
{
    post("E01", "001", "1", 1, "110101001", "J-1", QDate(2025, 3, 14), 10'000, 0);
    {
        Transaction tx(db());
        post("E01", "001", "2", 1, "110101001", "J-1", QDate(2025, 3, 15), 99'000, 0);
        EXPECT_EQ(stored("110101001", 2025, 3, 0, true), 109'000);
    }
    EXPECT_EQ(stored("110101001", 2025, 3, 0, true), 10'000);
    expectAgrees();
}

TEST_F(BalanceStoreTest, VerifyNamesTheFirstDifferenceAndRebuildMendsIt)
{
    post("E01", "001", "1", 1, "110101001", "J-1", QDate(2025, 3, 14), 10'000, 0);
    db().exec("UPDATE SALDOTERCERO SET Debito = 1 WHERE Tercero = 'J-1'");
    auto difference = BalanceStore::verify(db());
    ASSERT_TRUE(difference);
    EXPECT_EQ(difference->table, "SALDOTERCERO");
    EXPECT_EQ(difference->key, "E01/E01/110101001/J-1 2025-03 clase 0");
    EXPECT_EQ(difference->storedDebit, 1);
    EXPECT_EQ(difference->postedDebit, 10'000);
    EXPECT_TRUE(difference->text().contains("0.00")) << difference->text().toStdString();

    db().exec("DELETE FROM SALDOCUENTA");
    EXPECT_EQ(BalanceStore::verify(db())->table, "SALDOCUENTA");
    BalanceStore::rebuild(db());
    expectAgrees();

    // December's row carries March's line in the sums of the months before it.
    db().exec("UPDATE SALDOMES SET CreditoAnterior = 5 WHERE Mes = 12");
    difference = BalanceStore::verify(db());
    ASSERT_TRUE(difference);
    EXPECT_EQ(difference->table, "SALDOMES");
    EXPECT_EQ(difference->key, "E01/E01/110101001 2025-12 anterior");
    EXPECT_EQ(difference->storedCredit, 5);
    EXPECT_EQ(difference->postedDebit, 10'000);
    EXPECT_EQ(difference->postedCredit, 0);
    BalanceStore::rebuild(db());
    expectAgrees();
}

// Books kept by the store before it had months: the upgrade adds them up, and the triggers it
// puts in place count each later line once in every table.
TEST(BalanceStoreUpgrade, BooksOfTheEarlierStoreGetTheirMonths)
{
    TestDatabase data{TestDatabase::Content::Empty};
    Db &db = data.db();
    auto migrations = LedgerMigrations();
    migrations.resize(4);
    MigrationRunner(db, migrations).migrate();
    db.exec("INSERT INTO COMPROBANTE (Codigo, Nombre) VALUES ('001', 'T')");
    for (const char *account : {"110101001", "210101001"})
        db.exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre) VALUES (?, 'C')", {account});
    const auto post = [&db](const QString &number, int line, const QString &account, QDate date,
                            qint64 debit, qint64 credit) {
        db.exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, "
                "Usuario, Linea, Cuenta, Fecha, ValorDebito, ValorCredito) "
                "VALUES ('E01', 'E01', '001', ?, 'ANA', ?, ?, ?, ?, ?)",
                {number, line, account, date, debit, credit});
    };
    post("1", 1, "110101001", QDate(2025, 2, 3), 40'000, 0);
    post("1", 2, "210101001", QDate(2025, 2, 3), 0, 40'000);

    MigrationRunner(db, LedgerMigrations()).migrate();
    const auto before = [&db](int month) {
        return db
            .scalar("SELECT DebitoAnterior FROM SALDOMES WHERE Cuenta = '110101001' AND "
                    "Ano = 2025 AND Mes = ?",
                    {month})
            .toLongLong();
    };
    EXPECT_EQ(before(3), 40'000);
    EXPECT_EQ(before(12), 40'000);
    post("2", 1, "110101001", QDate(2025, 7, 9), 2'500, 0);
    post("2", 2, "210101001", QDate(2025, 7, 9), 0, 2'500);
    EXPECT_EQ(before(12), 42'500);
    const auto difference = BalanceStore::verify(db);
    EXPECT_FALSE(difference) << difference->text().toStdString();
}

// Random vouchers of two companies over two years, changed and deleted at random: the store
// never drifts from the sums of the lines.
TEST_F(BalanceStoreTest, RandomBooksNeverDrift)
{
    QRandomGenerator random(20261206);
    const QStringList accounts{"110101001", "110101002", "210101001", "410101001"};
    const QStringList parties{"*", "J-1", "J-2", "V-3"};
    const QStringList types{"001", "002", "999", "099"};
    {
        Transaction tx(db());
        for (int voucher = 1; voucher <= 60; ++voucher) {
            const QString company = random.bounded(2) ? "E01" : "E02";
            const QString type = types[random.bounded(types.size())];
            const QDate date(2024 + random.bounded(2), 1 + random.bounded(12),
                             1 + random.bounded(28));
            const qint64 amount = random.bounded(1, 10'000'000);
            post(company, type, QString::number(voucher), 1,
                 accounts[random.bounded(accounts.size())], parties[random.bounded(parties.size())],
                 date, amount, 0);
            post(company, type, QString::number(voucher), 2,
                 accounts[random.bounded(accounts.size())], parties[random.bounded(parties.size())],
                 date, 0, amount);
        }
        tx.commit();
    }
    db().exec("UPDATE MOVIMIENTO SET ValorDebito = ValorDebito / 3 WHERE Linea = 1 AND "
              "Fecha >= ? AND Fecha < ?",
              {QDate(2024, 6, 1), QDate(2025, 6, 1)});
    db().exec("UPDATE MOVIMIENTO SET Tercero = 'J-2', Cuenta = '210101001' WHERE Tercero = 'J-1'");
    db().exec("DELETE FROM MOVIMIENTO WHERE Empresa = 'E02' AND TipoComprobante = '002'");
    expectAgrees();
}

} // namespace
