#include "shell/admin/GroupAdmin.h"

#include "AdminFixture.h"
#include "shell/NavigationMenu.h"
#include "shell/admin/PermissionTreeModel.h"

#include <algorithm>

namespace {

using Result = GroupAdmin::Result;
using Group = GroupAdmin::Group;

class GroupAdminTest : public AdminFixture
{
protected:
    static int option(const char *name)
    {
        static const QStringList names{"Nuevo",    "Modificar", "Eliminar", "Buscar",
                                       "Imprimir", "Cancelar",  "Guardar",  "Aprobar"};
        return int(names.indexOf(name)) + 1;
    }
    QStringList seenNodes(const QString &group)
    {
        QStringList nodes;
        for (const QSqlRecord &r : db().rows(
                 "SELECT CodNodo, Ver FROM GRUPOSEG WHERE CodGrupo = ? ORDER BY CodNodo", {group}))
            nodes << r.value(0).toString() + ":" + r.value(1).toString();
        return nodes;
    }
    QStringList grantedOptions(const QString &group)
    {
        QStringList options;
        for (const QSqlRecord &r : db().rows("SELECT CodNodo, Opcion FROM OPCIONESGRUPO "
                                             "WHERE CodGrupo = ? ORDER BY CodNodo, Opcion",
                                             {group}))
            options << PermissionEntry::OperationKey(r.value(0).toString(), r.value(1).toInt());
        return options;
    }

