#include "common/OptionRights.h"
#include "common/Session.h"
#include "common/ShellHost.h"
#include "platform/Db.h"
#include "shell/CompanySelection.h"
#include "shell/NavigationMenu.h"
#include "shell/PasswordScrambler.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

using NavigationMenu::Entry;

class RecordingHost : public ShellHost
{
public:
    void setCaption(const QString &c) override { caption = c; }
    void setUserPanel(const QString &t) override { panel = t; }
    void openNode(const QString &n) override { opened << n; }
    std::vector<ChildWindowState> childWindows() const override { return children; }
    bool closeChildWindows() override
    {
        children.clear();
        ++closings;
        return true;
    }
    QString caption, panel;
    QStringList opened;
    std::vector<ChildWindowState> children;
    int closings = 0;
};

// A small tree of our own so the rules are checked apart from the shipped menu.
class NavigationTest : public ::testing::Test
{
protected:
    NavigationTest()
    {
        node("t_top", "Arriba", 1, "Orvan", 1, 0, "", "S");
        node("t_hidden", "Oculto", 1, "Orvan", 2, 0, "", "S");
        node("t_a", "Entrada A", 2, "t_top", 1, 0, "frmA", "N");
        node("t_sep", "_", 2, "t_top", 2, 1, "", "N");
        node("t_plain", "_", 2, "t_top", 3, 0, "", "N");
        node("t_b", "Entrada B", 2, "t_top", 4, 0, "frmB", "N");
        node("t_under", "Debajo", 2, "t_hidden", 1, 0, "frmC", "N");
        Fixtures::addGroup(db(), "G1");
        Fixtures::addGroup(db(), "G2");
        Fixtures::addUser(db(), "ANA", "ana", {"G1", "G2"});
        for (const char *n : {"t_top", "t_a", "t_sep", "t_plain"})
            Fixtures::grantNode(db(), "G1", n, "S");
        Fixtures::grantNode(db(), "G1", "t_b", "N");
        Fixtures::grantNode(db(), "G2", "t_b", "S", {"Nuevo", "Guardar", "Salir"});
        Fixtures::grantNode(db(), "G1", "t_hidden", "N");
        Fixtures::grantNode(db(), "G1", "t_under", "S");
    }

    void node(const QString &code, const QString &caption, int level, const QString &parent,
              int order, int image, const QString &form, const QString &container)
    {
        db().exec("INSERT INTO SEG (CodNodo, NomNodo, Nivel, NodoPadre, NumNodo, Orden, Imagen, "
                  "Forma, EsPadre) VALUES (?, ?, ?, ?, (SELECT COALESCE(MAX(NumNodo), 0) + 1 "
                  "FROM SEG), ?, ?, ?, ?)",
                  {code, caption, level, parent, order, image, form, container});
    }
    Db &db() { return data.db(); }
    const Entry *find(const std::vector<Entry> &entries, const QString &code)
    {
        for (const Entry &e : entries)
            if (e.code == code)
                return &e;
        return nullptr;
    }

    TestDatabase data;
};

TEST_F(NavigationTest, MenuFollowsTheUnionOfTheGroupsRights)
{
    const auto entries = NavigationMenu::Build(db(), "ANA");
    ASSERT_NE(find(entries, "t_top"), nullptr);
    EXPECT_TRUE(find(entries, "t_a")->enabled);
    // One group sees "N", the other "S": the entry is usable.
    EXPECT_TRUE(find(entries, "t_b")->enabled);
    // A top-level node seen as "N" is left out, and everything below it.
    EXPECT_EQ(find(entries, "t_hidden"), nullptr);
    EXPECT_EQ(find(entries, "t_under"), nullptr);
    // "_" with a picture is a separator; without one it is an entry captioned "_".
    EXPECT_TRUE(find(entries, "t_sep")->separator);
    EXPECT_FALSE(find(entries, "t_plain")->separator);
    EXPECT_EQ(find(entries, "t_plain")->caption, "_");

    Fixtures::grantNode(db(), "G2", "t_a", "N");
    db().exec("UPDATE GRUPOSEG SET Ver = 'N' WHERE CodNodo = 't_a'");
    EXPECT_FALSE(find(NavigationMenu::Build(db(), "ANA"), "t_a")->enabled);
    EXPECT_TRUE(NavigationMenu::Build(db(), "NADIE").empty());
}

