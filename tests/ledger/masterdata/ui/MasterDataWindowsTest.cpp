#include "ledger/masterdata/MasterDataTexts.h"
#include "ledger/masterdata/ui/MaintenanceForm.h"
#include "ledger/masterdata/ui/frmCentroCosto.h"
#include "ledger/masterdata/ui/frmConcepto.h"
#include "ledger/masterdata/ui/frmContribuyente.h"
#include "ledger/masterdata/ui/frmCorregirTercero.h"
#include "ledger/masterdata/ui/frmDocumento.h"
#include "ledger/masterdata/ui/frmIncTercero.h"
#include "ledger/masterdata/ui/frmTercero.h"

#include "../MasterDataFixture.h"
#include "common/grid/CatalogPicker.h"
#include "common/grid/GridModel.h"
#include "platform/report/PdfExport.h"
#include "platform/report/ReportDocument.h"
#include "platform/SettingsStore.h"
#include "support/Screenshot.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Picks the row whose first column is `code`, as a user would in frmCatalogo.
class PickByCode : public CatalogPicker
{
public:
    QString code;
    std::optional<int> pick(GridModel &rows) override
    {
        rows.fetchAll();
        for (int r = 0; r < rows.rowCount(); ++r)
            if (rows.rowTexts(r).value(0) == code)
                return r;
        return std::nullopt;
    }
};

class MasterDataWindows : public MasterDataFixture
{
protected:
    // Key by key, so that validators and focus changes act as they do for a user; the test
    // library only types ASCII, so other letters arrive as one insertion.
    static void type(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->clear();
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 128;
        if (ascii)
            QTest::keyClicks(box, text);
        else
            box->insert(text);
    }

    // Focus moves only inside the active window.
    static void showActive(QWidget &window)
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static bool enabled(ChildWindow &w, const char *key)
    {
        QAction *a = w.button(QLatin1String(key));
        return a && a->isVisible() && a->isEnabled();
    }

    QStringList listedCodes(MaintenanceWindow &w)
    {
        QStringList codes;
        for (int r = 0; r < w.grdLista->rowCount(); ++r)
            codes << w.grdLista->item(r, 0)->text();
        return codes;
    }

    void savePdf(const QString &name)
    {
        const QString dir = qEnvironmentVariable("VALDORIA_SCREENSHOTS");
        if (!dir.isEmpty() && !output.requests.empty())
            PdfExport::write(*output.requests.back().document, QDir(dir).filePath(name + ".pdf"));
    }
};

TEST_F(MasterDataWindows, ASixCharacterCodeIsRefusedAndTheTypingKept)
{
    party("J-29759907-0", "DISTRIBUIDORA BETA, C.A.");
    frmTercero window(session);
    showActive(window);
    EXPECT_EQ(session.gConsultaLista, window.service().listQuery());
    EXPECT_EQ(listedCodes(window), QStringList{"J-29759907-0"});
    MaintenanceForm &form = *window.form();
    EXPECT_EQ(form.lineEdit("Nombre")->text(), "DISTRIBUIDORA BETA, C.A.");
    EXPECT_FALSE(form.lineEdit("Codigo")->isEnabled());

    window.ToolbarAction("Nuevo");
    EXPECT_TRUE(enabled(window, "Guardar"));
    type(form.lineEdit("Codigo"), "j.301.2");
    EXPECT_EQ(form.lineEdit("Codigo")->text(), "j3012"); // "." never gets in
    // The kind of person follows a RIF's letter until the user picks it.
    QComboBox *person = form.comboBox("TipoPersona");
    type(form.lineEdit("Codigo"), "v-11470283");
    type(form.lineEdit("Nombre"), "x");
    EXPECT_EQ(person->currentData().toInt(), 1);
    type(form.lineEdit("Codigo"), "g20000303");
    type(form.lineEdit("Nombre"), "x");
    EXPECT_EQ(person->currentData().toInt(), 0);
    person->setCurrentIndex(person->findData(2));
    emit person->activated(person->currentIndex());
    type(form.lineEdit("Codigo"), "v-11470283");
    type(form.lineEdit("Nombre"), "x");
    EXPECT_EQ(person->currentData().toInt(), 2);

    type(form.lineEdit("Codigo"), "prov01");
    type(form.lineEdit("Nombre"), "suministros los andes");
    EXPECT_EQ(form.lineEdit("Codigo")->text(), "PROV01"); // upper-cased on leaving
    form.comboBox("TipoRegimen")->setCurrentIndex(1);
    form.checkBox("SujetoAReteFuente")->setChecked(true);
    SaveScreenshot(&window, "frmTercero-nuevo");

    window.ToolbarAction("Guardar");
    EXPECT_EQ(prompter.lastText(), MasterDataTexts::PartyCodeTooShort);
    EXPECT_TRUE(enabled(window, "Guardar"));
    EXPECT_EQ(form.lineEdit("Nombre")->text(), "SUMINISTROS LOS ANDES");
    EXPECT_EQ(QApplication::focusWidget(), form.lineEdit("Codigo"));

    type(form.lineEdit("Codigo"), "PROV001");
    window.ToolbarAction("Guardar");
    EXPECT_FALSE(enabled(window, "Guardar"));
    EXPECT_EQ(listedCodes(window), (QStringList{"J-29759907-0", "PROV001"}));
    EXPECT_EQ(window.currentCode(), "PROV001");
    EXPECT_EQ(cell("SELECT TipoRegimen FROM TERCERO WHERE Codigo = 'PROV001'").toString(), "02");
    SaveScreenshot(&window, "frmTercero");
}

