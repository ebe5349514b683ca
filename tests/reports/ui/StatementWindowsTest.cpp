#include "reports/ui/frmRepBalanceGeneral.h"
#include "reports/ui/frmRepPerdidasyGanancias.h"

#include "common/report/RecordingReportOutput.h"
#include "common/report/ui/frmPreview.h"
#include "demo/DemoCompany.h"
#include "platform/report/PageRenderer.h"
#include "platform/report/PdfExport.h"
#include "reports/StatementBooks.h"
#include "reports/StatementReports.h"
#include "reports/TrialBalance.h"
#include "shell/CompanySelection.h"
#include "shell/LoginService.h"
#include "support/Printers.h"
#include "support/Screenshot.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include "DemoBookkeeper.h"

#include <gtest/gtest.h>

namespace {

// ANA of group CONTA may print the statements.
class StatementWindows : public ::testing::Test, protected StatementBooks
{
protected:
    StatementWindows()
    {
        Fixtures::addGroup(db(), "CONTA");
        Fixtures::addUser(db(), "ANA", "x", {"CONTA"});
        for (const char *node :
             {"mnu_balancegeneral", "mnu_balancecomparativo", "mnu_gananciasperdidas"})
            Fixtures::grantNode(db(), "CONTA", node, "S", {"Imprimir"});
        session.reports = &output;
    }
    void postAQuarter()
    {
        post({2025, 1, 1}, Bank, Capital, Money::fromUnits(5000), "999");
        post({2025, 3, 5}, Bank, Sales, Money::fromUnits(1000));
        post({2025, 3, 9}, Expenses, Bank, Money::fromUnits(400));
    }
    QStringList codes(size_t request, const QString &column = "Codigo")
    {
        const ReportData &data = output.requests[request].document->data();
        QStringList list;
        for (int r = 0; r < data.rowCount(); ++r)
            list << data.row(r)[data.columnIndex(column)].toString();
        return list;
    }
    RecordingReportOutput output;
};

TEST_F(StatementWindows, TheBalanceSheetOpensOnTheWorkingPeriodAndPrintsAtTheChosenLevel)
{
    postAQuarter();
    frmRepBalanceGeneral window(session, "mnu_balancegeneral");
    window.show();
    EXPECT_FALSE(window.comparative());
    EXPECT_EQ(window.windowTitle(), "Balance General");
    EXPECT_EQ(window.cmbMes->currentText(), "MARZO");
    EXPECT_EQ(window.cmbMes->itemText(11), "DICIEMBRE");
    EXPECT_EQ(window.txtAno->text(), "2025");
    EXPECT_EQ(window.Option1->text(), "Grupo");
    EXPECT_EQ(window.Option2->text(), "Cuenta");
    EXPECT_EQ(window.Option3->text(), "SubCuenta");
    EXPECT_TRUE(window.Option2->isChecked());
    EXPECT_EQ(window.CheckMostrar->text(), "Mostrar cuentas sin movimientos");
    EXPECT_TRUE(window.chkConsolidado->isEnabled());
    SaveScreenshot(&window, "frmRepBalanceGeneral");

    QAction *print = window.button("Imprimir");
    ASSERT_TRUE(print && print->isVisible());
    print->trigger();
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    EXPECT_EQ(output.requests[0].title, "Balance General");
    EXPECT_EQ(codes(0), QStringList({"11", "1105", "31", "3101", "3105"}));

    window.Option1->setChecked(true);
    window.CheckMostrar->setChecked(true);
    print->trigger();
    ASSERT_EQ(output.requests.size(), 2u);
    EXPECT_EQ(codes(1), QStringList({"11", "12", "21", "31"}));
}

TEST_F(StatementWindows, TheComparativeEntryOpensTheComparativeSheet)
{
    postAQuarter();
    session.gModoOpcion = frmRepBalanceGeneral::ComparativeMode;
    frmRepBalanceGeneral window(session, "mnu_balancecomparativo");
    EXPECT_TRUE(window.comparative());
    EXPECT_EQ(window.windowTitle(), "Balance General Comparativo");
    window.imprimir();
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    EXPECT_EQ(output.requests[0].title, "Balance General Comparativo");
    EXPECT_EQ(codes(0, "Cuenta"), QStringList({"11", "1105", "31", "3101", "3105"}));
}

TEST_F(StatementWindows, AnEmptyYearStopsWithItsMessage)
{
    frmRepPerdidasyGanancias window(session);
    window.show();
    window.txtAno->clear();
    window.imprimir();
    EXPECT_EQ(prompter.lastText(), "¡Debe seleccionar un año!");
    EXPECT_TRUE(output.requests.empty());
    EXPECT_EQ(window.focusWidget(), window.txtAno);
}

TEST_F(StatementWindows, TheClosingOptionShowsInTheClosingMonthOnceTheYearIsClosed)
{
    post({2025, 12, 10}, Bank, Sales, Money::fromUnits(700));
    post({2025, 12, 31}, Sales, Profit, Money::fromUnits(700), "099");
    session.gMes = 11;
    frmRepPerdidasyGanancias window(session);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Perdidas y Ganancias");
    EXPECT_EQ(window.chkAntesDelCierre->text(), "Visualizar antes del cierre del ejercicio");
    EXPECT_FALSE(window.chkAntesDelCierre->isVisible());
    window.cmbMes->setCurrentIndex(11);
    EXPECT_TRUE(window.chkAntesDelCierre->isVisible());
    window.txtAno->setText("2024");
    EXPECT_FALSE(window.chkAntesDelCierre->isVisible());
    window.txtAno->setText("2025");
    ASSERT_TRUE(window.chkAntesDelCierre->isVisible());
    SaveScreenshot(&window, "frmRepPerdidasyGanancias");

    window.chkAntesDelCierre->setChecked(true);
    window.imprimir();
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    const ReportData &data = output.requests[0].document->data();
    EXPECT_EQ(data.row(0)[data.columnIndex("AntesDelCierre")].toInt(), 1);
    EXPECT_EQ(data.row(0)[data.columnIndex("Actual")].toLongLong(), -700000);
}

TEST_F(StatementWindows, ABranchCannotConsolidate)
{
    session.gEmpresa = "E02";
    frmRepBalanceGeneral window(session);
    EXPECT_FALSE(window.chkConsolidado->isEnabled());
}

class DemoStatements : public DemoBookkeeper
{
protected:
    static void keep(const ReportDocument &document, const QString &name)
    {
        DemoBookkeeper::keep(document, name, 1000);
    }
    // The digits of the amounts on the line that begins with `caption`, over every page.
    static QStringList amountsAfter(const ReportDocument &document, const QString &caption)
    {
        for (int p = 0; p < document.pageCount(); ++p)
            for (const QString &line : document.pageText(p))
                if (line.trimmed().startsWith(caption)) {
                    QStringList parts = line.split(" | ");
                    parts.removeFirst();
                    for (QString &part : parts)
                        part.remove(QRegularExpression("[^0-9-]"));
                    return parts;
                }
        return {"absent"};
    }
};

TEST_F(DemoStatements, TieWithTheTrialBalanceInTheClosedAndTheOpenYear)
{
    for (const auto &[month, year] : {std::pair{12, 2025}, std::pair{3, 2026}}) {
        const QString when = QStringLiteral("_%1_%2").arg(year).arg(month, 2, 10, QChar('0'));
        output.requests.clear();
        session.gMes = month;
        session.gAno = year;

        frmRepBalanceGeneral sheet(session);
        sheet.imprimir();
        session.gModoOpcion = frmRepBalanceGeneral::ComparativeMode;
        frmRepBalanceGeneral comparative(session, "mnu_balancecomparativo");
        comparative.imprimir();
        session.gModoOpcion = 0;
        frmRepPerdidasyGanancias income(session);
        income.chkAntesDelCierre->setChecked(true);
        income.imprimir();
        ASSERT_EQ(output.requests.size(), 3u) << prompter.lastText().toStdString();

        const ReportDocument &bs = *output.requests[0].document;
        const ReportDocument &cmp = *output.requests[1].document;
        const ReportDocument &is = *output.requests[2].document;
        keep(bs, "crpBalanceGeneral" + when);
        keep(cmp, "crpBalanceGeneralComparativo" + when);
        keep(is, "crpPerdidasYGanancias" + when);

        // The trial balance's classes for the same month.
        TrialBalanceOptions o;
        o.company = o.headOffice = session.gEmpresa;
        o.month = month;
        o.year = year;
        o.level = 1;
        std::map<QString, Money> classes;
        for (const TrialBalanceRow &r : TrialBalance::compute(database.db(), o))
            classes[r.code] = r.sum.closing();
        auto digits = [](Money m) { return QString::number(m.roundedToCents().cents()); };
        const QString assets = digits(classes["1"]);
        EXPECT_EQ(amountsAfter(bs, "TOTAL ACTIVO"), QStringList({assets})) << when.toStdString();
        EXPECT_EQ(amountsAfter(bs, "TOTAL PASIVO Y PATRIMONIO"), QStringList({assets}));
        EXPECT_EQ(amountsAfter(cmp, "TOTAL ACTIVO").value(0), assets);
        EXPECT_EQ(amountsAfter(cmp, "TOTAL PASIVO Y PATRIMONIO").value(0), assets);
        Money result;
        for (const char *c : {"4", "5", "6", "7"})
            result -= classes[c];
        if (month == 12) {
            // Closed: the result sits on the profit or loss account; the income statement
            // shows the year as it stood before the closing.
            EXPECT_TRUE(result.isZero());
            o.withoutClosing = true;
            Money beforeClosing;
            for (const TrialBalanceRow &r : TrialBalance::compute(database.db(), o))
                if (r.code.size() == 1 && r.code >= "4" && r.code <= "7")
                    beforeClosing -= r.sum.closing();
            EXPECT_FALSE(beforeClosing.isZero());
            EXPECT_EQ(amountsAfter(is, "RESULTADO DEL EJERCICIO").value(1), digits(beforeClosing));
        } else {
            EXPECT_EQ(amountsAfter(is, "RESULTADO DEL EJERCICIO").value(0), digits(result))
                << when.toStdString();
        }
    }
}

} // namespace