TEST_F(NavigationTest, ToolbarOptionsAreThoseOfferedAndGranted)
{
    db().exec("INSERT INTO OPCIONESMENU (CodNodo, Opcion) SELECT 't_b', CodigoOpcion FROM OPCIONES "
              "WHERE Nombre IN ('Nuevo', 'Modificar', 'Guardar', 'Salir')");
    EXPECT_EQ(OptionRights::AllowedOptions(db(), "ANA", "t_b"),
              QStringList({"Nuevo", "Guardar", "Salir"}));
    EXPECT_TRUE(OptionRights::MayUse(db(), "ANA", "t_b", "Guardar"));
    EXPECT_FALSE(OptionRights::MayUse(db(), "ANA", "t_b", "Modificar"));
    EXPECT_TRUE(OptionRights::AllowedOptions(db(), "ANA", "t_a").isEmpty());
    EXPECT_EQ(OptionRights::AllOptions(db()).first(), "Nuevo");
}

TEST(NavigationRules, OptionModesAndTheCompanyAndPeriodGuard)
{
    EXPECT_EQ(NavigationMenu::OptionModeFor("Balance General Comparativo"), 3);
    EXPECT_EQ(NavigationMenu::OptionModeFor("Auxiliar"), 1);
    EXPECT_EQ(NavigationMenu::OptionModeFor("Tasa Representativa del Mercado"), 2);
    EXPECT_FALSE(NavigationMenu::OptionModeFor("Terceros").has_value());

    Session s;
    EXPECT_EQ(NavigationMenu::OpenRefusal(s), "Debe seleccionar una empresa...!");
    s.gEmpresa = "001";
    EXPECT_EQ(NavigationMenu::OpenRefusal(s), "Debe seleccionar un periodo valido...!");
    s.gMes = 3;
    s.gAno = 2026;
    EXPECT_EQ(NavigationMenu::OpenRefusal(s), "");
}

class CompanySelectionTest : public ::testing::Test
{
protected:
    CompanySelectionTest()
    {
        Fixtures::addCompany(db(), "001", "COMERCIAL ANDINA C.A.");
        Fixtures::addCompany(db(), "002", "ANDINA VALENCIA", "001");
        Fixtures::addCompany(db(), "003", "ANDINA MARACAY", "001", 0);
        Fixtures::addUser(db(), "ANA", "ana");
        Fixtures::assignCompany(db(), "ANA", "002", "001");
        session.gConexion = &db();
        session.prompter = &prompter;
        session.host = &host;
        session.gUsuario = "ANA";
        session.gNombreUsuario = "ANA PEREZ";
        session.gDescripcionSistema = "Valdoria";
    }
    Db &db() { return data.db(); }
    // A picker that records the rows it was shown and picks the one with `code`.
    CompanySelection selection(const QString &code)
    {
        return CompanySelection(
            session,
            [this, code](const QString &sql, const QVariantList &params) {
                shown.clear();
                for (const QSqlRecord &r : db().rows(sql, params)) {
                    QStringList row;
                    for (int i = 0; i < r.count(); ++i)
                        row << r.value(i).toString();
                    shown << row;
                }
                for (const QStringList &row : shown)
                    if (row.first() == code)
                        return row;
                return QStringList{QString()};
            },
            "pc-1");
    }

    TestDatabase data;
    Session session;
    ScriptedPrompter prompter;
    RecordingHost host;
    QList<QStringList> shown;
};