    GroupAdmin groups{session};
};

TEST_F(GroupAdminTest, SistemasIsInvisibleOutsideItself)
{
    as("JEFE");
    for (const Group &g : groups.groups())
        EXPECT_NE(g.code, "SISTEMAS");
    EXPECT_FALSE(groups.group("SISTEMAS"));
    const auto entries = groups.permissionEntries("SISTEMAS");
    EXPECT_TRUE(std::none_of(entries.begin(), entries.end(),
                             [](const PermissionEntry &e) { return e.marked; }));
    EXPECT_EQ(groups.modify({"SISTEMAS", "X"}, {}), Result::NotAllowed);
    EXPECT_EQ(groups.remove("SISTEMAS"), Result::NotAllowed);
    EXPECT_EQ(db().scalar("SELECT NombreGrupo FROM GRUPOS WHERE CodGrupo = 'SISTEMAS'").toString(),
              "ADMINISTRADORES DEL SISTEMA");
    as("ADMIN");
    EXPECT_TRUE(groups.group("sistemas"));
}

TEST_F(GroupAdminTest, ANewGroupKeepsOnlyWhatTheTreeMarked)
{
    Group g{"cajeros", "CAJEROS", true, false, true, false, true};
    GroupAdmin::Marks marks;
    marks.nodes = {"mnu_tablas", "mnu_terceros", "mnu_nada"};
    marks.options = {{"mnu_terceros", option("Nuevo")},
                     {"mnu_terceros", option("Guardar")},
                     {"mnu_terceros", option("Aprobar")}}; // not offered there
    EXPECT_EQ(groups.create(g, marks), Result::Saved);
    EXPECT_EQ(seenNodes("CAJEROS"), QStringList({"mnu_tablas:S", "mnu_terceros:S"}));
    EXPECT_EQ(grantedOptions("CAJEROS"), QStringList({"mnu_terceros$1", "mnu_terceros$7"}));
    const Group stored = *groups.group("CAJEROS");
    EXPECT_TRUE(stored.imprimirCheque);
    EXPECT_TRUE(stored.mostrarUltMov);
    // The kind of modification is meaningless without the right to modify.
    EXPECT_FALSE(stored.tipoModificacion);

    EXPECT_EQ(groups.create({"CAJEROS", "OTRO"}, {}), Result::Exists);
    EXPECT_EQ(prompter.lastText(), "El codigo de grupo existe");
    EXPECT_EQ(prompter.messages().back().kind, ScriptedPrompter::Kind::Info);
    EXPECT_EQ(groups.group("CAJEROS")->name, "CAJEROS");
}

TEST_F(GroupAdminTest, AGroupSavedWithNothingMarkedShowsItsMembersOnlyTheFixedMenu)
{
    EXPECT_EQ(groups.modify({"CONTA", "CONTADORES"}, {}), Result::Saved);
    EXPECT_TRUE(seenNodes("CONTA").isEmpty());
    EXPECT_TRUE(grantedOptions("CONTA").isEmpty());
    EXPECT_TRUE(NavigationMenu::Build(db(), "ANA").empty());
}

TEST_F(GroupAdminTest, TheTreeShowsWhatWasSavedAndSavesItBackUnchanged)
{
    PermissionTreeModel tree;
    tree.setEntries(groups.permissionEntries("CONTA"));
    EXPECT_TRUE(tree.isMarked("mnu_usuarios"));
    EXPECT_TRUE(tree.isMarked(PermissionEntry::OperationKey("mnu_usuarios", option("Guardar"))));
    EXPECT_FALSE(tree.isMarked("mnu_terceros"));
    EXPECT_FALSE(tree.contains(PermissionEntry::OperationKey("mnu_tablas", option("Nuevo"))));

    const QStringList seen = seenNodes("CONTA");
    const QStringList granted = grantedOptions("CONTA");
    EXPECT_EQ(groups.modify(*groups.group("CONTA"), {tree.markedNodes(), tree.markedOptions()}),
              Result::Saved);
    EXPECT_EQ(seenNodes("CONTA"), seen);
    EXPECT_EQ(grantedOptions("CONTA"), granted);

    // Parents come before their children, operations right under their function.
    const auto entries = groups.permissionEntries({});
    EXPECT_TRUE(std::none_of(entries.begin(), entries.end(),
                             [](const PermissionEntry &e) { return e.marked; }));
    QStringList seenKeys;
    for (const PermissionEntry &e : entries) {
        if (!e.parent.isEmpty()) {
            EXPECT_TRUE(seenKeys.contains(e.parent)) << e.key.toStdString();
        }
        seenKeys << e.key;
    }
}

TEST_F(GroupAdminTest, OnlyAdministratorsChangeGroups)
{
    as("ANA");
    EXPECT_EQ(groups.create({"NUEVO", "NUEVO"}, {}), Result::NotAllowed);
    EXPECT_EQ(groups.modify({"CONTA", "CONTADORES"}, {{"mnu_estructura"}, {}}), Result::NotAllowed);
    EXPECT_EQ(groups.remove("VENTAS"), Result::NotAllowed);
    EXPECT_FALSE(seenNodes("CONTA").contains("mnu_estructura:S"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM GRUPOS WHERE CodGrupo = 'VENTAS'"), 1);
}

TEST_F(GroupAdminTest, SistemasCannotBeDeletedOtherGroupsGoWithTheirRights)
{
    EXPECT_EQ(groups.remove("SISTEMAS"), Result::Protected);
    EXPECT_EQ(prompter.lastText(), GroupAdmin::ProtectedText);
    EXPECT_EQ(groups.remove("CONTA"), Result::Deleted);
    EXPECT_EQ(count("SELECT COUNT(*) FROM USUARIOGRUPO WHERE CodGrupo = 'CONTA'"), 0);
    EXPECT_TRUE(seenNodes("CONTA").isEmpty());
    EXPECT_TRUE(grantedOptions("CONTA").isEmpty());
    EXPECT_EQ(groups.remove("CONTA"), Result::UnknownGroup);
}

TEST_F(GroupAdminTest, RequiredFieldsComeFirst)
{
    EXPECT_EQ(groups.create({" ", "X"}, {}), Result::MissingField);
    EXPECT_EQ(groups.failedField(), GroupAdmin::Field::Code);
    EXPECT_EQ(groups.create({"X", ""}, {}), Result::MissingField);
    EXPECT_EQ(groups.failedField(), GroupAdmin::Field::Name);
    EXPECT_EQ(groups.modify({"NOEXISTE", "X"}, {}), Result::UnknownGroup);
}

} // namespace
