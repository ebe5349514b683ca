#include "common/Session.h"
#include "common/grid/CatalogPicker.h"
#include "common/grid/GridModel.h"
#include "platform/Db.h"
#include "shell/SessionAdmin.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

// Picks the row whose user column matches, as the person at the catalogue would.
class PickUser : public CatalogPicker
{
public:
    explicit PickUser(QString user) : m_user(std::move(user)) {}
    std::optional<int> pick(GridModel &rows) override
    {
        rows.fetchAll();
        shown = rows.rowCount();
        for (int r = 0; r < rows.rowCount(); ++r)
            if (rows.rowTexts(r).value(4) == m_user)
                return r;
        return std::nullopt;
    }
    int shown = 0;

private:
    QString m_user;
};

class SessionAdminTest : public ::testing::Test
{
protected:
    SessionAdminTest()
    {
        Fixtures::addCompany(db(), "001", "COMERCIAL ANDINA C.A.");
        Fixtures::addUser(db(), "ADMIN", "x", {"SISTEMAS"});
        Fixtures::addUser(db(), "ANA", "x");
        Fixtures::addUser(db(), "LUIS", "x");
        for (const auto &[user, host] : {std::pair{"ADMIN", "pc-1"}, {"ANA", "pc-2"},
                                         {"LUIS", "pc-3"}})
            db().exec("INSERT INTO SESIONUSUARIO (Empresa, Matriz, Usuario, Fecha, NombreEquipo) "
                      "VALUES ('001', '001', ?, '20261206', ?)",
                      {user, host});
        session.gConexion = &db();
        session.prompter = &prompter;
        session.gUsuario = "ADMIN";
    }
    Db &db() { return data.db(); }
    int rows() { return db().scalar("SELECT COUNT(*) FROM SESIONUSUARIO").toInt(); }

    TestDatabase data;
    Session session;
    ScriptedPrompter prompter;
};

TEST_F(SessionAdminTest, AnAdministratorClearsAnotherWorkstationsRowAfterAsking)
{
    PickUser picker("ANA");
    prompter.answerNo();
    EXPECT_FALSE(SessionAdmin::CloseSession(session, picker, "PC-1"));
    EXPECT_EQ(picker.shown, 2);  // his own row on this workstation is not offered
    EXPECT_EQ(prompter.messages().back().title, "Eliminar Sesión de : USUARIO ANA (pc-2)");
    EXPECT_EQ(rows(), 3);

    prompter.answerYes();
    EXPECT_TRUE(SessionAdmin::CloseSession(session, picker, "pc-1"));
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(session.gCatalogoRegistros, 2);
}

TEST_F(SessionAdminTest, OthersMayNot)
{
    session.gUsuario = "LUIS";
    PickUser picker("ANA");
    EXPECT_FALSE(SessionAdmin::CloseSession(session, picker, "pc-3"));
    EXPECT_EQ(picker.shown, 0);
    EXPECT_EQ(rows(), 3);
}

} // namespace
