#include "periods/PeriodGeneration.h"

#include "PeriodFixture.h"
#include "common/Rate.h"

namespace {

using Result = PeriodGeneration::Result;

class PeriodGenerationTest : public PeriodFixture
{
protected:
    Result generate(const QString &year, bool confirm = true)
    {
        if (confirm)
            prompter.answerYes();
        return PeriodGeneration(session, QDate(2026, 3, 15)).GenerarPeriodo(year);
    }
    void addCounter(const QString &type, const QString &company, const QString &head, int year,
                    int continuous, int monthValue, int continuousNumber)
    {
        db().exec(QString("INSERT INTO CORRCOMPROBANTE (CodigoComprobante, Empresa, Matriz, "
                          "Continuo, %1, Ano, NumeroContinuo) VALUES (?, ?, ?, ?, "
                          "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(PeriodMonths::ColumnList()),
                  {type, company, head, continuous, monthValue, monthValue, monthValue, monthValue,
                   monthValue, monthValue, monthValue, monthValue, monthValue, monthValue,
                   monthValue, monthValue, year, continuousNumber});
    }
    // "Continuo/NumeroContinuo/sum of the months" of one counter row.
    QString counter(const QString &type, const QString &company, int year)
    {
        const auto rows =
            db().rows(QString("SELECT Continuo, NumeroContinuo, %1 FROM CORRCOMPROBANTE "
                              "WHERE CodigoComprobante = ? AND Empresa = ? AND Ano = ?")
                          .arg(PeriodMonths::ColumnList().replace(',', '+')),
                      {type, company, year});
        if (rows.empty())
            return {};
        const QSqlRecord &r = rows.front();
        return QString("%1/%2/%3")
            .arg(r.value(0).toInt())
            .arg(r.value(1).toInt())
            .arg(r.value(2).toInt());
    }
    void addRate(const char *table, const char *column, int year, int month, qint64 millionths)
    {
        db().exec(QString("INSERT INTO %1 (Ano, Mes, %2) VALUES (?, ?, ?)").arg(table, column),
                  {year, month, Rate::fromMillionths(millionths).toSql()});
    }
    qint64 rate(const char *table, const char *column, int year, int month)
    {
        return Rate::fromSql(
                   db().scalar(
                       QString("SELECT %2 FROM %1 WHERE Ano = ? AND Mes = ?").arg(table, column),
                       {year, month}))
            .millionths();
    }
    int voucherTypes() { return db().scalar("SELECT COUNT(*) FROM COMPROBANTE").toInt(); }
};

TEST_F(PeriodGenerationTest, FirstYearOfAnEmptyDatabaseGetsZeroCountersAndOpenPeriods)
{
    EXPECT_EQ(generate("2026"), Result::Generated);
    EXPECT_EQ(prompter.texts(), QStringList({"Desea generar el periodo contable..?",
                                             "Periodo generado con exito.. !"}));
    EXPECT_EQ(count("CORRCOMPROBANTE", 2026), voucherTypes() * 3);
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM CORRCOMPROBANTE WHERE Continuo <> 0 OR "
                          "NumeroContinuo <> 0 OR Enero + Junio + Diciembre <> 0")
                  .toInt(),
              0);
    EXPECT_EQ(counter("001", "A02", 2026), "0/0/0");
    EXPECT_EQ(count("PERIODO", 2026), 3);
    EXPECT_EQ(periodFlags("A01", "A01", 2026), "000000000000");
    EXPECT_EQ(periodFlags("A02", "A01", 2026), "000000000000");
    EXPECT_EQ(periodFlags("B01", "B01", 2026), "000000000000");
}

TEST_F(PeriodGenerationTest, GeneratingAYearTwiceInsertsNothingTheSecondTime)
{
    ASSERT_EQ(generate("2026"), Result::Generated);
    const int counters = count("CORRCOMPROBANTE", 2026);
    prompter.clear();
    EXPECT_EQ(generate("2026"), Result::Generated);
    EXPECT_EQ(prompter.lastText(), "Periodo generado con exito.. !");
    EXPECT_EQ(count("CORRCOMPROBANTE", 2026), counters);
    EXPECT_EQ(count("PERIODO", 2026), 3);
    EXPECT_EQ(PeriodGeneration::PrepareYear(db(), 2026).total(), 0);
}

TEST_F(PeriodGenerationTest, ContinuousCountersKeepTheirNumberWhileMonthsRestart)
{
    addCounter("001", "A01", "A01", 2025, 1, 9, 57);
    addCounter("002", "A01", "A01", 2025, 0, 14, 3);
    addPeriod("A01", "A01", 2025, {1, 2, 3});
    EXPECT_EQ(generate("2026"), Result::Generated);
    EXPECT_EQ(counter("001", "A01", 2026), "1/57/0");
    EXPECT_EQ(counter("002", "A01", 2026), "0/3/0");
    // New periods are open, whatever the year before had blocked.
    EXPECT_EQ(periodFlags("A01", "A01", 2026), "000000000000");
}

