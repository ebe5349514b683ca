#include "calendar/PeriodService.h"
#include "calendar/FiscalYear.h"
#include "calendar/PeriodMonths.h"

#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

using Status = PeriodService::Status;

TEST(FiscalYear, EndsOnTheLastDayOfTheClosingMonth)
{
    const auto calendarYear = FiscalYear::containing(QDate(2024, 2, 29), 12);
    EXPECT_EQ(calendarYear.first, QDate(2024, 1, 1));
    EXPECT_EQ(calendarYear.last, QDate(2024, 12, 31));

    // A company closing in June: July 2023 to June 2024.
    const auto june = FiscalYear::containing(QDate(2023, 7, 1), 6);
    EXPECT_EQ(june.first, QDate(2023, 7, 1));
    EXPECT_EQ(june.last, QDate(2024, 6, 30));
    EXPECT_TRUE(june.contains(QDate(2024, 6, 30)));
    EXPECT_FALSE(june.contains(QDate(2024, 7, 1)));
    EXPECT_EQ(FiscalYear::containing(QDate(2024, 6, 30), 6).first, QDate(2023, 7, 1));

    EXPECT_EQ(FiscalYear::endingIn(2024, 2).last, QDate(2024, 2, 29));
    EXPECT_EQ(FiscalYear::endingIn(2024, 0).last, QDate(2024, 12, 31)); // no month: December
}

// Head office A01 (fiscal year closed up to 2024, closing in June), its branch A02 (inactive),
// ANA an ordinary user, ADMIN a member of "SISTEMAS".
class PeriodServiceTest : public ::testing::Test
{
protected:
    PeriodServiceTest()
    {
        Fixtures::addCompany(db(), "A01", "ALFA", {}, 1, 6, 2024);
        Fixtures::addCompany(db(), "A02", "ALFA SUCURSAL", "A01", 0, 6, 2024);
        Fixtures::addUser(db(), "ANA", "x");
        Fixtures::addUser(db(), "ADMIN", "x", {"SISTEMAS"});
        addPeriod("A01", 2024, {});
        addPeriod("A01", 2025, {3});
        addPeriod("A02", 2025, {});
    }
    Db &db() { return data.db(); }
    void addPeriod(const QString &company, int year, std::initializer_list<int> blocked)
    {
        QVariantList params{company, "A01", year};
        for (int m = 1; m <= 12; ++m)
            params << (std::find(blocked.begin(), blocked.end(), m) != blocked.end() ? 1 : 0);
        db().exec(QString("INSERT INTO PERIODO (Empresa, Matriz, Ano, %1) "
                          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(PeriodMonths::ColumnList()),
                  params);
    }
    Status status(const QString &company, QDate date, const QString &user = "ANA")
    {
        return PeriodService(db()).status(company, "A01", date, user);
    }

    TestDatabase data;
};

TEST_F(PeriodServiceTest, AnswersEachStateOfTheBooks)
{
    EXPECT_EQ(status("A01", QDate(2025, 1, 31)), Status::Open);
    EXPECT_EQ(status("A01", QDate(2025, 3, 1)), Status::Blocked);
    EXPECT_EQ(status("A01", QDate(2025, 3, 1), "ADMIN"), Status::Open);
    EXPECT_EQ(status("A01", QDate(2026, 1, 1)), Status::NoPeriod);
    EXPECT_EQ(status("A01", QDate()), Status::NoPeriod);
    EXPECT_EQ(status("A02", QDate(2025, 1, 1)), Status::CompanyInactive);
    EXPECT_EQ(status("ZZZ", QDate(2025, 1, 1)), Status::CompanyInactive);
}

TEST_F(PeriodServiceTest, TheClosedFiscalYearEndsWithItsClosingMonth)
{
    // Closed up to June 2024: the first half of 2024 is closed even for administrators and
    // even though the year has its periods; July opens the next fiscal year.
    EXPECT_EQ(PeriodService(db()).closedUntil("A01", "A01"), QDate(2024, 6, 30));
    EXPECT_EQ(status("A01", QDate(2024, 6, 30), "ADMIN"), Status::YearClosed);
    EXPECT_EQ(status("A01", QDate(2024, 7, 1)), Status::Open);

    db().exec("UPDATE EMPRESA SET Ano = 0 WHERE Codigo = 'A01'");
    EXPECT_FALSE(PeriodService(db()).closedUntil("A01", "A01").isValid());
    EXPECT_EQ(status("A01", QDate(2024, 1, 1)), Status::Open);
}

} // namespace