TEST_F(CompanySelectionTest, BranchSetsTheHeadOfficeAndOpensThePeriodWindow)
{
    EXPECT_EQ(selection("002").SelectCompany(2), CompanySelection::Outcome::Selected);
    ASSERT_EQ(shown.size(), 1); // only the assigned company
    EXPECT_EQ(session.gEmpresa, "002");
    EXPECT_EQ(session.gMatriz, "001");
    EXPECT_EQ(session.gNombreEmpresa, "ANDINA VALENCIA");
    EXPECT_EQ(session.gNombreMatriz, "COMERCIAL ANDINA C.A.");
    EXPECT_EQ(session.gCiudadEmpresa, "CARACAS");
    EXPECT_EQ(session.gDireccionMatriz, "AV. URDANETA 001");
    EXPECT_EQ(session.gMes, 0);
    EXPECT_EQ(host.caption, "Valdoria   Sucursal : ANDINA VALENCIA - COMERCIAL ANDINA C.A.");
    EXPECT_EQ(host.panel, "USUARIO: ANA PEREZ");
    EXPECT_EQ(host.opened, QStringList({"mnu_cambiarperiodo"}));
    EXPECT_EQ(
        db().scalar("SELECT Empresa FROM SESIONUSUARIO WHERE NombreEquipo = 'pc-1'").toString(),
        "002");
}

TEST_F(CompanySelectionTest, AdministratorsSeeEveryCompanyHeadOfficesFirst)
{
    EXPECT_EQ(selection("001").SelectCompany(1), CompanySelection::Outcome::Selected);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0][0], "001");
    EXPECT_EQ(shown[0][8], "1"); // head office
    EXPECT_EQ(shown[1][8], "0"); // active branch
    EXPECT_EQ(shown[2][8], "3"); // inactive branch, still offered
    EXPECT_EQ(session.gMatriz, "001");
    EXPECT_EQ(host.caption, "Valdoria   Empresa : COMERCIAL ANDINA C.A.");
    EXPECT_EQ(selection("003").SelectCompany(1), CompanySelection::Outcome::Selected);
    EXPECT_EQ(session.gMatriz, "001");
}

TEST_F(CompanySelectionTest, TheSameCompanyAgainOffersItsPeriodAndRefreshesTheMainWindow)
{
    selection("002").SelectCompany(2);
    session.gMes = 3;
    session.gAno = 2026;
    host.children = {{"Plan de Cuentas", 2}};
    host.opened.clear();
    host.caption.clear();
    host.panel.clear();
    EXPECT_EQ(selection("002").SelectCompany(2), CompanySelection::Outcome::SameCompany);
    EXPECT_EQ(host.opened, QStringList({"mnu_cambiarperiodo"}));
    EXPECT_EQ(host.caption, "Valdoria   Sucursal : ANDINA VALENCIA - COMERCIAL ANDINA C.A.");
    EXPECT_EQ(host.panel, "USUARIO: ANA PEREZ        PROCESA: Marzo/2026");
    // Its windows stay, edit and all, with nothing asked; so does the period until another
    // is chosen.
    EXPECT_EQ(host.closings, 0);
    EXPECT_TRUE(prompter.texts().isEmpty());
    EXPECT_EQ(session.gMes, 3);
    EXPECT_EQ(selection("zzz").SelectCompany(2), CompanySelection::Outcome::NothingPicked);
    EXPECT_EQ(session.gEmpresa, "002");
}

TEST_F(CompanySelectionTest, AnotherCompanyClosesTheOldOnesWindowsAskingAboutAnEditFirst)
{
    Fixtures::assignCompany(db(), "ANA", "001", "001");
    selection("002").SelectCompany(2);
    session.gMes = 3;
    session.gAno = 2026;
    host.children = {{"Terceros", 0}, {"Plan de Cuentas", 1}};
    host.opened.clear();

    // Keeping the edit keeps everything: company, period, windows, registration.
    prompter.answerNo();
    EXPECT_EQ(selection("001").SelectCompany(2), CompanySelection::Outcome::EditKept);
    EXPECT_EQ(prompter.lastText(),
              "Esta incluyendo un nuevo registro en Plan de Cuentas ¿Desea cancelar la operación?");
    EXPECT_EQ(session.gEmpresa, "002");
    EXPECT_EQ(session.gMes, 3);
    EXPECT_EQ(host.children.size(), 2u);
    EXPECT_EQ(host.closings, 0);
    EXPECT_TRUE(host.opened.isEmpty());
    EXPECT_EQ(
        db().scalar("SELECT Empresa FROM SESIONUSUARIO WHERE NombreEquipo = 'pc-1'").toString(),
        "002");

    // Giving it up closes the old company's windows before the new one is taken.
    prompter.answerYes();
    EXPECT_EQ(selection("001").SelectCompany(2), CompanySelection::Outcome::Selected);
    EXPECT_EQ(host.closings, 1);
    EXPECT_TRUE(host.children.empty());
    EXPECT_EQ(session.gEmpresa, "001");
    EXPECT_EQ(session.gMes, 0);
    EXPECT_EQ(host.caption, "Valdoria   Empresa : COMERCIAL ANDINA C.A.");
    EXPECT_EQ(host.opened, QStringList({"mnu_cambiarperiodo"}));
}