TEST_F(PeriodGenerationTest, CopiesFromTheYearBeforeAndStillAddsEveryMissingRow)
{
    session.gAno = 2023; // the working year plays no part
    addCounter("001", "A01", "A01", 2023, 1, 0, 11);
    addCounter("001", "A01", "A01", 2025, 1, 0, 40);
    addPeriod("A01", "A01", 2025);
    addPeriod("A01", "A01", 2023);
    addPeriod("A02", "A01", 2023);
    EXPECT_EQ(generate("2026"), Result::Generated);
    EXPECT_EQ(counter("001", "A01", 2026), "1/40/0");
    EXPECT_EQ(count("CORRCOMPROBANTE", 2026), voucherTypes() * 3);
    EXPECT_EQ(counter("002", "B01", 2026), "0/0/0");
    EXPECT_EQ(count("PERIODO", 2026), 3);
}

TEST_F(PeriodGenerationTest, RatesAndIndexesAlreadyEnteredForTheYearAreKept)
{
    addRate("TRM", "Valor", 2025, 1, 36500000);
    addRate("TRM", "Valor", 2025, 2, 37250000);
    addRate("TRM", "Valor", 2026, 2, 99000000);
    addRate("IPC", "Porcentaje", 2025, 12, 2345678);
    addRate("IPC", "Porcentaje", 2026, 12, 1000000);
    addRate("IPC", "Porcentaje", 2024, 5, 7000000);
    EXPECT_EQ(generate("2026"), Result::Generated);
    EXPECT_EQ(rate("TRM", "Valor", 2026, 1), 36500000);
    EXPECT_EQ(rate("TRM", "Valor", 2026, 2), 99000000);
    EXPECT_EQ(rate("IPC", "Porcentaje", 2026, 12), 1000000);
    EXPECT_EQ(count("TRM", 2026), 2);
    EXPECT_EQ(count("IPC", 2026), 1);
}

TEST_F(PeriodGenerationTest, AFailingStepLeavesNothingOfTheYear)
{
    addCounter("001", "A01", "A01", 2025, 0, 0, 0);
    db().execScript({"DROP TABLE IPC"});
    EXPECT_EQ(generate("2026"), Result::Failed);
    ASSERT_FALSE(prompter.messages().empty());
    EXPECT_EQ(prompter.messages().back().kind, ScriptedPrompter::Kind::Error);
    EXPECT_EQ(count("CORRCOMPROBANTE", 2026), 0);
    EXPECT_EQ(count("PERIODO", 2026), 0);
}

TEST_F(PeriodGenerationTest, TheYearMustHaveFourDigitsAndTheUserMustConfirm)
{
    for (const char *typed : {"", "   ", "202", "20a6", "-2026"}) {
        prompter.clear();
        EXPECT_EQ(generate(typed, false), Result::InvalidYear) << typed;
        EXPECT_EQ(prompter.texts(), QStringList{"Introduzca un año valido...!"}) << typed;
    }
    prompter.clear();
    prompter.answerNo();
    EXPECT_EQ(generate(" 2026 ", false), Result::Declined);
    EXPECT_EQ(prompter.texts(), QStringList{"Desea generar el periodo contable..?"});
    EXPECT_EQ(count("PERIODO", 2026), 0);
    EXPECT_EQ(count("CORRCOMPROBANTE", 2026), 0);
}

TEST_F(PeriodGenerationTest, OnlyUsersAllowedToApproveOnTheNodeMayGenerate)
{
    session.gUsuario = "LUIS";
    EXPECT_EQ(generate("2026", false), Result::NotAllowed);
    EXPECT_EQ(prompter.texts(), QStringList{"¡No tiene permiso para realizar esta operación!"});
    EXPECT_EQ(count("PERIODO", 2026), 0);
    session.gUsuario = "ADMIN";
    EXPECT_EQ(generate("2026"), Result::Generated);
}

TEST_F(PeriodGenerationTest, ProposesTheYearAfterTheLastOneWithPeriods)
{
    PeriodGeneration generation(session, QDate(2026, 3, 15));
    EXPECT_EQ(generation.suggestedYear(), 2026);
    addPeriod("A01", "A01", 2024);
    addPeriod("B01", "B01", 2027);
    EXPECT_EQ(generation.suggestedYear(), 2028);
}

TEST_F(PeriodGenerationTest, ReportsEachStageInOrder)
{
    QStringList seen;
    prompter.answerYes();
    PeriodGeneration(session).GenerarPeriodo("2026", [&](const QString &label, int done, int) {
        seen << QString("%1:%2").arg(done).arg(label);
    });
    EXPECT_EQ(seen,
              QStringList({"0:Generando correlativos de comprobantes...", "1:Generando periodos...",
                           "2:Generando tasa representativa...", "3:Generando I.P.C ...", "4:"}));
}

} // namespace
