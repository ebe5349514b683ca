#include "common/report/ui/WorkstationReportOutput.h"
#include "common/report/ui/frmPreview.h"
#include "platform/SettingsStore.h"
#include "platform/report/LayoutReader.h"
#include "platform/report/ReportDocument.h"
#include "support/Printers.h"
#include "support/Screenshot.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

std::shared_ptr<const ReportDocument> twoPages()
{
    std::vector<QVariantList> rows;
    for (int i = 1; i <= 70; ++i)
        rows.push_back(
            {QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')), qlonglong(i) * 1'234'500});
    ReportLayout layout = LayoutReader::readText(
        "<report><pageHeader height='12'><text x='0' y='0' width='185' height='8' size='13' "
        "bold='true' align='center'>LISTADO DE PRUEBA</text></pageHeader>"
        "<detail height='3.5'><field x='0' y='0' width='30' height='3.5' name='Codigo'/>"
        "<field x='100' y='0' width='40' height='3.5' name='Monto' format='amount' "
        "align='right'/></detail>"
        "<pageFooter height='6'><pageOfPages x='0' y='1' width='185' height='4' align='right' "
        "prefix='Pág: '/></pageFooter></report>",
        "prueba.rpt");
    auto document = std::make_shared<ReportDocument>(
        std::move(layout), ReportData({"Codigo", "Monto"}, std::move(rows)));
    document->setTitle("Listado de prueba");
    return document;
}

TEST(frmPreview, OpensAtOneHundredFiftyPercentOnTheFirstPage)
{
    ScriptedPrompter prompter;
    frmPreview window(twoPages(), "Listado de prueba", 150, QString(), prompter);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Listado de prueba");
    EXPECT_EQ(window.zoom(), 150);
    EXPECT_EQ(window.findChild<QComboBox *>("cmbZoom")->currentText(), "150 %");
    EXPECT_EQ(window.findChild<QLabel *>("lblPagina")->text(), "Página 1 de 2");
    // A letter sheet at 1.5 times 96 dots per inch.
    const QWidget *canvas = window.findChild<QScrollArea *>("scrPagina")->widget();
    EXPECT_NEAR(canvas->width(), 215.9 / 25.4 * 144, 2);
    EXPECT_NEAR(canvas->height(), 279.4 / 25.4 * 144, 2);
    SaveScreenshot(&window, "frmPreview");
}

TEST(frmPreview, MovesBetweenPagesAndZooms)
{
    ScriptedPrompter prompter;
    frmPreview window(twoPages(), "Listado de prueba", 150, QString(), prompter);
    QTest::keyClick(&window, Qt::Key_PageDown);
    EXPECT_EQ(window.currentPage(), 1);
    EXPECT_EQ(window.findChild<QLabel *>("lblPagina")->text(), "Página 2 de 2");
    window.showPage(9);
    EXPECT_EQ(window.currentPage(), 1);
    QTest::keyClick(&window, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(window.currentPage(), 0);
    window.findChild<QComboBox *>("cmbZoom")->setCurrentText("75 %");
    EXPECT_EQ(window.zoom(), 75);
    EXPECT_NEAR(window.findChild<QScrollArea *>("scrPagina")->widget()->width(), 215.9 / 25.4 * 72,
                2);
}

TEST(frmPreview, ExportsThePdfOrSaysWhyNot)
{
    ScriptedPrompter prompter;
    frmPreview window(twoPages(), "Listado de prueba", 150, QString(), prompter);
    QTemporaryDir dir;
    EXPECT_TRUE(window.exportPdf(dir.filePath("listado.pdf")));
    QFile pdf(dir.filePath("listado.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    // The user is told where the file went.
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_TRUE(prompter.lastText().endsWith(dir.filePath("listado.pdf")))
        << prompter.lastText().toStdString();

    EXPECT_FALSE(window.exportPdf("/no/existe/listado.pdf"));
    ASSERT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(prompter.messages()[1].title, "Imprimir Reporte");
}

TEST(frmPreview, FitsThePageOrTheWidthAndFollowsTheWindow)
{
    ScriptedPrompter prompter;
    frmPreview window(twoPages(), "Listado de prueba", 150, QString(), prompter);
    window.resize(900, 700);
    window.show();
    QScrollArea *scroll = window.findChild<QScrollArea *>("scrPagina");
    QComboBox *box = window.findChild<QComboBox *>("cmbZoom");

    box->setCurrentText(frmPreview::FitWidthText);
    EXPECT_EQ(window.fit(), frmPreview::FitWidth);
    const int sheetWidth = scroll->widget()->width();
    EXPECT_LE(sheetWidth, scroll->viewport()->width());
    EXPECT_GT(sheetWidth, scroll->viewport()->width() - 60);

    box->setCurrentText(frmPreview::FitPageText);
    EXPECT_LE(scroll->widget()->height(), scroll->maximumViewportSize().height());
    EXPECT_LT(window.zoom(), 100);
    const int fitted = window.zoom();
    window.resize(900, 1000); // a taller window shows a larger page
    EXPECT_GT(window.zoom(), fitted);

    box->setCurrentText("200 %");
    EXPECT_EQ(window.fit(), frmPreview::NoFit);
    EXPECT_EQ(window.zoom(), 200);
    SaveScreenshot(&window, "frmPreview-200");
}

TEST(frmPreview, TheZoomAUserPicksIsKeptForTheNextPreview)
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath("valdoria.ini"));
    ScriptedPrompter prompter;
    {
        frmPreview first(twoPages(), "Listado de prueba", 150, QString(), prompter, nullptr,
                         &settings);
        EXPECT_EQ(first.zoom(), 150); // nothing chosen yet: the report's own
        QComboBox *box = first.findChild<QComboBox *>("cmbZoom");
        box->setCurrentIndex(box->findData(75));
        emit box->activated(box->currentIndex());
    }
    frmPreview second(twoPages(), "Listado de prueba", 150, QString(), prompter, nullptr,
                      &settings);
    EXPECT_EQ(second.zoom(), 75);

    QComboBox *box = second.findChild<QComboBox *>("cmbZoom");
    box->setCurrentIndex(box->findData(int(frmPreview::FitWidth)));
    emit box->activated(box->currentIndex());
    frmPreview third(twoPages(), "Listado de prueba", 150, QString(), prompter, nullptr,
                     &settings);
    EXPECT_EQ(third.fit(), frmPreview::FitWidth);
}

TEST(WorkstationReportOutput, PreviewOpensAWindowOfItsOwn)
{
    ScriptedPrompter prompter;
    WorkstationReportOutput output(prompter);
    output.preview(twoPages(), "Listado de prueba", 150, QString());
    frmPreview *window = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *p = qobject_cast<frmPreview *>(w); p && p->isVisible())
            window = p;
    }
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->zoom(), 150);
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
    window->close();
}

} // namespace
