#include "reports/ui/frmRepBalancedePrueba.h"

#include "common/report/RecordingReportOutput.h"
#include "platform/report/PdfExport.h"
#include "reports/TrialBalanceBooks.h"
#include "support/Screenshot.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// ANA of group CONTA may print the trial balance.
class TrialBalanceWindow : public ::testing::Test, protected TrialBalanceBooks
{
protected:
    TrialBalanceWindow()
    {
        Fixtures::addGroup(db(), "CONTA");
        Fixtures::addUser(db(), "ANA", "x", {"CONTA"});
        Fixtures::grantNode(db(), "CONTA", "mnu_balanceprueba", "S", {"Imprimir"});
        session.reports = &output;
    }
    RecordingReportOutput output;
};

TEST_F(TrialBalanceWindow, OpensOnTheWorkingPeriodAndPrintsThePreview)
{
    postAFewMonths();
    frmRepBalancedePrueba window(session);
    window.show();
    EXPECT_EQ(window.cmbMes->currentIndex(), 2);
    EXPECT_EQ(window.cmbMes->currentText(), "Marzo");
    EXPECT_EQ(window.txtAno->text(), "2025");
    EXPECT_TRUE(window.Option4->isChecked());
    EXPECT_TRUE(window.chkConsolidado->isEnabled());
    EXPECT_FALSE(window.chkSinCierre->isVisible());
    QTest::keyClicks(window.txtAno, "x");
    EXPECT_EQ(window.txtAno->text(), "2025") << "digits only";
    SaveScreenshot(&window, "frmRepBalancedePrueba");

    QAction *print = window.button("Imprimir");
    ASSERT_TRUE(print && print->isVisible());
    print->trigger();
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    const ReportDocument &document = *output.requests[0].document;
    EXPECT_EQ(output.requests[0].title, "Balance Prueba");
    const QStringList text = document.pageText(0);
    EXPECT_TRUE(text.contains("BALANCE PRUEBA"));
    // Debits equal credits, each line counted once.
    const QStringList totals = text.filter(QRegularExpression("^Totales")).value(0).split(" | ");
    ASSERT_EQ(totals.size(), 5) << text.join('\n').toStdString();
    EXPECT_EQ(totals[2], totals[3]);
    EXPECT_EQ(QString(totals[2]).remove(QRegularExpression("[^0-9]")), "1015025");
    const QString shots = qEnvironmentVariable("VALDORIA_SCREENSHOTS");
    if (!shots.isEmpty())
        PdfExport::write(document, QDir(shots).filePath("frmRepBalancedePrueba.pdf"));

    // The level and the range reach the report.
    window.Option1->setChecked(true);
    window.txtDesdeCta->setText("1");
    window.txtHastaCta->setText("19");
    print->trigger();
    ASSERT_EQ(output.requests.size(), 2u);
    const ReportData &data = output.requests[1].document->data();
    QStringList codes;
    for (int r = 0; r < data.rowCount(); ++r)
        codes << data.row(r)[data.columnIndex("Codigo")].toString();
    EXPECT_EQ(codes, QStringList({"1", "11", "12"}));
}

TEST_F(TrialBalanceWindow, AnEmptyYearStopsWithItsMessage)
{
    frmRepBalancedePrueba window(session);
    window.show();
    window.txtAno->clear();
    window.imprimir();
    EXPECT_EQ(prompter.lastText(), "¡Debe seleccionar un año!");
    EXPECT_TRUE(output.requests.empty());
    EXPECT_EQ(window.focusWidget(), window.txtAno);
}

TEST_F(TrialBalanceWindow, TheClosingBoxFollowsTheMonthAndYear)
{
    post({2025, 12, 31}, "410101001", "310101001", Money::fromUnits(10), "099");
    session.gMes = 11;
    frmRepBalancedePrueba window(session);
    window.show();
    EXPECT_FALSE(window.chkSinCierre->isVisible());
    window.cmbMes->setCurrentIndex(11);
    EXPECT_TRUE(window.chkSinCierre->isVisible());
    window.txtAno->setText("2024");
    EXPECT_FALSE(window.chkSinCierre->isVisible());
    window.txtAno->setText("2025");
    EXPECT_TRUE(window.chkSinCierre->isVisible());
    window.txtAno->clear();
    EXPECT_FALSE(window.chkSinCierre->isVisible());
}

TEST_F(TrialBalanceWindow, ABranchCannotConsolidate)
{
    session.gEmpresa = "E02";
    frmRepBalancedePrueba window(session);
    EXPECT_FALSE(window.chkConsolidado->isEnabled());
}

} // namespace
