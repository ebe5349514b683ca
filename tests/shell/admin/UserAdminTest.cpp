#include "shell/admin/UserAdmin.h"

#include "AdminFixture.h"
#include "common/OptionRights.h"

namespace {

using Result = UserAdmin::Result;
using Field = UserAdmin::Field;

class UserAdminTest : public AdminFixture
{
protected:
    static UserAdmin::Input input(const QString &code, const QStringList &groups,
                                  const QString &password = {}, const QString &name = {})
    {
        return {code,     name.isEmpty() ? "USUARIO " + code.trimmed().toUpper() : name,
                password, password,
                true,     groups};
    }
    QStringList visibleUsers(UserAdmin &admin)
    {
        QStringList codes;
        for (const auto &u : admin.users())
            codes << u.code;
        codes.sort();
        return codes;
    }
    QStringList visibleGroups(UserAdmin &admin)
    {
        QStringList codes;
        for (const auto &g : admin.groups())
            codes << g.code;
        codes.sort();
        return codes;
    }

    UserAdmin users{session};
};

TEST_F(UserAdminTest, OutsideSistemasNeitherTheGroupNorItsMembersAreSeen)
{
    // A member of SISTEMAS who also belongs to another group stays hidden.
    db().exec("INSERT INTO USUARIOGRUPO (CodUsuario, CodGrupo) VALUES ('ADMIN', 'CONTA')");
    as("JEFE");
    EXPECT_EQ(visibleUsers(users), QStringList({"ANA", "JEFE", "LUIS", "PEDRO"}));
    EXPECT_FALSE(visibleGroups(users).contains("SISTEMAS"));
    EXPECT_FALSE(users.user("ADMIN"));
    EXPECT_EQ(users.modify(input("ADMIN", {"CONTA"})), Result::NotAllowed);
    EXPECT_EQ(users.remove("ADMIN"), Result::NotAllowed);
    EXPECT_EQ(groupsOf("ADMIN"), QStringList({"CONTA", "SISTEMAS"}));

    as("ADMIN");
    EXPECT_EQ(visibleUsers(users), QStringList({"ADMIN", "ANA", "JEFE", "LUIS", "PEDRO"}));
    EXPECT_TRUE(visibleGroups(users).contains("SISTEMAS"));
    EXPECT_EQ(users.user("admin")->groups, QStringList({"CONTA", "SISTEMAS"}));
}

TEST_F(UserAdminTest, ANewUserIsKeptAsTheLoginLooksForHimWithAHashedPassword)
{
    EXPECT_EQ(users.create(input(" maria ", {"CONTA", "VENTAS"}, " Secreta1 ")), Result::Saved);
    EXPECT_EQ(groupsOf("MARIA"), QStringList({"CONTA", "VENTAS"}));
    const QString stored = storedPassword("MARIA");
    EXPECT_FALSE(stored.contains("Secreta1", Qt::CaseInsensitive));
    EXPECT_TRUE(PasswordHash::VerifyLoginPassword(stored, "secreta1"));
    EXPECT_EQ(users.user("maria")->name, "USUARIO MARIA");
}

TEST_F(UserAdminTest, SaveChecksFieldsGroupsAndConfirmationInThatOrder)
{
    UserAdmin::Input in = input("NUEVO", {}, "abc");
    in.name = "  ";
    EXPECT_EQ(users.create(in), Result::MissingField);
    EXPECT_EQ(users.failedField(), Field::Name);
    in.name = "Nuevo";
    EXPECT_EQ(users.create(in), Result::NoGroup);
    EXPECT_EQ(prompter.lastText(), "¡Debe seleccionar un grupo!");
    in.groups = {"NO-EXISTE"};
    EXPECT_EQ(users.create(in), Result::NoGroup);
    in.groups = {"CONTA"};
    in.verification = "abd";
    EXPECT_EQ(users.create(in), Result::ConfirmationDiffers);
    EXPECT_EQ(prompter.lastText(), "¡Confirmación de clave errada!");
    EXPECT_EQ(prompter.messages().back().kind, ScriptedPrompter::Kind::Warning);
    in.password = in.verification = "";
    EXPECT_EQ(users.create(in), Result::MissingField);
    EXPECT_EQ(users.failedField(), Field::Password);
    EXPECT_EQ(count("SELECT COUNT(*) FROM USUARIOS WHERE CodUsuario = 'NUEVO'"), 0);
}

TEST_F(UserAdminTest, ADuplicateCodeIsRefusedAndChangesNothing)
{
    const QString before = storedPassword("ANA");
    EXPECT_EQ(users.create(input("ana", {"VENTAS"}, "otra")), Result::Duplicate);
    EXPECT_EQ(prompter.lastText(), "Registro duplicado!");
    EXPECT_EQ(storedPassword("ANA"), before);
    EXPECT_EQ(groupsOf("ANA"), QStringList({"CONTA"}));
}

TEST_F(UserAdminTest, AChangeKeepsThePasswordUnlessANewOneIsTyped)
{
    const QString before = storedPassword("ANA");
    UserAdmin::Input in = input("ANA", {"VENTAS"}, {}, "Ana María");
    in.active = false;
    EXPECT_EQ(users.modify(in), Result::Saved);
    EXPECT_EQ(storedPassword("ANA"), before);
    EXPECT_EQ(groupsOf("ANA"), QStringList({"VENTAS"}));
    EXPECT_EQ(users.user("ANA")->name, "Ana María");
    EXPECT_FALSE(users.user("ANA")->active);

    in.password = in.verification = "nueva";
    EXPECT_EQ(users.modify(in), Result::Saved);
    EXPECT_TRUE(PasswordHash::VerifyLoginPassword(storedPassword("ANA"), "NUEVA"));
    EXPECT_EQ(users.modify(input("NADIE", {"CONTA"})), Result::UnknownUser);
}

TEST_F(UserAdminTest, OnlyAdministratorsSetOtherUsersPasswordsAndGroupsEvenThroughTheService)
{
    // ANA's group holds every operation of the user window, yet she is no administrator.
    as("ANA");
    const QString luis = storedPassword("LUIS");
    EXPECT_EQ(users.create(input("NUEVO", {"CONTA"}, "x")), Result::NotAllowed);
    EXPECT_EQ(prompter.lastText(), OptionRights::NotAllowedText);
    EXPECT_EQ(users.modify(input("LUIS", {"CONTA"}, "robada")), Result::NotAllowed);
    EXPECT_EQ(storedPassword("LUIS"), luis);
    EXPECT_EQ(users.modify(input("LUIS", {"CONTA", "VENTAS"})), Result::NotAllowed);
    EXPECT_EQ(users.modify(input("ANA", {"CONTA", "VENTAS"})), Result::NotAllowed);
    EXPECT_EQ(users.modify(input("JEFE", {"SUPERGRUPO"}, {}, "Otro nombre")), Result::NotAllowed);
    EXPECT_EQ(users.remove("JEFE"), Result::NotAllowed);
    EXPECT_EQ(groupsOf("LUIS"), QStringList({"CONTA"}));

    // What is left to her: names and states of non-administrators, and her own password.
    EXPECT_EQ(users.modify(input("LUIS", {"CONTA"}, {}, "Luis Rojas")), Result::Saved);
    EXPECT_EQ(users.modify(input("ANA", {"CONTA"}, "propia")), Result::Saved);
    EXPECT_TRUE(PasswordHash::VerifyLoginPassword(storedPassword("ANA"), "propia"));

    // Without the window's operations nothing at all.
    as("PEDRO");
    EXPECT_EQ(users.modify(input("PEDRO", {"VENTAS"}, "x")), Result::NotAllowed);
    EXPECT_EQ(users.remove("LUIS"), Result::NotAllowed);
}

TEST_F(UserAdminTest, SuperGroupAdministersEverybodyButSistemas)
{
    as("JEFE");
    EXPECT_EQ(users.modify(input("LUIS", {"VENTAS"}, "nueva")), Result::Saved);
    EXPECT_TRUE(PasswordHash::VerifyLoginPassword(storedPassword("LUIS"), "NUEVA"));
    EXPECT_EQ(users.create(input("INTRUSO", {"SISTEMAS"}, "x")), Result::NotAllowed);
    EXPECT_EQ(users.modify(input("LUIS", {"SISTEMAS", "VENTAS"})), Result::NotAllowed);
    EXPECT_EQ(groupsOf("LUIS"), QStringList({"VENTAS"}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM USUARIOS WHERE CodUsuario = 'INTRUSO'"), 0);
}

TEST_F(UserAdminTest, SistemasAlwaysKeepsAnActiveMember)
{
    const QString last = UserAdmin::LastSystemsMemberText;
    EXPECT_EQ(users.modify(input("ADMIN", {"CONTA"})), Result::LastSystemsMember);
    EXPECT_EQ(prompter.lastText(), last);
    UserAdmin::Input inactive = input("ADMIN", {"SISTEMAS"});
    inactive.active = false;
    EXPECT_EQ(users.modify(inactive), Result::LastSystemsMember);
    EXPECT_EQ(users.remove("ADMIN"), Result::LastSystemsMember);
    EXPECT_EQ(groupsOf("ADMIN"), QStringList({"SISTEMAS"}));

    // An inactive second member cannot stand in for the last active one.
    Fixtures::addUser(db(), "ROOT", "x", {"SISTEMAS"}, 0);
    EXPECT_EQ(users.remove("ADMIN"), Result::LastSystemsMember);
    db().exec("UPDATE USUARIOS SET Status = 1 WHERE CodUsuario = 'ROOT'");
    EXPECT_EQ(users.modify(input("ADMIN", {"CONTA"})), Result::Saved);
    // Out of the group, ADMIN no longer even sees its last member.
    EXPECT_EQ(users.remove("ROOT"), Result::NotAllowed);
    as("ROOT");
    EXPECT_EQ(users.remove("ROOT"), Result::LastSystemsMember);
}

TEST_F(UserAdminTest, DeletingAUserTakesHisMembershipsAndCompaniesAlong)
{
    Fixtures::addCompany(db(), "E1", "EMPRESA UNO");
    Fixtures::assignCompany(db(), "LUIS", "E1", "E1");
    EXPECT_EQ(users.remove("luis"), Result::Deleted);
    EXPECT_EQ(count("SELECT COUNT(*) FROM USUARIOGRUPO WHERE CodUsuario = 'LUIS'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM USUARIOEMPRESA WHERE Usuario = 'LUIS'"), 0);
    EXPECT_EQ(users.remove("LUIS"), Result::UnknownUser);
}

} // namespace
