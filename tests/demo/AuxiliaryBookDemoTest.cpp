#include "demo/DemoCompany.h"

#include "reports/AuxiliaryBook.h"
#include "reports/TrialBalance.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>
#include <map>

namespace {

const QDate Today(2026, 3, 15);

// The demo, built once as of the middle of March 2026 and only read.
class AuxiliaryBookDemoTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        database = new TestDatabase(TestDatabase::Content::Empty);
        summary = DemoCompany::Create(database->db(), Today);
    }
    static void TearDownTestSuite()
    {
        delete database;
        database = nullptr;
    }
    static Db &db() { return database->db(); }

    static TestDatabase *database;
    static DemoCompany::Summary summary;
};

TestDatabase *AuxiliaryBookDemoTest::database = nullptr;
DemoCompany::Summary AuxiliaryBookDemoTest::summary;

// Every month of both years, each company and the group: the auxiliary book opens each
// account with the trial balance's opening balance and moves it by the same debits and
// credits.
TEST_F(AuxiliaryBookDemoTest, EveryMonthsAccountsAreTheTrialBalances)
{
    const QString head = summary.headOffice;
    for (const QString &company : {head, summary.branch})
        for (QDate first(2025, 1, 1); first <= Today; first = first.addMonths(1))
            for (bool consolidated : {false, true}) {
                if (consolidated && company != head)
                    continue;
                const std::string when = (company + first.toString(QStringLiteral(" MM/yyyy")) +
                                          (consolidated ? QStringLiteral(" group") : QString()))
                                             .toStdString();
                TrialBalanceOptions t;
                t.company = company;
                t.headOffice = head;
                t.consolidated = consolidated;
                t.month = first.month();
                t.year = first.year();
                std::map<QString, AccountSum> expected;
                for (const TrialBalanceRow &row : TrialBalance::compute(db(), t))
                    if (!row.summary)
                        expected[row.code] = row.sum;

                AuxiliaryBookOptions a;
                a.company = company;
                a.headOffice = head;
                a.consolidated = consolidated;
                a.year = first.year();
                a.firstMonth = a.lastMonth = first.month();
                std::map<QString, AccountSum> got;
                size_t lines = 0;
                for (const AuxiliaryAccount &account : AuxiliaryBook::compute(db(), a).accounts) {
                    // An account whose third parties' balances cancel out and that did not
                    // move is no line of the trial balance.
                    AccountSum sum{account.opening, account.debit, account.credit};
                    if (!sum.isZero())
                        got[account.code] = sum;
                    for (const AuxiliaryParty &party : account.parties)
                        lines += party.lines.size();
                }
                ASSERT_EQ(got.size(), expected.size()) << when;
                for (const auto &[code, sum] : expected) {
                    const AccountSum &mine = got[code];
                    EXPECT_EQ(mine.opening, sum.opening) << when << " " << code.toStdString();
                    EXPECT_EQ(mine.debit, sum.debit) << when << " " << code.toStdString();
                    EXPECT_EQ(mine.credit, sum.credit) << when << " " << code.toStdString();
                }
                EXPECT_GT(lines, 0u) << when;
            }
}

} // namespace
