#include "reports/TrialBalanceReport.h"

#include "TrialBalanceBooks.h"
#include "common/report/RecordingReportOutput.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

Money u(qint64 units)
{
    return Money::fromUnits(units);
}

class TrialBalanceReportTest : public ::testing::Test, protected TrialBalanceBooks
{
protected:
    TrialBalanceOptions options(int month = 3, int year = 2025)
    {
        return TrialBalanceReport::optionsFor(session, month, year);
    }
    // The values of `column` for the row of `code`.
    QVariant value(const ReportData &data, const QString &code, const QString &column)
    {
        const int codes = data.columnIndex("Codigo");
        for (int r = 0; r < data.rowCount(); ++r)
            if (data.row(r)[codes].toString() == code)
                return data.row(r)[data.columnIndex(column)];
        return QStringLiteral("absent");
    }
    Money amount(const ReportData &data, const QString &code, const QString &column)
    {
        return Money::fromThousandths(value(data, code, column).toLongLong());
    }
    Money total(const ReportData &data, const QString &column)
    {
        Money sum;
        const int c = data.columnIndex(column);
        for (int r = 0; r < data.rowCount(); ++r)
            sum += Money::fromThousandths(data.row(r)[c].toLongLong());
        return sum;
    }
};

TEST_F(TrialBalanceReportTest, RowsCarryTheHeadingThenTheAccountInTheReportsColumnOrder)
{
    postAFewMonths();
    session.gVersionSQL = "SQL2005";
    const ReportData data = TrialBalanceReport::rows(session, options());
    EXPECT_EQ(data.columns().mid(0, TrialBalanceReport::rowColumnCount()),
              QStringList({"NombreEmpresa",
                           "NombreMatriz",
                           "DireccionEmpresa",
                           "CiudadEmpresa",
                           "TelefonoEmpresa",
                           "NombreIDEmpresa",
                           "Usuario",
                           "NombreUsuario",
                           "Codigo",
                           "nombre",
                           "Mes",
                           "Ano",
                           "UsuarioReporte",
                           "SaldoInicial",
                           "valordebito",
                           "valorcredito",
                           "NuevoSaldo",
                           "NombreIDEmpresa",
                           "NivelDetalle",
                           "CantDigCuenta",
                           "EsPadre",
                           "Consolidado"}));
    ASSERT_EQ(data.row(0).size(), data.columns().size());
    EXPECT_EQ(data.row(0)[0].toString(), "Distribuidora Alfa, C.A.");
    EXPECT_EQ(value(data, "110501001", "nombre").toString(), "Banco Mercantil cuenta corriente");
    EXPECT_EQ(value(data, "110501001", "Mes").toInt(), 3);
    EXPECT_EQ(value(data, "110501001", "Ano").toInt(), 2025);
    EXPECT_EQ(value(data, "110501001", "UsuarioReporte").toString(), "Ana Rojas");
    EXPECT_EQ(value(data, "110501001", "CantDigCuenta").toInt(), 9);
    EXPECT_EQ(value(data, "110501001", "NivelDetalle").toInt(), 4);
    EXPECT_EQ(value(data, "110501001", "EsPadre").toInt(), 0);
    EXPECT_EQ(value(data, "1105", "EsPadre").toInt(), 1);
    // Opening: the January voucher and February's movements; March's own in the columns.
    EXPECT_EQ(amount(data, "1105", "SaldoInicial"), u(50000) + Money::fromCents(830075));
    EXPECT_EQ(amount(data, "110501001", "valordebito"), Money::fromCents(415025));
    EXPECT_EQ(amount(data, "110501001", "valorcredito"), u(6000));
    EXPECT_EQ(amount(data, "110501001", "NuevoSaldo"),
              u(50000) + Money::fromCents(415025) - u(6000));
    EXPECT_EQ(value(data, "110501001", "CodigoSangrado").toString(), "            110501001");
    EXPECT_EQ(value(data, "11", "NombreSangrado").toString(), "   ACTIVO CIRCULANTE");
}

TEST_F(TrialBalanceReportTest, TotalsCountEveryLineOnceAndProveDebitsEqualCredits)
{
    postAFewMonths();
    auto o = options();
    const ReportData data = TrialBalanceReport::rows(session, o);
    // Only the classes carry totals; their parents and details are inside them.
    EXPECT_EQ(amount(data, "1", "TotalDebito"), amount(data, "1", "valordebito"));
    EXPECT_TRUE(amount(data, "11", "TotalDebito").isZero());
    EXPECT_EQ(total(data, "TotalDebito"), Money::fromCents(415025) + u(6000));
    EXPECT_EQ(total(data, "TotalDebito"), total(data, "TotalCredito"));
    EXPECT_TRUE(total(data, "TotalSaldoInicial").isZero());
    EXPECT_TRUE(total(data, "TotalNuevoSaldo").isZero());

    // Without the classes in the range, the highest listed accounts carry them.
    o.from = "11";
    o.to = "1199";
    const ReportData range = TrialBalanceReport::rows(session, o);
    EXPECT_EQ(total(range, "TotalDebito"), amount(range, "11", "valordebito"));
    EXPECT_EQ(total(range, "TotalCredito"), u(6000));
}

TEST_F(TrialBalanceReportTest, OnlyAHeadOfficeConsolidatesItsBranches)
{
    postAFewMonths();
    auto o = options();
    o.consolidated = true;
    EXPECT_TRUE(TrialBalanceReport::consolidationAllowed(session));
    ReportData data = TrialBalanceReport::rows(session, o);
    EXPECT_EQ(amount(data, "110501002", "valordebito"), u(900));
    EXPECT_EQ(value(data, "110501002", "Consolidado").toInt(), 1);

    session.gEmpresa = "E02";
    EXPECT_FALSE(TrialBalanceReport::consolidationAllowed(session));
    o = options();
    o.consolidated = true;
    data = TrialBalanceReport::rows(session, o);
    EXPECT_EQ(amount(data, "110501002", "valordebito"), u(900));
    EXPECT_EQ(amount(data, "110501001", "valordebito"), Money()) << "E01's lines stay out";
    EXPECT_EQ(value(data, "110501002", "Consolidado").toInt(), 0);
}