TEST_F(MasterDataWindows, TheListKeepsTheWidthTheUserLeftIt)
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath("estacion.ini"));
    session.settings = &settings;
    int dragged = 0;
    {
        frmTercero window(session);
        window.resize(1000, 400);
        showActive(window);
        auto *split = window.findChild<QSplitter *>("splLista");
        ASSERT_TRUE(split);
        EXPECT_EQ(split->sizes().value(0), 300); // the window's own width at first
        split->setSizes({420, split->width() - 420});
        dragged = split->sizes().value(0);
        window.close();
    }
    frmTercero again(session);
    again.resize(1000, 400);
    showActive(again);
    EXPECT_EQ(again.findChild<QSplitter *>("splLista")->sizes().value(0), dragged);
    EXPECT_EQ(settings.value("Ventanas/frmTercero/AnchoLista").toInt(), dragged);
    again.close();
    session.settings = nullptr;
}

TEST_F(MasterDataWindows, ThirdPartyWindowClearsASecondTaxAuthorityMarkAndPrintsTheCard)
{
    party("G-20000303-0", "SENIAT", 1);
    party("J-29759907-0", "DISTRIBUIDORA BETA, C.A.");
    frmTercero window(session);
    window.setReportOutput(&output);
    showActive(window);
    window.showCode("J-29759907-0");
    window.ToolbarAction("Modificar");
    window.form()->checkBox("Tributario")->setChecked(true);
    window.ToolbarAction("Guardar");
    EXPECT_EQ(prompter.lastText(), MasterDataTexts::TaxAuthorityExists);
    EXPECT_FALSE(window.form()->checkBox("Tributario")->isChecked());
    window.ToolbarAction("Cancelar");

    window.ToolbarAction("Imprimir");
    ASSERT_EQ(output.requests.size(), 1u);
    const QStringList text = output.requests[0].document->pageText(0);
    EXPECT_TRUE(text.contains("FICHA DE TERCERO"));
    EXPECT_TRUE(text.contains("Código: | J-29759907-0 | Tipo de persona: | JURÍDICA"));
    EXPECT_TRUE(text.contains("Régimen: | ORDINARIO"));
    savePdf("crpTercero");
}

TEST_F(MasterDataWindows, SearchMovesToThePickedRecord)
{
    party("J-29759907-0", "BETA");
    party("V-11470283-4", "MARIA GONZALEZ");
    PickByCode picker;
    picker.code = "V-11470283-4";
    frmTercero window(session);
    window.setCatalogPicker(&picker);
    showActive(window);
    window.ToolbarAction("Buscar");
    EXPECT_EQ(window.currentCode(), "V-11470283-4");
    EXPECT_EQ(window.form()->lineEdit("Nombre")->text(), "MARIA GONZALEZ");
}

TEST_F(MasterDataWindows, ConceptsTakeCommasAndPickTheirAccounts)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Venezuela));
    PickByCode picker;
    picker.code = "240830002";
    frmConcepto window(session);
    window.setCatalogPicker(&picker);
    window.setReportOutput(&output);
    showActive(window);
    EXPECT_FALSE(enabled(window, "Modificar")); // no concept yet
    window.ToolbarAction("Nuevo");
    MaintenanceForm &form = *window.form();
    type(form.lineEdit("Codigo"), "HONPROF");
    type(form.lineEdit("Descripcion"), "Honorarios profesionales");
    for (const char *column : {"BasePJ", "BasePN"})
        type(form.lineEdit(column), "90");
    type(form.lineEdit("DeduccionPJ"), "0");
    type(form.lineEdit("DeduccionPN"), "22,50");
    type(form.lineEdit("PorcentajePJ"), "5");
    type(form.lineEdit("PorcentajePN"), "2,5");
    type(form.lineEdit("CuentaRetencionPJ"), "240830001");
    type(form.lineEdit("CuentaRetencionPN"), "2408");
    QTest::keyClick(form.lineEdit("CuentaRetencionPN"), Qt::Key_F2);
    EXPECT_EQ(form.lineEdit("CuentaRetencionPN")->text(), "240830002");
    SaveScreenshot(&window, "frmConcepto");
    window.ToolbarAction("Guardar");
    EXPECT_TRUE(prompter.texts().isEmpty()) << prompter.lastText().toStdString();
    EXPECT_EQ(cell("SELECT PorcentajePN FROM CONCEPTORET").toLongLong(), 2500000);
    EXPECT_EQ(cell("SELECT DeduccionPN FROM CONCEPTORET").toLongLong(), 22500);
    EXPECT_EQ(form.lineEdit("PorcentajePN")->text(), "2,50");
    EXPECT_EQ(form.lineEdit("DeduccionPN")->text(), "22,50");
    window.ToolbarAction("Imprimir");
    savePdf("crpConceptos");
    QLocale::setDefault(QLocale::c());
}

