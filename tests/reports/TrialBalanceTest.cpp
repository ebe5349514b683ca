#include "reports/TrialBalance.h"

#include "TrialBalanceBooks.h"

#include "platform/Db.h"
#include "platform/Transaction.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

Money u(qint64 units)
{
    return Money::fromUnits(units);
}

// The books of TrialBalanceBooks (head office E01 with branch E02, a chart in five levels),
// posted by amounts in whole units.
class TrialBalanceTest : public ::testing::Test
{
protected:
    Db &db() { return books.db(); }
    void post(QDate date, const QString &debited, const QString &credited, qint64 units,
              const QString &type = "001", const QString &company = "E01")
    {
        books.post(date, debited, credited, u(units), type, company);
    }
    TrialBalanceOptions options(int month, int year)
    {
        TrialBalanceOptions o;
        o.company = o.headOffice = "E01";
        o.month = month;
        o.year = year;
        return o;
    }
    // The row of `code`; a row of zeros named "absent" when the balance does not list it.
    TrialBalanceRow row(const TrialBalanceOptions &o, const QString &code)
    {
        for (const TrialBalanceRow &r : TrialBalance::compute(db(), o))
            if (r.code == code)
                return r;
        return {"absent", {}, false, {}};
    }
    QStringList codes(const TrialBalanceOptions &o)
    {
        QStringList list;
        for (const TrialBalanceRow &r : TrialBalance::compute(db(), o))
            list << r.code;
        return list;
    }

    TrialBalanceBooks books;
};

TEST_F(TrialBalanceTest, TheFirstMonthOpensFromTheOpeningVoucherOnly)
{
    post(QDate(2025, 1, 1), "110501001", "210101001", 1000, "999");
    post(QDate(2025, 1, 10), "110501001", "410101001", 300);
    post(QDate(2025, 2, 5), "110501001", "210101001", 50, "999"); // a late opening voucher

    const auto january = row(options(1, 2025), "110501001");
    EXPECT_EQ(january.sum.opening, u(1000));
    EXPECT_EQ(january.sum.debit, u(300));
    EXPECT_EQ(january.sum.closing(), u(1300));

    // February opens with everything since the start of the year; its own "999" is no
    // movement of the month and waits for March's opening balance.
    const auto february = row(options(2, 2025), "110501001");
    EXPECT_EQ(february.sum.opening, u(1300));
    EXPECT_TRUE(february.sum.debit.isZero());
    EXPECT_EQ(row(options(3, 2025), "110501001").sum.opening, u(1350));
    // Credit balances are negative: debit minus credit, for every class.
    EXPECT_EQ(row(options(3, 2025), "2").sum.opening, -u(1050));
}

TEST_F(TrialBalanceTest, AFiscalYearClosingInJuneStartsInJuly)
{
    db().exec("UPDATE EMPRESA SET Mes = 6");
    post(QDate(2025, 6, 30), "110501001", "410101001", 500);
    post(QDate(2025, 7, 1), "110501001", "210101001", 800, "999");
    post(QDate(2025, 7, 2), "120101001", "110501001", 100);
    // July is the first month: the June movements belong to the year before.
    EXPECT_EQ(row(options(7, 2025), "110501001").sum.opening, u(800));
    // January is mid-year: the opening counts from July on, across the calendar year.
    EXPECT_EQ(row(options(1, 2026), "110501001").sum.opening, u(700));
    EXPECT_EQ(row(options(6, 2025), "110501001").sum.opening, Money());
    EXPECT_EQ(row(options(6, 2025), "110501001").sum.debit, u(500));
}

TEST_F(TrialBalanceTest, DecemberClosingThenJanuaryOpensAfresh)
{
    post(QDate(2024, 12, 15), "110501001", "410101001", 400);
    post(QDate(2025, 1, 1), "110501001", "210101001", 999, "999");
    EXPECT_EQ(row(options(12, 2024), "110501001").sum.closing(), u(400));
    EXPECT_EQ(row(options(1, 2025), "110501001").sum.opening, u(999));
}

TEST_F(TrialBalanceTest, ParentsSumTheirDescendantsAndLevelsLimitTheCodes)
{
    post(QDate(2025, 3, 1), "110501001", "410101001", 100);
    post(QDate(2025, 3, 2), "110501002", "410101001", 20);
    EXPECT_EQ(row(options(3, 2025), "1105").sum.debit, u(120));
    EXPECT_EQ(row(options(3, 2025), "1").sum.debit, u(120));
    EXPECT_EQ(row(options(3, 2025), "4").sum.credit, u(120));

    auto o = options(3, 2025);
    o.level = 1;
    EXPECT_EQ(codes(o), QStringList({"1", "11", "4", "41"}));
    o.level = 3;
    EXPECT_EQ(codes(o), QStringList({"1", "11", "1105", "110501", "4", "41", "4101", "410101"}));
    // Parents without movement stay out unless every account is asked for.
    o.level = 1;
    o.showAll = true;
    EXPECT_EQ(codes(o), QStringList({"1", "11", "12", "2", "21", "3", "31", "4", "41"}));
}

TEST_F(TrialBalanceTest, TheRangeComparesCodesAsText)
{
    post(QDate(2025, 3, 1), "110501001", "410101001", 100);
    auto o = options(3, 2025);
    o.from = "11";
    o.to = "12";
    EXPECT_EQ(codes(o), QStringList({"11", "1105", "110501", "110501001"}));
    o.to.clear(); // both ends or none
    EXPECT_EQ(codes(o).size(), 10);
}