TEST_F(TrialBalanceReportTest, TheSQL2000SettingGroupsDetailsOnTheWholeCode)
{
    session.gVersionSQL = "SQL2000";
    EXPECT_TRUE(options().wholeCodeDetail);
    session.gVersionSQL = "SQL2005";
    EXPECT_FALSE(options().wholeCodeDetail);
    EXPECT_EQ(options().company, "E01");
    EXPECT_EQ(options().headOffice, "E01");
}

TEST_F(TrialBalanceReportTest, AnEmptyYearIsRefusedWithTheWindowsMessage)
{
    EXPECT_FALSE(TrialBalanceReport::checkYear("", prompter));
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].kind, ScriptedPrompter::Kind::Warning);
    EXPECT_EQ(prompter.messages()[0].text, "¡Debe seleccionar un año!");
    EXPECT_EQ(prompter.messages()[0].title, "Información");
    EXPECT_TRUE(TrialBalanceReport::checkYear("2025", prompter));
    EXPECT_EQ(prompter.messages().size(), 1u);
}

TEST_F(TrialBalanceReportTest, TheAccountLookupListsTheCodesThatBeginWithWhatWasTyped)
{
    QStringList found;
    for (const QSqlRecord &r : db().rows(TrialBalanceReport::AccountLookupQuery(), {"1105%"}))
        found << r.value(0).toString() + "/" + r.value(2).toString();
    // Status 1 marks the detail accounts.
    EXPECT_EQ(found, QStringList({"1105/0", "110501/0", "110501001/1", "110501002/1"}));
}

TEST_F(TrialBalanceReportTest, TheRunIsAuditedPreviewedInPortraitAndWarnsWhenEmpty)
{
    RecordingReportOutput output;
    EXPECT_EQ(TrialBalanceReport::run(session, output, options()), ReportOutcome::Empty);
    EXPECT_EQ(prompter.lastText(), ReportMessages::Empty);

    postAFewMonths();
    EXPECT_EQ(TrialBalanceReport::run(session, output, options()), ReportOutcome::Previewed);
    ASSERT_EQ(output.requests.size(), 1u);
    EXPECT_EQ(output.requests[0].title, "Balance Prueba");
    EXPECT_EQ(output.requests[0].document->pageSetup().orientation, ReportOrientation::Portrait);
    EXPECT_EQ(
        db().scalar("SELECT COUNT(*) FROM AUDITORIAREPORTE WHERE Reporte = ?", {"CRPBALANCE.RPT"})
            .toInt(),
        2);
    EXPECT_TRUE(db().scalar("SELECT MAX(Consulta) FROM AUDITORIAREPORTE")
                    .toString()
                    .contains("Empresa=E01 Matriz=E01 Mes=3 Ano=2025"));
}

// The closing voucher is dated on the last day of the closing month, whichever month that is.
class ClosingExclusionTest : public ::testing::Test, protected TrialBalanceBooks
{
protected:
    ClosingExclusionTest()
        : TrialBalanceBooks(6)
    {
    }
    bool offered(int month, int year, const QString &company = "E01")
    {
        return TrialBalanceReport::offersClosingExclusion(db(), company, "E01", month, year);
    }
};

TEST_F(ClosingExclusionTest, IsOfferedInTheClosingMonthOnceItsClosingVoucherIsPosted)
{
    post({2025, 6, 10}, "110501001", "410101001", u(700));
    EXPECT_FALSE(offered(6, 2025)) << "no closing voucher yet";
    post({2025, 6, 29}, "410101001", "310101001", u(700), "099");
    EXPECT_FALSE(offered(6, 2025)) << "not on the last day";
    post({2025, 6, 30}, "410101001", "310101001", u(700), "099");
    EXPECT_TRUE(offered(6, 2025));
    EXPECT_FALSE(offered(7, 2025)) << "not the closing month";
    EXPECT_FALSE(offered(6, 2024));
    EXPECT_FALSE(offered(6, 2025, "E02")) << "another company's voucher";
    // December is no closing month here, even with a "099" on its 31st.
    post({2025, 12, 31}, "410101001", "310101001", u(1), "099");
    EXPECT_FALSE(offered(12, 2025));
}

TEST_F(ClosingExclusionTest, IsAppliedOnlyWhereItIsOffered)
{
    post({2025, 6, 10}, "110501001", "410101001", u(700));
    post({2025, 6, 30}, "410101001", "310101001", u(700), "099");
    post({2025, 5, 31}, "410101001", "310101001", u(5), "099");
    auto salesDebit = [this](int month, bool withoutClosing) {
        auto o = TrialBalanceReport::optionsFor(session, month, 2025);
        o.withoutClosing = withoutClosing;
        const ReportData data = TrialBalanceReport::rows(session, o);
        for (int r = 0; r < data.rowCount(); ++r)
            if (data.row(r)[data.columnIndex("Codigo")].toString() == "410101001")
                return Money::fromThousandths(
                    data.row(r)[data.columnIndex("valordebito")].toLongLong());
        return Money::fromUnits(-1);
    };
    EXPECT_EQ(salesDebit(6, false), u(700));
    EXPECT_EQ(salesDebit(6, true), Money());
    // May closes nothing: the box is not there to tick, whatever is asked.
    EXPECT_EQ(salesDebit(5, true), u(5));
}

} // namespace
