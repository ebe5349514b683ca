// A new installation as its first users meet it: the administrator creates a head office and
// a branch, a group of bookkeepers and one bookkeeper who may open the branch only; then the
// bookkeeper logs in.
#include "common/Session.h"
#include "common/ShellHost.h"
#include "common/grid/CatalogPicker.h"
#include "common/grid/CatalogService.h"
#include "platform/Db.h"
#include "platform/SettingsStore.h"
#include "shell/CompanySelection.h"
#include "shell/Connector.h"
#include "shell/DatabaseSetup.h"
#include "shell/LoginService.h"
#include "shell/ServerSetup.h"
#include "shell/admin/CompanyAdmin.h"
#include "shell/admin/CompanyUserAssignment.h"
#include "shell/admin/GroupAdmin.h"
#include "shell/admin/PermissionTreeModel.h"
#include "shell/admin/UserAdmin.h"
#include "shell/admin/ui/frmCrearEmpresa.h"
#include "shell/ui/frmPrincipal.h"
#include "support/Printers.h"
#include "support/Screenshot.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

class RecordingHost : public ShellHost
{
public:
    void setCaption(const QString &text) override { caption = text; }
    void setUserPanel(const QString &text) override { panel = text; }
    void openNode(const QString &node) override { opened << node; }
    QString caption;
    QString panel;
    QStringList opened;
};

// The list window of the lookup; counts how often the user would have had to pick.
class CountingPicker : public CatalogPicker
{
public:
    std::optional<int> pick(GridModel &) override
    {
        ++shown;
        return 0;
    }
    int shown = 0;
};

enum Option { Nuevo = 1, Eliminar = 3, Buscar = 4, Imprimir = 5, Salir = 10 };

QStringList visibleButtons(ChildWindow &w)
{
    QStringList names;
    for (QAction *a : w.tlbregistro()->actions())
        if (a->isVisible())
            names << a->objectName();
    return names;
}

