#pragma once

#include "common/Session.h"
#include "common/report/RecordingReportOutput.h"
#include "common/report/ui/frmPreview.h"
#include "demo/DemoCompany.h"
#include "platform/report/PageRenderer.h"
#include "platform/report/PdfExport.h"
#include "platform/report/ReportDocument.h"
#include "shell/CompanySelection.h"
#include "shell/LoginService.h"
#include "support/Screenshot.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <gtest/gtest.h>

// The demo company, logged in as its bookkeeper in March 2026: the books as a person sees
// them, each print kept by the recording output.
class DemoBookkeeper : public ::testing::Test
{
protected:
    void SetUp() override
    {
        demo = DemoCompany::Create(database.db(), QDate(2026, 3, 15));
        session.gConexion = &database.db();
        session.prompter = &prompter;
        session.gRutaReporte = QStringLiteral(VALDORIA_SOURCE_DIR "/reportes");
        session.gNombreIDEmpresa = QStringLiteral("RIF");
        LoginService login(session);
        login.setFailureDelay(0);
        ASSERT_EQ(login.VerificarClave("contador", "DEMO", false), LoginService::Result::User);
        CompanySelection selection(
            session,
            [this](const QString &sql, const QVariantList &params) {
                const auto rows = database.db().rows(sql, params);
                QStringList values;
                for (int c = 0; c < rows.front().count(); ++c)
                    values << rows.front().value(c).toString();
                return values;
            },
            "demo-host");
        ASSERT_EQ(selection.SelectCompany(2), CompanySelection::Outcome::Selected);
        session.gMes = 3;
        session.gAno = 2026;
        session.reports = &output;
    }

    // Leaves the report's PDF, its first page and its preview in $VALDORIA_SCREENSHOTS.
    static void keep(const ReportDocument &document, const QString &name, int previewWidth = 1100)
    {
        const QString shots = qEnvironmentVariable("VALDORIA_SCREENSHOTS");
        if (shots.isEmpty() || !QDir().mkpath(shots))
            return;
        PdfExport::write(document, QDir(shots).filePath(name + ".pdf"));
        PageRenderer(document).image(0, 110).save(QDir(shots).filePath(name + ".png"));
        ScriptedPrompter quiet;
        frmPreview preview(std::make_shared<ReportDocument>(document), name, 100, QString(), quiet);
        preview.resize(previewWidth, 900);
        preview.show();
        SaveScreenshot(&preview, name + "_preview");
    }

    TestDatabase database{TestDatabase::Content::Empty};
    DemoCompany::Summary demo;
    ScriptedPrompter prompter;
    Session session;
    RecordingReportOutput output;
};
