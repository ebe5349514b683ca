#include "common/Session.h"
#include "platform/Db.h"
#include "shell/MenuStructure.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

using Kind = MenuStructure::Kind;

class MenuStructureTest : public ::testing::Test
{
protected:
    MenuStructureTest()
    {
        Fixtures::addUser(db(), "ADMIN", "x", {"SISTEMAS"});
        Fixtures::addUser(db(), "ANA", "x", {"SUPERGRUPO"});
        session.gConexion = &db();
        session.prompter = &prompter;
        session.gUsuario = "ADMIN";
        session.gNombreSistema = "Valdoria";
    }
    Db &db() { return data.db(); }
    MenuStructure::NodeInput input(const QString &code, Kind kind, const QString &form = {})
    {
        return {code, "Nodo " + code, 0, form, kind, {"Nuevo", "Salir"}};
    }
    int orderOf(const QString &code) { return structure.node(code)->order; }

    TestDatabase data;
    Session session;
    ScriptedPrompter prompter;
    MenuStructure structure{session};
};

TEST_F(MenuStructureTest, NewNodesGoLastUnderAContainerWithTheirOperations)
{
    ASSERT_TRUE(structure.addNode(MenuStructure::Root, input("t_menu", Kind::Container)));
    ASSERT_TRUE(structure.addNode("t_menu", input("t_a", Kind::Function, "frmA")));
    ASSERT_TRUE(structure.addNode("t_menu", input("t_b", Kind::Function, "frmB")));
    const auto b = structure.node("t_b");
    EXPECT_EQ(b->level, 2);
    EXPECT_EQ(b->order, 2);
    EXPECT_EQ(structure.optionsOf("t_b"), QStringList({"Nuevo", "Salir"}));

    EXPECT_FALSE(structure.addNode("t_a", input("t_c", Kind::Function, "frmC")));
    EXPECT_EQ(prompter.lastText(), "No puede insertar un nodo en una función");
    EXPECT_FALSE(structure.addNode("t_menu", input("t_d", Kind::Function)));
    EXPECT_EQ(prompter.lastText(), "¡Debe definir el nombre del formulario!");
    EXPECT_EQ(prompter.messages().back().title, "Error");
    ASSERT_TRUE(structure.addNode("t_menu", input("t_sep", Kind::Separator)));
    EXPECT_EQ(structure.node("t_sep")->caption, "_");
}

TEST_F(MenuStructureTest, UpDownAndDeleteKeepTheOrderWithoutGaps)
{
    structure.addNode(MenuStructure::Root, input("t_menu", Kind::Container));
    for (const char *c : {"t_1", "t_2", "t_3"})
        structure.addNode("t_menu", input(c, Kind::Function, "frmX"));
    EXPECT_TRUE(structure.moveUp("t_3"));
    EXPECT_EQ(orderOf("t_3"), 2);
    EXPECT_EQ(orderOf("t_2"), 3);
    EXPECT_FALSE(structure.moveUp("t_1"));  // already first
    EXPECT_FALSE(structure.moveDown("t_2"));  // already last

    prompter.answerNo();
    EXPECT_FALSE(structure.deleteNode("t_1"));
    prompter.answerYes();
    EXPECT_TRUE(structure.deleteNode("t_1"));
    EXPECT_EQ(orderOf("t_3"), 1);
    EXPECT_EQ(orderOf("t_2"), 2);
    EXPECT_FALSE(structure.deleteNode("t_menu"));  // still has entries
    EXPECT_FALSE(structure.deleteNode(MenuStructure::Root));
    EXPECT_EQ(prompter.lastText(), "No puede eliminar el nodo raiz del sistema");
}

TEST_F(MenuStructureTest, MovingASubtreeRenumbersItsLevels)
{
    structure.addNode(MenuStructure::Root, input("t_a", Kind::Container));
    structure.addNode(MenuStructure::Root, input("t_b", Kind::Container));
    structure.addNode("t_b", input("t_sub", Kind::Container));
    structure.addNode("t_sub", input("t_leaf", Kind::Function, "frmX"));
    structure.addNode("t_b", input("t_after", Kind::Function, "frmY"));

    prompter.answerYes();
    ASSERT_TRUE(structure.moveTo("t_sub", "t_a"));
    EXPECT_EQ(prompter.messages().back().text, "Desea mover el nodo Nodo t_sub al sub menú Nodo t_a ...?");
    EXPECT_EQ(structure.node("t_sub")->parent, "t_a");
    EXPECT_EQ(structure.node("t_leaf")->level, 3);
    EXPECT_EQ(orderOf("t_after"), 1);  // the old siblings close the gap

    prompter.answerYes();
    ASSERT_TRUE(structure.moveTo("t_sub", MenuStructure::Root));
    EXPECT_EQ(structure.node("t_sub")->level, 1);
    EXPECT_EQ(structure.node("t_leaf")->level, 2);
    EXPECT_FALSE(structure.moveTo("t_a", "t_a"));
    EXPECT_FALSE(structure.moveTo("t_sub", "t_leaf"));  // not into a function
}

TEST_F(MenuStructureTest, OnlyTheSystemsGroupMayChangeTheMenu)
{
    session.gUsuario = "ANA";
    EXPECT_FALSE(structure.addNode(MenuStructure::Root, input("t_x", Kind::Container)));
    EXPECT_FALSE(structure.node("t_x").has_value());
    EXPECT_TRUE(prompter.lastText().contains("SISTEMAS"));
}

} // namespace
