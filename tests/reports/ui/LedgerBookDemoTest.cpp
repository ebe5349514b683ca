#include "reports/ui/frmExpLibroAuxiliarDetallado.h"
#include "reports/ui/frmFoliadoDeLibro.h"
#include "reports/ui/frmRepLibroDiario.h"
#include "reports/ui/frmRepMayorAnalitico.h"

#include "common/Session.h"
#include "common/report/RecordingReportOutput.h"
#include "common/report/ui/frmPreview.h"
#include "demo/DemoCompany.h"
#include "platform/report/PageRenderer.h"
#include "platform/report/PdfExport.h"
#include "reports/AuxiliaryBookExport.h"
#include "shell/CompanySelection.h"
#include "shell/LoginService.h"
#include "support/Screenshot.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"
#include "support/XlsxReadBack.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include "DemoBookkeeper.h"

#include <gtest/gtest.h>

namespace {

class DemoLedgerBooks : public DemoBookkeeper
{
protected:
    // The amounts on the last line that begins with `caption`, over every page, digits only.
    static QStringList amountsAfter(const ReportDocument &document, const QString &caption)
    {
        QStringList found{"absent"};
        for (int p = 0; p < document.pageCount(); ++p)
            for (const QString &line : document.pageText(p))
                if (line.trimmed().startsWith(caption)) {
                    found = line.split(" | ").mid(1);
                    for (QString &part : found)
                        part.remove(QRegularExpression("[^0-9-]"));
                }
        return found;
    }
};

TEST_F(DemoLedgerBooks, TheJournalBalancesAndTheLedgerPreviews)
{
    frmRepLibroDiario journal(session);
    journal.imprimir();
    journal.CheckMostrar->setChecked(true);
    journal.imprimir();
    frmRepMayorAnalitico ledger(session);
    ledger.imprimir();
    ASSERT_EQ(output.requests.size(), 3u) << prompter.lastText().toStdString();
    const ReportDocument &summary = *output.requests[0].document;
    const ReportDocument &detail = *output.requests[1].document;
    keep(summary, "crpLibroDiarioRes_demo");
    keep(detail, "crpLibroDiarioDet_demo");
    keep(*output.requests[2].document, "crpMayorAnalitico_demo");

    // Both modes add up to the same month, and a journal's debits equal its credits.
    const QStringList totals = amountsAfter(summary, "Totales");
    ASSERT_EQ(totals.size(), 2);
    EXPECT_EQ(totals[0], totals[1]);
    EXPECT_NE(totals[0], "000");
    EXPECT_EQ(amountsAfter(detail, "Totales"), totals);
    EXPECT_GT(detail.pageCount(), 1);
}

TEST_F(DemoLedgerBooks, NumberedPagesAndTheExportedBook)
{
    frmFoliadoDeLibro pages(session);
    pages.TxtLibro->setText("Libro Diario");
    pages.TxtInicial->setText("1");
    pages.TxtFinal->setText("3");
    pages.imprimir();
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    EXPECT_EQ(output.requests[0].document->pageCount(), 3);
    keep(*output.requests[0].document, "crpFoliadoDeLibro_demo");

    QTemporaryDir dir;
    frmExpLibroAuxiliarDetallado exporter(session);
    exporter.chooseFile = [&] { return QDir(dir.path()).filePath("demo.xlsx"); };
    exporter.openFile = [](const QString &) {};
    prompter.answerNo();
    exporter.exportar();
    AuxiliaryExportOptions o;
    o.company = session.gEmpresa;
    o.headOffice = session.gMatriz;
    o.firstMonth = 1;
    o.lastMonth = 3;
    o.year = 2026;
    const auto rows = AuxiliaryBookExport::rows(database.db(), o);
    const auto book = XlsxReadBack::open(QDir(dir.path()).filePath("demo.xlsx"));
    ASSERT_TRUE(book) << prompter.lastText().toStdString();
    ASSERT_GT(rows.size(), 10u);
    EXPECT_EQ(book->lastRow(), 2 + int(rows.size()));
    // The last row is the last line, amounts to the thousandth.
    const QString last = QString::number(2 + rows.size());
    EXPECT_EQ(book->cell("D" + last).text, rows.back().account);
    EXPECT_EQ(qRound64(book->cell("O" + last).text.toDouble() * 1000), rows.back().debit);
    EXPECT_EQ(qRound64(book->cell("P" + last).text.toDouble() * 1000), rows.back().credit);
    SaveScreenshot(&exporter, "frmExpLibroAuxiliarDetallado_demo");
}

} // namespace
