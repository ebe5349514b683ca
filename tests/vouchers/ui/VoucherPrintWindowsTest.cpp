#include "vouchers/print/VoucherPrint.h"
#include "vouchers/ui/frmComprobantesPendientes.h"

#include "../PrintBooks.h"
#include "common/report/RecordingReportOutput.h"
#include "common/report/ui/frmPreview.h"
#include "platform/report/PageRenderer.h"
#include "platform/report/PdfExport.h"
#include "platform/report/ReportDocument.h"
#include "support/Printers.h"
#include "support/Screenshot.h"

#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

class VoucherPrintWindows : public ::testing::Test, protected PrintBooks
{
protected:
    // The voucher as the preview gets it, printed at a fixed moment in Caracas.
    ReportDocument printedMarchVoucher()
    {
        approveMarchVoucher();
        EXPECT_EQ(VoucherPrint::print(session, output, {"E01", "E01", 2026, 3, "001", "1"}),
                  ReportOutcome::Previewed)
            << prompter.lastText().toStdString();
        if (output.requests.empty())
            throw std::runtime_error("nothing was previewed");
        ReportDocument document = *output.requests.back().document;
        document.setPrintedAt(QDateTime(QDate(2026, 3, 12), QTime(10, 30)));
        document.setLocale(QLocale(QLocale::Spanish, QLocale::Venezuela));
        return document;
    }

    RecordingReportOutput output;
};

TEST_F(VoucherPrintWindows, ThePendingViewerListsTheWorkAreasAndShowsTheChosenVoucher)
{
    enter({"110101001", 3, 1000, 0, "a"});
    enter({"610101001", 5, 0, 1000, "b"});
    enter({"110101001", 7, 2000, 0, "c"}, "LUIS", "E02", "7");

    frmComprobantesPendientes window(session);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    SaveScreenshot(&window, "frmComprobantesPendientes");
    EXPECT_EQ(window.windowTitle(), "Comprobantes Pendientes");
    QTableWidget *grid = window.grdPendientes;
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(0, 1)->text(), "Distribuidora Alfa, C.A.");
    EXPECT_EQ(grid->item(0, 3)->text(), "");
    EXPECT_EQ(grid->item(0, 6)->text(), "05/03/2026");
    EXPECT_EQ(grid->item(1, 0)->text(), "E02");
    EXPECT_EQ(grid->item(1, 5)->text(), "Luis Mora");

    grid->selectRow(1);
    QTest::mouseClick(window.cmdVer, Qt::LeftButton);
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages().back().kind, ScriptedPrompter::Kind::Info);
    EXPECT_EQ(prompter.lastText(), PendingVouchers::message(window.vouchers()[1]));
    EXPECT_TRUE(prompter.lastText().startsWith("Empresa            :  E02\n"));

    // A double click shows the row clicked.
    const QRect cell = grid->visualItemRect(grid->item(0, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(prompter.lastText(), PendingVouchers::message(window.vouchers()[0]));
}

TEST_F(VoucherPrintWindows, AnEmptyWorkAreaLeavesNothingToShow)
{
    frmComprobantesPendientes window(session);
    EXPECT_EQ(window.grdPendientes->rowCount(), 0);
    EXPECT_FALSE(window.cmdVer->isEnabled());
    window.ver();
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(VoucherPrintWindows, ThePrintedVoucherHeadsTheLinesAndSeparatesTheGeneratedOnes)
{
    const ReportDocument document = printedMarchVoucher();
    ASSERT_EQ(document.pageCount(), 1);
    const QStringList text = document.pageText(0);
    const QString all = text.join('\n');

    const QString shots = qEnvironmentVariable("VALDORIA_SCREENSHOTS");
    if (!shots.isEmpty() && QDir().mkpath(shots)) {
        PageRenderer(document).image(0, 150).save(QDir(shots).filePath("crpComprobante_MEDIA.png"));
        PdfExport::write(document, QDir(shots).filePath("crpComprobante_MEDIA.pdf"));
        frmPreview preview(std::make_shared<ReportDocument>(document), VoucherPrint::Title, 100,
                           QString(), prompter);
        preview.resize(900, 700);
        preview.show();
        SaveScreenshot(&preview, "crpComprobante_preview");
    }

    for (const char *expected :
         {"Distribuidora Alfa, C.A.", "RIF J-29876543-1", "COMPROBANTES",
          "Comprobante: | 001 | DIARIO | Número: 1 | Fecha: 12/03/2026", "Honorarios de marzo",
          "Alfa Valencia", "Matriz: Distribuidora Alfa, C.A.", "Elaborado por: Ana Rojas",
          "1.500,00", "2.300,00 | 2.300,00", "800,00 | 800,00"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                               << all.toStdString();
    EXPECT_FALSE(all.contains("Línea sin monto"));
    // The voucher's lines, then the receiving company, then its lines.
    const auto at = [&](const QString &piece) {
        for (int i = 0; i < text.size(); ++i)
            if (text[i].contains(piece))
                return i;
        return -1;
    };
    EXPECT_LT(at("Cheque 4471"), at("Matriz: "));
    EXPECT_LT(at("Matriz: "), at("Sueldos de Valencia"));
    EXPECT_EQ(text[at("Matriz: ")],
              "E02 | Alfa Valencia | Matriz: Distribuidora Alfa, C.A. | Tipo: 001 | Número: 1");
}

} // namespace