TEST_F(TrialBalanceTest, ConsolidatedSumsEveryCompanyOfTheHeadOffice)
{
    post(QDate(2025, 3, 1), "110501001", "410101001", 100);
    post(QDate(2025, 3, 1), "110501001", "410101001", 40, "001", "E02");
    auto o = options(3, 2025);
    EXPECT_EQ(row(o, "110501001").sum.debit, u(100));
    o.consolidated = true;
    EXPECT_EQ(row(o, "110501001").sum.debit, u(140));
}

TEST_F(TrialBalanceTest, TheClosingVoucherCanBeLeftOutOfItsMonth)
{
    post(QDate(2025, 12, 10), "110501001", "410101001", 100);
    post(QDate(2025, 12, 31), "410101001", "210101001", 100, "099");
    auto o = options(12, 2025);
    EXPECT_EQ(row(o, "410101001").sum.debit, u(100));
    o.withoutClosing = true;
    EXPECT_TRUE(row(o, "410101001").sum.debit.isZero());
    EXPECT_EQ(row(o, "410101001").sum.credit, u(100));
}

TEST(TrialBalanceRollUp, ShortCodesCountOnceAndSQL2000TakesTheWholeCode)
{
    const std::map<QString, AccountSum> sums{{"11", {u(5), {}, {}}},
                                             {"1105010010", {u(7), {}, {}}}};
    const auto rolled = TrialBalance::rollUp(sums, 9, false);
    EXPECT_EQ(rolled.value("11").opening, u(12));
    EXPECT_EQ(rolled.value("1").opening, u(12));
    EXPECT_EQ(rolled.value("110501001").opening, u(7));
    EXPECT_FALSE(rolled.contains("1105010010"));
    EXPECT_EQ(TrialBalance::rollUp(sums, 9, true).value("1105010010").opening, u(7));
}

// Random books over two calendar years, corrected and partly deleted after posting: every
// month and level of the balance from the store equals the sums taken line by line from
// MOVIMIENTO, for fiscal years closing in December and in June, of the head office alone and
// consolidated, with and without the month's closing vouchers.
TEST_F(TrialBalanceTest, TheStoreGivesWhatTheLinesAddUpTo)
{
    QRandomGenerator random(42);
    const QStringList details{"110501001", "110501002", "120101001", "210101001", "410101001"};
    const QStringList types{"001", "001", "001", "999", "099"};
    {
        Transaction tx(db());
        for (int i = 0; i < 120; ++i)
            post(QDate(2024 + random.bounded(2), 1 + random.bounded(12), 1 + random.bounded(28)),
                 details[random.bounded(details.size())], details[random.bounded(details.size())],
                 random.bounded(1, 5000), types[random.bounded(types.size())],
                 random.bounded(2) ? "E01" : "E02");
        tx.commit();
    }
    db().exec("UPDATE MOVIMIENTO SET Fecha = ? WHERE NumeroComprobante IN ('3', '4', '5')",
              {QDate(2025, 2, 14)});
    db().exec("UPDATE MOVIMIENTO SET ValorDebito = ValorDebito * 2, ValorCredito = "
              "ValorCredito * 2 WHERE NumeroComprobante = '10'");
    db().exec("DELETE FROM MOVIMIENTO WHERE NumeroComprobante IN ('7', '8', '90')");

    struct Line
    {
        QString company, account, type;
        QDate date;
        Money debit, credit;
    };
    std::vector<Line> lines;
    for (const QSqlRecord &r : db().rows("SELECT Empresa, Cuenta, TipoComprobante, Fecha, "
                                         "ValorDebito, ValorCredito FROM MOVIMIENTO"))
        lines.push_back({r.value(0).toString(), r.value(1).toString(), r.value(2).toString(),
                         r.value(3).toDate(), Money::fromSql(r.value(4)),
                         Money::fromSql(r.value(5))});

    for (int closing : {12, 6}) {
        db().exec("UPDATE EMPRESA SET Mes = ?", {closing});
        for (QDate month(2024, 1, 1); month.year() < 2026; month = month.addMonths(1)) {
            const int firstMonth = closing % 12 + 1;
            const QDate fiscalStart(month.month() >= firstMonth ? month.year() : month.year() - 1,
                                    firstMonth, 1);
            for (bool consolidated : {false, true}) {
                auto o = options(month.month(), month.year());
                o.consolidated = consolidated;
                o.withoutClosing = month.month() % 2 == 0;
                o.showAll = true;
                const auto balance = TrialBalance::compute(db(), o);
                ASSERT_EQ(balance.size(), TrialBalanceBooks::chart().size());
                for (const TrialBalanceRow &row : balance) {
                    AccountSum expected;
                    for (const Line &l : lines) {
                        if ((!consolidated && l.company != "E01") ||
                            !l.account.startsWith(row.code) || l.date < fiscalStart ||
                            l.date >= month.addMonths(1))
                            continue;
                        if (l.date < month || (l.type == "999" && month == fiscalStart)) {
                            expected.opening += l.debit - l.credit;
                        } else if (l.type != "999" && !(o.withoutClosing && l.type == "099")) {
                            expected.debit += l.debit;
                            expected.credit += l.credit;
                        }
                    }
                    const std::string where = QString("closing %1, %2, %3%4")
                                                  .arg(closing)
                                                  .arg(month.toString("yyyy-MM"), row.code,
                                                       consolidated ? ", consolidated" : "")
                                                  .toStdString();
                    EXPECT_EQ(row.sum.opening, expected.opening) << where;
                    EXPECT_EQ(row.sum.debit, expected.debit) << where;
                    EXPECT_EQ(row.sum.credit, expected.credit) << where;
                }
            }
        }
    }
}

} // namespace