TEST_F(MasterDataWindows, CodeTableWindowsListPrintAndUpperCaseTheirNames)
{
    frmCentroCosto centres(session);
    centres.setReportOutput(&output);
    showActive(centres);
    EXPECT_FALSE(listedCodes(centres).contains("*"));
    centres.ToolbarAction("Nuevo");
    type(centres.form()->lineEdit("Codigo"), "ADM");
    type(centres.form()->lineEdit("Nombre"), "administración");
    centres.ToolbarAction("Guardar");
    EXPECT_EQ(listedCodes(centres), QStringList{"ADM"});
    EXPECT_EQ(cell("SELECT Nombre FROM CENTROCOSTO WHERE Codigo = 'ADM'").toString(),
              "ADMINISTRACIÓN");
    SaveScreenshot(&centres, "frmCentroCosto");
    centres.ToolbarAction("Imprimir");
    savePdf("crpTablas-centros");

    frmContribuyente regimes(session);
    showActive(regimes);
    EXPECT_EQ(listedCodes(regimes), (QStringList{"01", "02"}));
    SaveScreenshot(&regimes, "frmContribuyente");
}

TEST_F(MasterDataWindows, DocumentsShowTheirStatusAsOptions)
{
    db().exec("INSERT INTO DOCUMENTO (Codigo, Nombre, Status) VALUES ('FC', 'FACTURA', 1), "
              "('XX', 'ANULADO', 0)");
    frmDocumento window(session);
    showActive(window);
    EXPECT_EQ(listedCodes(window), (QStringList{"FC", "XX"}));
    EXPECT_TRUE(window.findChild<QRadioButton *>("optStatus1")->isChecked());
    window.showCode("XX");
    EXPECT_TRUE(window.findChild<QRadioButton *>("optStatus0")->isChecked());
    SaveScreenshot(&window, "frmDocumento");
}

TEST_F(MasterDataWindows, CorregirTerceroRenamesThePickedThirdParty)
{
    party("J301234567", "SUMINISTROS LOS ANDES");
    PickByCode picker;
    picker.code = "J301234567";
    frmCorregirTercero window(session);
    window.setCatalogPicker(&picker);
    showActive(window);
    EXPECT_FALSE(window.TxtNuevoCodigo->isEnabled());
    window.searchCode();
    EXPECT_EQ(window.txtNombre->text(), "SUMINISTROS LOS ANDES");
    EXPECT_TRUE(enabled(window, "Guardar"));
    type(window.TxtNuevoCodigo, "j-30123456.1");
    EXPECT_EQ(window.TxtNuevoCodigo->text(), "j-301234561");
    type(window.TxtNuevoCodigo, "J-30123456-1");
    SaveScreenshot(&window, "frmCorregirTercero");
    prompter.answerYes();
    window.ToolbarAction("Guardar");
    EXPECT_EQ(prompter.lastText(), "Esta seguro de corregir el codigo del tercero?");
    EXPECT_TRUE(db().exists("SELECT 1 FROM TERCERO WHERE Codigo = 'J-30123456-1'"));
    EXPECT_TRUE(window.txtCodigo->text().isEmpty());
    EXPECT_FALSE(window.TxtNuevoCodigo->isEnabled());
}

TEST_F(MasterDataWindows, IncTerceroSavesWithAltGAndHandsTheThirdPartyBack)
{
    frmIncTercero dialog(session, "v-11470283-4");
    showActive(dialog);
    MaintenanceForm &form = *dialog.form();
    EXPECT_EQ(form.lineEdit("Codigo")->text(), "V-11470283-4");
    type(form.lineEdit("Nombre"), "maria gonzalez");
    EXPECT_EQ(form.comboBox("TipoPersona")->currentData().toInt(), 1); // a V: natural
    form.comboBox("TipoRegimen")->setCurrentIndex(0);
    SaveScreenshot(&dialog, "frmIncTercero");
    QTest::keyClick(&dialog, Qt::Key_G, Qt::AltModifier);
    ASSERT_TRUE(dialog.tercero().has_value()) << prompter.lastText().toStdString();
    EXPECT_EQ(dialog.tercero()->nombre, "MARIA GONZALEZ");
    EXPECT_EQ(dialog.tercero()->tipoPersona, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