TEST_F(CompanySelectionTest, TheFirstCompanyOfTheSessionClosesNothing)
{
    // The companies window, open while there was no company, stays.
    host.children = {{"Empresas y Sucursales", 0}};
    EXPECT_EQ(selection("002").SelectCompany(2), CompanySelection::Outcome::Selected);
    EXPECT_EQ(host.closings, 0);
    EXPECT_EQ(host.children.size(), 1u);
}

TEST_F(CompanySelectionTest, OnlyAnAdministratorOfANewDatabaseIsSentToCreateTheFirstCompany)
{
    EXPECT_FALSE(CompanySelection::NeedsFirstCompany(session)); // there are companies
    db().exec("DELETE FROM USUARIOEMPRESA");
    db().exec("DELETE FROM EMPRESA");
    EXPECT_FALSE(CompanySelection::NeedsFirstCompany(session)); // Ana is no administrator
    Fixtures::addUser(db(), "ADMIN", "x", {"SISTEMAS"});
    Fixtures::addUser(db(), "JEFE", "x", {"SUPERGRUPO"});
    session.gUsuario = "JEFE";
    EXPECT_FALSE(CompanySelection::NeedsFirstCompany(session));
    session.gUsuario = "ADMIN";
    EXPECT_TRUE(CompanySelection::NeedsFirstCompany(session));
    EXPECT_TRUE(selection("001").needsFirstCompany());
}

TEST_F(CompanySelectionTest, TheSameUserInTheSameCompanyElsewhereIsRefused)
{
    db().exec("INSERT INTO SESIONUSUARIO (Empresa, Matriz, Usuario, Fecha, NombreEquipo) "
              "VALUES ('002', '001', 'ANA', '20261206', 'pc-9')");
    EXPECT_EQ(selection("002").SelectCompany(2), CompanySelection::Outcome::AlreadyInUse);
    EXPECT_EQ(prompter.lastText(), "¡El usuario ya inicio sesión en la empresa seleccionada!");
    EXPECT_TRUE(session.gEmpresa.isEmpty());
    EXPECT_EQ(CompanySelection(session, {}, "x").modeForUser(), 2);
}

TEST_F(CompanySelectionTest, NoListOfCompaniesShowsTheOtherSystemsLogins)
{
    db().exec("UPDATE EMPRESA SET ServidorOrvan = 'srv-ventas', UsuarioOrvan = 'contable', "
              "PasswordOrvan = ?, UsuarioNomina = 'nomina', PasswordNomina = ?",
              {PasswordScrambler::ScramblePassword("secreto"),
               PasswordScrambler::ScramblePassword("otro")});
    const QStringList secrets{"contable", "nomina", PasswordScrambler::ScramblePassword("secreto"),
                              PasswordScrambler::ScramblePassword("otro")};
    for (int mode : {1, 2}) {
        EXPECT_EQ(selection("002").SelectCompany(mode), CompanySelection::Outcome::Selected);
        ASSERT_FALSE(shown.isEmpty());
        for (const QStringList &row : std::as_const(shown))
            for (const QString &secret : secrets)
                EXPECT_FALSE(row.contains(secret))
                    << "mode " << mode << ": " << secret.toStdString();
        session.clearCompany();
    }
    // The server is no secret: the interfaces need it to know where to connect.
    EXPECT_EQ(selection("002").SelectCompany(2), CompanySelection::Outcome::Selected);
    EXPECT_EQ(session.gServidorOrvan, "srv-ventas");
}

} // namespace