TEST(NewUserWalkthrough, ABookkeeperOfTheBranchSeesOnlyWhatHisGroupWasGranted)
{
    QTemporaryDir dir;
    Session session;
    SettingsStore settings(dir.filePath("settings.ini"));
    ScriptedPrompter prompter;
    Connector connector(session, dir.path());
    session.prompter = &prompter;
    session.settings = &settings;
    session.gNombreSistema = "Valdoria";
    session.gDescripcionSistema = "Valdoria - Sistema de Contabilidad";
    ASSERT_TRUE(connector.OpenConnection(ServerSetup::embeddedDefault()));
    DatabaseSetup setup(session.db());
    setup.migrate();
    setup.createAdministrator("Admin2026");
    Db &db = session.db();
    const QDate today(2026, 3, 15);

    LoginService login(session);
    login.setFailureDelay(0);
    ASSERT_EQ(login.VerificarClave("admin", "admin2026", false),
              LoginService::Result::Administrator);

    // Companies: the head office and its branch in Valencia.
    CompanyAdmin companies(session, CompanyAdmin::NodeCode, today);
    CompanyAdmin::Company head;
    head.codigo = "M1";
    head.nombre = "DISTRIBUIDORA EL ÁVILA, C.A.";
    head.mes = 12;
    head.agenteRetencion = true;
    ASSERT_EQ(companies.create(head), CompanyAdmin::Result::Saved);
    // The consolidation account a branch needs, as the chart of accounts would hold it.
    db.exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, Consolidacion) VALUES (?, ?, 1)",
            {"1103", "CUENTAS POR COBRAR SUCURSALES"});
    CompanyAdmin::Company branch;
    branch.codigo = "S1";
    branch.nombre = "EL ÁVILA VALENCIA";
    branch.tipo = 0;
    branch.codigoMatriz = "M1";
    branch.cuentaPorCobrar = "1103";
    ASSERT_EQ(companies.create(branch), CompanyAdmin::Result::Saved);

    // The bookkeepers: third parties without deleting, the company card read-only, and the
    // change of period.
    GroupAdmin groups(session);
    PermissionTreeModel tree;
    tree.setEntries(groups.permissionEntries({}));
    tree.setEditable(true);
    tree.toggle("mnu_terceros");
    tree.toggle(PermissionEntry::OperationKey("mnu_terceros", Eliminar));
    for (int option : {Buscar, Imprimir, Salir})
        tree.toggle(PermissionEntry::OperationKey("mnu_empresas", option));
    tree.toggle("mnu_cambiarperiodo");
    ASSERT_EQ(groups.create({"CONTA", "CONTADORES"}, {tree.markedNodes(), tree.markedOptions()}),
              GroupAdmin::Result::Saved);

    UserAdmin users(session);
    ASSERT_EQ(users.create({"maria", "MARÍA GÓMEZ", "Libros1", "Libros1", true, {"CONTA"}}),
              UserAdmin::Result::Saved);
    CompanyUserAssignment assignment(session);
    auto assigned = assignment.companies("MARIA");
    for (auto &c : assigned)
        c.assigned = c.codigo == "S1";
    ASSERT_EQ(assignment.save("MARIA", assigned), CompanyUserAssignment::Result::Saved);

    // María logs in on the same workstation.
    ASSERT_EQ(login.VerificarClave("Maria", "LIBROS1", true), LoginService::Result::User);
    CountingPicker picker;
    CompanySelection selection(
        session,
        [&](const QString &sql, const QVariantList &params) {
            return ShowCatalog(db, prompter, picker, params, sql).values;
        },
        "estacion-1");
    RecordingHost host;
    session.host = &host;
    ASSERT_EQ(selection.modeForUser(), 2);
    EXPECT_EQ(selection.SelectCompany(2), CompanySelection::Outcome::Selected);
    EXPECT_EQ(picker.shown, 0);
    EXPECT_EQ(session.gEmpresa, "S1");
    EXPECT_EQ(session.gMatriz, "M1");
    EXPECT_EQ(host.caption, "Valdoria - Sistema de Contabilidad   Sucursal : EL ÁVILA VALENCIA - "
                            "DISTRIBUIDORA EL ÁVILA, C.A.");
    EXPECT_EQ(host.opened, QStringList({"mnu_cambiarperiodo"}));
    // What the period window would now set.
    session.gMes = 3;
    session.gAno = 2026;

    frmPrincipal main(session, connector, settings, prompter);
    session.host = &main;
    main.setWindowFactory([&](const QString &form, const QString &node) -> QWidget * {
        if (form == "frmCrearEmpresa")
            return new frmCrearEmpresa(session, node, nullptr, today);
        return nullptr;
    });
    main.setCaption(host.caption);
    main.setUserPanel(session.userPeriodText());
    main.show();
    main.BuildNavigationMenu();

    QStringList menus;
    for (QAction *a : main.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, QStringList({"Sistema", "Tablas", "Procesos", "A&yuda"}));
    for (const char *granted : {"mnu_empresas", "mnu_terceros", "mnu_cambiarperiodo"}) {
        QAction *entry = main.findChild<QAction *>(granted);
        ASSERT_NE(entry, nullptr) << granted;
        EXPECT_TRUE(entry->isEnabled()) << granted;
    }
    for (const char *withheld : {"mnu_usuarios", "mnu_grupos", "mnu_empresasusuario",
                                 "mnu_plancuentas", "mnu_generarperiodo", "mnu_registro"})
        EXPECT_EQ(main.findChild<QAction *>(withheld), nullptr) << withheld;
    EXPECT_EQ(main.findChild<QAction *>("A2"), nullptr); // the menu structure: SISTEMAS only

    main.findChild<QAction *>("mnu_empresas")->trigger();
    auto *card = main.findChild<frmCrearEmpresa *>();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(visibleButtons(*card), QStringList({"Buscar", "Imprimir", "Salir"}));
    card->ToolbarAction("Nuevo"); // not granted: nothing happens, whatever calls it
    EXPECT_FALSE(card->txtCodigo->isEnabled());
    SaveScreenshot(&main, "walkthrough-frmPrincipal");

    QMenu *sistema = main.menuBar()->actions().front()->menu();
    sistema->popup(main.mapToGlobal(QPoint(8, 30)));
    SaveScreenshot(sistema, "walkthrough-menu-Sistema");
    sistema->hide();
    QMenu *tablas = main.menuBar()->actions().at(1)->menu();
    tablas->popup(main.mapToGlobal(QPoint(80, 30)));
    SaveScreenshot(tablas, "walkthrough-menu-Tablas");
    tablas->hide();

    session.host = nullptr;
    prompter.answerYes();
    main.close();
}

} // namespace
