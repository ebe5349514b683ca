#include "../AdminFixture.h"
#include "common/report/RecordingReportOutput.h"
#include "shell/ExternalSystemLogin.h"
#include "shell/admin/CompanyAssignmentModel.h"
#include "shell/admin/PermissionTreeModel.h"
#include "shell/admin/ui/FrmGrupoUsuario.h"
#include "shell/admin/ui/FrmUsuario.h"
#include "shell/admin/ui/frmCrearEmpresa.h"
#include "shell/admin/ui/frmEmpresaUsuario.h"
#include "support/Screenshot.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>

namespace {

class AdminWindows : public AdminFixture
{
protected:
    AdminWindows() { session.gNombreSistema = "Valdoria"; }

    static QStringList treeCodes(QTreeWidget *tree)
    {
        QStringList texts;
        QTreeWidgetItem *root = tree->topLevelItem(0);
        for (int i = 0; root && i < root->childCount(); ++i)
            texts << root->child(i)->text(0).section(" - ", 0, 0);
        return texts;
    }
    static void tickItem(QListWidget *list, const QString &text)
    {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text() == text)
                list->item(i)->setCheckState(Qt::Checked);
    }
    static void click(QTreeView *view, const QModelIndex &index)
    {
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
};

TEST_F(AdminWindows, UserWindowAddsAUserAndGuardsTheRoot)
{
    FrmUsuario w(session);
    w.show();
    EXPECT_EQ(w.tvwUsuarios->topLevelItem(0)->text(0), "USUARIOS");
    EXPECT_EQ(treeCodes(w.tvwUsuarios).size(), 5);
    EXPECT_FALSE(w.selectedCode().isEmpty()); // the first user is shown
    EXPECT_TRUE(w.button("Modificar")->isEnabled());
    w.tvwUsuarios->setCurrentItem(w.tvwUsuarios->topLevelItem(0));
    EXPECT_FALSE(w.button("Modificar")->isEnabled());
    EXPECT_FALSE(w.button("Eliminar")->isEnabled());

    w.ToolbarAction("Nuevo");
    QTest::keyClicks(w.TxtCodUsuario, "maria");
    EXPECT_EQ(w.TxtCodUsuario->text(), "MARIA");
    w.TxtNombUsuario->setText("María Gómez");
    w.TxtClave->setText("clave1");
    w.TxtVerificarClave->setText("clave2");
    tickItem(w.lstOpciones, "CONTADORES");
    SaveScreenshot(&w, "FrmUsuario-nuevo");
    w.ToolbarAction("Guardar");
    EXPECT_EQ(prompter.lastText(), "¡Confirmación de clave errada!");
    EXPECT_TRUE(w.TxtNombUsuario->isEnabled()); // still editing, typing kept
    w.TxtVerificarClave->setText("clave1");
    w.ToolbarAction("Guardar");
    EXPECT_EQ(w.selectedCode(), "MARIA");
    EXPECT_FALSE(w.TxtNombUsuario->isEnabled());
    EXPECT_EQ(groupsOf("MARIA"), QStringList({"CONTA"}));

    prompter.answerText("luis");
    w.ToolbarAction("Buscar");
    EXPECT_EQ(w.selectedCode(), "LUIS");
    EXPECT_EQ(w.TxtNombUsuario->text(), "USUARIO LUIS");
    EXPECT_EQ(prompter.messages().back().title, "Buscar Usuario");
    SaveScreenshot(&w, "FrmUsuario");
}

TEST_F(AdminWindows, GroupWindowTogglesTheTreeOnlyWhileEditing)
{
    FrmGrupoUsuario w(session);
    w.show();
    ASSERT_TRUE(w.selectGroup("CONTA"));
    PermissionTreeModel *tree = w.permissions();
    EXPECT_TRUE(tree->isMarked("mnu_usuarios"));
    EXPECT_FALSE(tree->isMarked("mnu_tablas"));
    const QModelIndex tablas = tree->indexOf("mnu_tablas");
    click(w.tvwPermisos, tablas);
    EXPECT_FALSE(tree->isMarked("mnu_tablas"));

    w.ToolbarAction("Modificar");
    EXPECT_FALSE(w.TxtCodGrupo->isEnabled());
    EXPECT_FALSE(w.optTipoModificacion1->isEnabled());
    w.chkModificarMovimiento->setChecked(true);
    EXPECT_TRUE(w.optTipoModificacion1->isEnabled());
    w.optTipoModificacion1->setChecked(true);
    click(w.tvwPermisos, tablas);
    EXPECT_TRUE(tree->isMarked("mnu_terceros"));
    w.tvwPermisos->expand(tablas);
    SaveScreenshot(&w, "FrmGrupoUsuario");
    w.ToolbarAction("Guardar");
    EXPECT_EQ(count("SELECT COUNT(*) FROM GRUPOSEG WHERE CodGrupo = 'CONTA' "
                    "AND CodNodo = 'mnu_terceros' AND Ver = 'S'"),
              1);
    EXPECT_EQ(count("SELECT TipoModificacion FROM GRUPOS WHERE CodGrupo = 'CONTA'"), 1);
    EXPECT_FALSE(tree->isEditable());
}

TEST_F(AdminWindows, AssignmentWindowTicksEveryCompanyFromItsMenu)
{
    Fixtures::addCompany(db(), "A1", "ALFA C.A.");
    Fixtures::addCompany(db(), "A2", "ALFA CENTRO", "A1");
    frmEmpresaUsuario w(session);
    w.show();
    EXPECT_FALSE(w.button("Modificar")->isEnabled()); // nobody chosen yet
    w.setUser("LUIS", "USUARIO LUIS");
    EXPECT_TRUE(w.button("Modificar")->isEnabled());
    w.ToolbarAction("Modificar");
    w.contextMenu()->findChild<QAction *>("Marcar")->trigger();
    SaveScreenshot(&w, "frmEmpresaUsuario");
    w.ToolbarAction("Guardar");
    EXPECT_EQ(count("SELECT COUNT(*) FROM USUARIOEMPRESA WHERE Usuario = 'LUIS'"), 2);
    EXPECT_FALSE(w.model()->isEditable());
}

TEST_F(AdminWindows, CompanyWindowCreatesAHeadOfficeAndABranchThatFollowsIt)
{
    db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, Consolidacion) "
              "VALUES ('1103', 'CUENTAS POR COBRAR SUCURSALES', 1)");
    QTemporaryDir dir;
    QImage logo(120, 60, QImage::Format_RGB32);
    logo.fill(QColor(30, 80, 160));
    const QString logoFile = dir.filePath("logo.png");
    ASSERT_TRUE(logo.save(logoFile));

    frmCrearEmpresa w(session, CompanyAdmin::NodeCode, nullptr, QDate(2026, 3, 15));
    w.show();
    w.ToolbarAction("Nuevo");
    EXPECT_TRUE(w.optTipo1->isChecked());
    EXPECT_FALSE(w.cmbEmpresa->isEnabled());
    w.txtCodigo->setText("M1");
    w.txtNombre->setText("DISTRIBUIDORA EL ÁVILA, C.A.");
    w.txtDireccion->setText("AV. URDANETA, CARACAS");
    w.cmbMesCierre->setCurrentIndex(8); // September
    w.ChkAgenteRetencion->setChecked(true);
    w.txtPasswordOrvan->setText("secreto");
    w.choosePicture("Logo", logoFile);
    EXPECT_FALSE(w.picLogo->pixmap().isNull());
    w.ToolbarAction("Guardar");
    EXPECT_EQ(w.selectedCode(), "M1");
    // The password is stored, and never shown again.
    EXPECT_EQ(w.txtPasswordOrvan->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(w.txtPasswordOrvan->text().isEmpty());
    EXPECT_EQ(w.txtPasswordOrvan->placeholderText(), "(guardada)");
    EXPECT_TRUE(w.txtPasswordNomina->placeholderText().isEmpty());
    EXPECT_EQ(ExternalSystemLogin::Read(db(), "M1", "M1", ExternalSystemLogin::System::Comercial)
                  ->password,
              "secreto");

    w.ToolbarAction("Nuevo");
    w.optTipo0->setChecked(true);
    EXPECT_TRUE(w.cmbEmpresa->isEnabled());
    EXPECT_FALSE(w.cmbMesCierre->isEnabled());
    EXPECT_FALSE(w.cmdLogo->isEnabled());
    w.cmbEmpresa->setCurrentIndex(w.cmbEmpresa->findData("M1"));
    EXPECT_EQ(w.cmbMesCierre->currentIndex(), 8);
    EXPECT_TRUE(w.ChkAgenteRetencion->isChecked());
    w.txtCodigo->setText("S1");
    w.txtNombre->setText("EL ÁVILA, SUCURSAL VALENCIA");
    w.ToolbarAction("Guardar");
    EXPECT_EQ(w.focusWidget(), w.txtCuentaXCobrar);
    w.txtCuentaXCobrar->setText("1103");
    SaveScreenshot(&w, "frmCrearEmpresa-sucursal");
    w.ToolbarAction("Guardar");
    EXPECT_EQ(w.selectedCode(), "S1");
    EXPECT_EQ(count("SELECT Mes FROM EMPRESA WHERE Codigo = 'S1' AND CodigoMatriz = 'M1'"), 9);

    ASSERT_TRUE(w.selectCompany("M1"));
    EXPECT_FALSE(w.picLogo->pixmap().isNull());
    SaveScreenshot(&w, "frmCrearEmpresa");
    RecordingReportOutput output;
    w.setReportOutput(&output);
    session.gRutaReporte = QStringLiteral(VALDORIA_SOURCE_DIR "/reportes");
    w.ToolbarAction("Imprimir");
    ASSERT_EQ(output.requests.size(), 1u);
    EXPECT_EQ(output.requests[0].title, "Empresas");
}

