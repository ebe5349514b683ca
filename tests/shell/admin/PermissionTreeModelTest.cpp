#include "shell/admin/PermissionTreeModel.h"
#include "shell/admin/CompanyAssignmentModel.h"

#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

// Two menus: "Tablas" with two functions and a separator between them, "Sistema" with one.
std::vector<PermissionEntry> sampleTree()
{
    auto node = [](const char *key, const char *parent, bool separator = false) {
        PermissionEntry e;
        e.key = e.node = e.caption = QString::fromLatin1(key);
        e.parent = QString::fromLatin1(parent);
        e.separator = separator;
        return e;
    };
    auto op = [](const char *node, int option) {
        PermissionEntry e;
        e.node = e.parent = QString::fromLatin1(node);
        e.option = option;
        e.key = PermissionEntry::OperationKey(e.node, option);
        e.caption = QString::number(option);
        return e;
    };
    return {node("tablas", ""),         node("sistema", ""),
            node("terceros", "tablas"), node("sep", "tablas", true),
            node("cuentas", "tablas"),  node("usuarios", "sistema"),
            op("terceros", 1),          op("terceros", 7),
            op("cuentas", 1),           op("usuarios", 1)};
}

class PermissionTreeModelTest : public ::testing::Test
{
protected:
    PermissionTreeModelTest()
    {
        model.setEntries(sampleTree());
        model.setEditable(true);
    }
    QStringList marked()
    {
        QStringList keys;
        for (const char *key : {"Raiz", "tablas", "terceros", "terceros$1", "terceros$7", "sep",
                                "cuentas", "cuentas$1", "sistema", "usuarios", "usuarios$1"})
            if (model.isMarked(key))
                keys << key;
        return keys;
    }

    PermissionTreeModel model;
};

TEST_F(PermissionTreeModelTest, AMarkSpreadsToEverythingBelow)
{
    EXPECT_TRUE(model.toggle("tablas"));
    EXPECT_EQ(marked(), QStringList({"Raiz", "tablas", "terceros", "terceros$1", "terceros$7",
                                     "sep", "cuentas", "cuentas$1"}));
    model.toggle("tablas");
    EXPECT_TRUE(marked().isEmpty());
    model.toggle("Raiz");
    EXPECT_EQ(marked().size(), 11);
}

TEST_F(PermissionTreeModelTest, AParentIsMarkedWhileAnyChildIs)
{
    model.toggle("terceros$7");
    EXPECT_EQ(marked(), QStringList({"Raiz", "tablas", "terceros", "terceros$7", "sep"}));
    model.toggle("cuentas$1");
    model.toggle("terceros$7");
    // "terceros" lost its last operation; "tablas" keeps "cuentas".
    EXPECT_EQ(marked(), QStringList({"Raiz", "tablas", "sep", "cuentas", "cuentas$1"}));
    model.toggle("cuentas");
    // A separator alone does not keep a menu.
    EXPECT_TRUE(marked().isEmpty());
}

TEST_F(PermissionTreeModelTest, MarksChangeOnlyWhileEditingAndComeOutAsGrants)
{
    model.setEditable(false);
    EXPECT_FALSE(model.toggle("tablas"));
    EXPECT_FALSE(model.isMarked("tablas"));
    model.setEditable(true);
    EXPECT_FALSE(model.toggle("no-existe"));
    model.toggle("terceros");
    model.toggle("usuarios$1");
    EXPECT_EQ(model.markedNodes(),
              QStringList({"tablas", "sistema", "terceros", "sep", "usuarios"}));
    const std::vector<std::pair<QString, int>> options{
        {"terceros", 1}, {"terceros", 7}, {"usuarios", 1}};
    EXPECT_EQ(model.markedOptions(), options);
}

TEST_F(PermissionTreeModelTest, TheTreeHangsFromTheRootAndShowsMarksAsCheckStates)
{
    ASSERT_EQ(model.rowCount(), 1);
    const QModelIndex root = model.index(0, 0);
    EXPECT_EQ(root.data().toString(), "Raiz");
    EXPECT_EQ(model.rowCount(root), 2);
    const QModelIndex terceros = model.indexOf("terceros");
    EXPECT_EQ(model.parent(terceros), model.indexOf("tablas"));
    EXPECT_EQ(model.rowCount(terceros), 2);
    EXPECT_EQ(model.index(1, 0, terceros), model.indexOf("terceros$7"));
    EXPECT_EQ(terceros.data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_TRUE(model.toggle(terceros));
    EXPECT_EQ(terceros.data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_FALSE(model.flags(terceros) & Qt::ItemIsUserCheckable);

    // Marks read from the database are shown as they are, whatever their parents say.
    auto entries = sampleTree();
    entries[2].marked = true; // "terceros" without its menu
    model.setEntries(entries);
    EXPECT_TRUE(model.isMarked("terceros"));
    EXPECT_FALSE(model.isMarked("tablas"));
    EXPECT_TRUE(model.isMarked("Raiz"));
}

TEST(CompanyAssignmentModel, TicksChangeOnlyWhileEditing)
{
    CompanyAssignmentModel model;
    model.setCompanies(
        {{"A1", "ALFA", 1, "A1", "ALFA", true}, {"A2", "CENTRO", 0, "A1", "ALFA", false}});
    EXPECT_EQ(model.index(1, 1).data().toString(), "CENTRO (SUCURSAL ALFA)");
    model.setAllAssigned(true);
    EXPECT_FALSE(model.companies()[1].assigned);
    EXPECT_FALSE(model.setData(model.index(0, 0), Qt::Unchecked, Qt::CheckStateRole));

    model.setEditable(true);
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable);
    model.setAllAssigned(true);
    EXPECT_TRUE(model.companies()[1].assigned);
    EXPECT_TRUE(model.setData(model.index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_FALSE(model.companies()[0].assigned);
    model.setAllAssigned(false);
    EXPECT_FALSE(model.companies()[1].assigned);
}

} // namespace
