#include "periods/PeriodChange.h"

#include "PeriodFixture.h"

namespace {

using Result = PeriodChange::Result;

// Today is 15 March 2026 for every case.
class PeriodChangeTest : public PeriodFixture
{
protected:
    PeriodChangeTest()
    {
        session.host = &host;
        addPeriod("A01", "A01", 2025, {11});
        addPeriod("A01", "A01", 2026, {2});
    }
    Result change(const QString &month, const QString &year)
    {
        return PeriodChange(session, QDate(2026, 3, 15)).CambiarPeriodo(month, year);
    }
    void closeFiscalYear(int closingMonth, int year)
    {
        db().exec("UPDATE EMPRESA SET Mes = ?, Ano = ? WHERE Codigo = 'A01'", {closingMonth, year});
    }
    QString period() const { return QString("%1/%2").arg(session.gMes).arg(session.gAno); }

    RecordingHost host;
};

TEST_F(PeriodChangeTest, AnAcceptedPeriodBecomesTheWorkingPeriodAndTheStatusSaysSo)
{
    EXPECT_EQ(change(" 1 ", "2026"), Result::Changed);
    EXPECT_EQ(period(), "1/2026");
    EXPECT_EQ(host.panel, "USUARIO: Ana Pérez        PROCESA: Enero/2026");
    EXPECT_TRUE(prompter.messages().empty());
    session.host = nullptr; // no main window: the session still changes
    EXPECT_EQ(change("3", "2026"), Result::Changed);
    EXPECT_EQ(period(), "3/2026");
}

TEST_F(PeriodChangeTest, FieldsAreCheckedInOrder)
{
    EXPECT_EQ(change("", "2026"), Result::EmptyMonth);
    EXPECT_EQ(change("1", "  "), Result::EmptyYear);
    EXPECT_EQ(change("uno", "2026"), Result::MonthNotNumeric);
    EXPECT_EQ(change("1", "20x6"), Result::YearNotNumeric);
    EXPECT_EQ(prompter.texts(),
              QStringList({"¡El campo no debe estar vacio!", "¡El campo no debe estar vacio!",
                           "¡Campo debe ser tipo numerico!", "¡Campo debe ser tipo numerico!"}));
    for (const auto &m : prompter.messages())
        EXPECT_EQ(m.kind, ScriptedPrompter::Kind::Warning);
    EXPECT_EQ(period(), "0/0");
    EXPECT_TRUE(host.panel.isEmpty());
}

TEST_F(PeriodChangeTest, PeriodsAfterTheCurrentMonthAreInvalidInAnyYear)
{
    addPeriod("A01", "A01", 2027);
    EXPECT_EQ(change("4", "2026"), Result::Invalid);
    EXPECT_EQ(change("1", "2027"), Result::Invalid);
    EXPECT_EQ(prompter.texts(), QStringList({"¡Periodo invalido!", "¡Periodo invalido!"}));
    EXPECT_EQ(change("3", "2026"), Result::Changed);
}

TEST_F(PeriodChangeTest, AYearWithoutPeriodsIsInvalidAndABadMonthIsRefusedSilently)
{
    EXPECT_EQ(change("5", "2024"), Result::Invalid);
    EXPECT_EQ(prompter.lastText(), "¡Periodo invalido!");
    prompter.clear();
    EXPECT_EQ(change("13", "2025"), Result::MonthOutOfRange);
    EXPECT_EQ(change("0", "2025"), Result::MonthOutOfRange);
    EXPECT_TRUE(prompter.messages().empty());
    EXPECT_EQ(period(), "0/0");
}

TEST_F(PeriodChangeTest, OnlyAdministratorsMayMoveIntoABlockedMonth)
{
    EXPECT_EQ(change("2", "2026"), Result::Blocked);
    EXPECT_EQ(prompter.texts(), QStringList{"¡Periodo bloqueado!"});
    EXPECT_EQ(period(), "0/0");
    session.gUsuario = "ADMIN";
    EXPECT_EQ(change("2", "2026"), Result::Changed);
    session.gUsuario = "SUPER";
    EXPECT_EQ(change("11", "2025"), Result::Changed);
    EXPECT_EQ(period(), "11/2025");
}

TEST_F(PeriodChangeTest, AClosedFiscalYearIsRefusedEvenToAdministrators)
{
    const QString closed =
        "¡No puede cambiar al periodo seleccionado! El cierre se realizo en ese periodo!";
    session.gUsuario = "ADMIN";
    closeFiscalYear(12, 2025);
    EXPECT_EQ(change("12", "2025"), Result::YearClosed);
    EXPECT_EQ(change("1", "2025"), Result::YearClosed);
    EXPECT_EQ(prompter.texts(), QStringList({closed, closed}));
    EXPECT_EQ(change("1", "2026"), Result::Changed);

    // A fiscal year that ends in June leaves the second half of the calendar year open.
    closeFiscalYear(6, 2025);
    EXPECT_EQ(change("6", "2025"), Result::YearClosed);
    EXPECT_EQ(change("7", "2025"), Result::Changed);
    EXPECT_EQ(period(), "7/2025");
}

TEST_F(PeriodChangeTest, FieldsOpenOnTheWorkingPeriodOrOnThisMonth)
{
    PeriodChange fresh(session, QDate(2026, 3, 15));
    EXPECT_EQ(fresh.initialMonth() + "/" + fresh.initialYear(), "3/2026");
    session.gMes = 11;
    session.gAno = 2025;
    EXPECT_EQ(fresh.initialMonth() + "/" + fresh.initialYear(), "11/2025");
}

} // namespace