TEST_F(AdminWindows, CompanyWindowKeepsWhatWasTypedWhenTheCompanyCannotMove)
{
    db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, Consolidacion) "
              "VALUES ('1103', 'CUENTAS POR COBRAR SUCURSALES', 1)");
    CompanyAdmin admin(session, CompanyAdmin::NodeCode, QDate(2026, 3, 15));
    for (const char *code : {"M1", "M2"}) {
        CompanyAdmin::Company c;
        c.codigo = code;
        c.nombre = QString("EMPRESA ") + code;
        c.passwordOrvan = "secreto";
        ASSERT_EQ(admin.create(c), CompanyAdmin::Result::Saved);
    }
    frmCrearEmpresa w(session, CompanyAdmin::NodeCode, nullptr, QDate(2026, 3, 15));
    w.show();
    ASSERT_TRUE(w.selectCompany("M2"));

    // M2 was born with its period, counters and default asset: it cannot become a branch.
    w.ToolbarAction("Modificar");
    w.txtNombre->setText("EMPRESA DOS");
    w.optTipo0->setChecked(true);
    w.cmbEmpresa->setCurrentIndex(w.cmbEmpresa->findData("M1"));
    w.txtCuentaXCobrar->setText("1103");
    w.ToolbarAction("Guardar");
    EXPECT_EQ(prompter.lastText(), CompanyAdmin::HasBooksText);
    EXPECT_EQ(w.editState(), 2);
    EXPECT_TRUE(w.button("Guardar")->isEnabled());
    EXPECT_EQ(w.txtNombre->text(), "EMPRESA DOS");
    EXPECT_TRUE(w.optTipo0->isChecked());
    EXPECT_EQ(w.cmbEmpresa->currentData().toString(), "M1");
    SaveScreenshot(&w, "frmCrearEmpresa-no-puede-moverse");
    EXPECT_EQ(count("SELECT Tipo FROM EMPRESA WHERE Codigo = 'M2'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM EMPRESA WHERE Nombre = 'EMPRESA DOS'"), 0);

    // Saving without touching the password keeps it.
    w.optTipo1->setChecked(true);
    w.ToolbarAction("Guardar");
    EXPECT_EQ(count("SELECT COUNT(*) FROM EMPRESA WHERE Nombre = 'EMPRESA DOS'"), 1);
    EXPECT_EQ(ExternalSystemLogin::Read(db(), "M2", "M2", ExternalSystemLogin::System::Comercial)
                  ->password,
              "secreto");
}

} // namespace
