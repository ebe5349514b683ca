#include "demo/DemoCompany.h"
#include "ledger/masterdata/ui/frmTercero.h"

#include "common/Session.h"
#include "common/report/RecordingReportOutput.h"
#include "platform/report/PdfExport.h"
#include "platform/report/ReportDocument.h"
#include "shell/CompanySelection.h"
#include "shell/LoginService.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What a newcomer does first on the demo: log in as the bookkeeper, open the third parties
// and print one.
TEST(DemoWalkthrough, TheBookkeeperOpensTheThirdPartiesAndPrintsOne)
{
    TestDatabase database(TestDatabase::Content::Empty);
    const DemoCompany::Summary demo = DemoCompany::Create(database.db(), QDate(2026, 3, 15));
    ScriptedPrompter prompter;
    Session session;
    session.gConexion = &database.db();
    session.prompter = &prompter;
    session.gRutaReporte = QStringLiteral(VALDORIA_SOURCE_DIR "/reportes");
    session.gNombreIDEmpresa = QStringLiteral("RIF");
    LoginService login(session);
    login.setFailureDelay(0);
    ASSERT_EQ(login.VerificarClave("contador", "DEMO", false), LoginService::Result::User);
    CompanySelection selection(
        session,
        [&](const QString &sql, const QVariantList &params) {
            const auto rows = database.db().rows(sql, params);
            QStringList values;
            for (int c = 0; c < rows.front().count(); ++c)
                values << rows.front().value(c).toString();
            return values;
        },
        "demo-host");
    ASSERT_EQ(selection.SelectCompany(2), CompanySelection::Outcome::Selected);
    EXPECT_EQ(session.gEmpresa, demo.headOffice);

    frmTercero window(session);
    RecordingReportOutput output;
    window.setReportOutput(&output);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_GE(window.grdLista->rowCount(), 20);
    EXPECT_TRUE(window.grdLista->findItems("*", Qt::MatchExactly).isEmpty());

    window.showCode("J-30256871-4");
    window.ToolbarAction("Imprimir");
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    const ReportDocument &card = *output.requests[0].document;
    const QStringList text = card.pageText(0);
    EXPECT_EQ(text.value(0).section(" | ", 0, 0), "INVERSIONES VALDORIA DEMO, C.A.");
    EXPECT_TRUE(text.contains("Régimen: | CONTRIBUYENTE ESPECIAL"));
    const QString shots = qEnvironmentVariable("VALDORIA_SCREENSHOTS");
    if (!shots.isEmpty())
        PdfExport::write(card, QDir(shots).filePath("demo-crpTercero.pdf"));
}

} // namespace
