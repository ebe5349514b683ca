#include "schema/NavigationTree.h"
#include "platform/Db.h"
#include "schema/InitialData.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const std::vector<NavigationNode> &tree()
{
    return DefaultNavigationTree();
}

bool offers(const NavigationNode &n, ToolbarOption option)
{
    return std::find(n.options.begin(), n.options.end(), option) != n.options.end();
}

TEST(NavigationTreeTest, EveryNodeHangsFromAContainerOneLevelUp)
{
    QHash<QString, const NavigationNode *> seen;
    QHash<QString, int> siblings;
    QSet<QString> parents;
    for (const NavigationNode &n : tree())
        parents.insert(n.parent);
    for (const NavigationNode &n : tree()) {
        SCOPED_TRACE(n.code.toStdString());
        EXPECT_FALSE(seen.contains(n.code)) << "duplicate code";
        EXPECT_EQ(n.number, seen.size() + 1);
        if (n.parent == NavigationRootKey()) {
            EXPECT_EQ(n.level, 1);
        } else {
            const NavigationNode *parent = seen.value(n.parent);
            ASSERT_NE(parent, nullptr) << "parent missing or listed after its child";
            EXPECT_TRUE(parent->container);
            EXPECT_EQ(n.level, parent->level + 1);
        }
        EXPECT_EQ(n.order, ++siblings[n.parent]);
        seen.insert(n.code, &n);
        if (n.container) {
            EXPECT_TRUE(n.form.isEmpty());
            EXPECT_TRUE(parents.contains(n.code)) << "empty sub-menu";
        } else if (n.isSeparator()) {
            EXPECT_NE(n.image, 0) << "without a picture a separator shows as an entry";
        } else {
            // Whatever a group is granted, its window can always be closed.
            EXPECT_TRUE(offers(n, ToolbarOption::Salir));
        }
    }
}

class InstalledNavigationTest : public ::testing::Test
{
protected:
    Db &db() { return m_database.db(); }
    qlonglong count(const QString &sql, const QVariantList &params = {})
    {
        return db().scalar(sql, params).toLongLong();
    }

    TestDatabase m_database;
};

TEST_F(InstalledNavigationTest, SegHoldsTheTreeAndTheOperationsItsWindowsOffer)
{
    const auto rows = db().rows("SELECT CodNodo, NomNodo, Nivel, NodoPadre, NumNodo, Orden, "
                                "Imagen, Forma, EsPadre FROM SEG ORDER BY NumNodo");
    ASSERT_EQ(rows.size(), tree().size());
    size_t offered = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const NavigationNode &n = tree()[i];
        const QSqlRecord &r = rows[i];
        SCOPED_TRACE(n.code.toStdString());
        EXPECT_EQ(r.value(0).toString(), n.code);
        EXPECT_EQ(r.value(1).toString(), n.caption);
        EXPECT_EQ(r.value(2).toInt(), n.level);
        EXPECT_EQ(r.value(3).toString(), n.parent);
        EXPECT_EQ(r.value(5).toInt(), n.order);
        EXPECT_EQ(r.value(6).toInt(), n.image);
        EXPECT_EQ(r.value(7).toString(), n.form);
        EXPECT_EQ(r.value(8).toString(), n.container ? "S" : "N");
        EXPECT_EQ(count("SELECT COUNT(*) FROM OPCIONESMENU WHERE CodNodo = ?", {n.code}),
                  qlonglong(n.options.size()));
        offered += n.options.size();
    }
    EXPECT_GT(offered, tree().size());
}

TEST_F(InstalledNavigationTest, SistemasSeesEveryNodeWithEveryOperation)
{
    EXPECT_EQ(count("SELECT COUNT(*) FROM GRUPOSEG WHERE CodGrupo = 'SISTEMAS' AND Ver = 'S'"),
              qlonglong(tree().size()));
    EXPECT_EQ(count("SELECT COUNT(*) FROM OPCIONESMENU OM LEFT JOIN OPCIONESGRUPO OG "
                    "ON OG.CodNodo = OM.CodNodo AND OG.Opcion = OM.Opcion "
                    "AND OG.CodGrupo = 'SISTEMAS' WHERE OG.CodGrupo IS NULL"),
              0);
}

TEST_F(InstalledNavigationTest, SupergrupoLacksOnlyTheSystemsWindows)
{
    const auto hidden = db().rows("SELECT S.Forma FROM SEG S WHERE NOT EXISTS (SELECT 1 FROM "
                                  "GRUPOSEG G WHERE G.CodNodo = S.CodNodo "
                                  "AND G.CodGrupo = 'SUPERGRUPO') ORDER BY S.Forma");
    QStringList forms;
    for (const QSqlRecord &r : hidden)
        forms << r.value(0).toString();
    EXPECT_EQ(forms, QStringList({"FrmEstructura", "FrmSistema"}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM OPCIONESGRUPO WHERE CodGrupo = 'SUPERGRUPO' "
                    "AND CodNodo IN ('mnu_estructura', 'mnu_nombresistema')"),
              0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM OPCIONESGRUPO WHERE CodGrupo = 'SUPERGRUPO'"),
              count("SELECT COUNT(*) FROM OPCIONESMENU WHERE CodNodo NOT IN "
                    "('mnu_estructura', 'mnu_nombresistema')"));
}

TEST_F(InstalledNavigationTest, RightsFollowNodesAndGroupsButSurviveAnEditedNode)
{
    // The structure window rewrites a node's operations on every save.
    db().exec("DELETE FROM OPCIONESMENU WHERE CodNodo = 'mnu_terceros'");
    db().exec("INSERT INTO OPCIONESMENU (CodNodo, Opcion) VALUES ('mnu_terceros', 10)");
    EXPECT_EQ(count("SELECT COUNT(*) FROM OPCIONESGRUPO WHERE CodNodo = 'mnu_terceros' "
                    "AND CodGrupo = 'SISTEMAS'"),
              8);

    db().exec("DELETE FROM SEG WHERE CodNodo = 'mnu_terceros'");
    for (const char *table : {"OPCIONESMENU", "GRUPOSEG", "OPCIONESGRUPO"})
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE CodNodo = 'mnu_terceros'")
                            .arg(QLatin1String(table))),
                  0)
            << table;

    db().exec("DELETE FROM GRUPOS WHERE CodGrupo = 'SUPERGRUPO'");
    EXPECT_EQ(count("SELECT COUNT(*) FROM GRUPOSEG WHERE CodGrupo = 'SUPERGRUPO'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM OPCIONESGRUPO WHERE CodGrupo = 'SUPERGRUPO'"), 0);
}

TEST_F(InstalledNavigationTest, InstallingAgainAddsOnlyMissingNodes)
{
    EXPECT_EQ(InstallNavigationTree(db()), 0);
    db().exec("UPDATE SEG SET NomNodo = 'Clientes y Proveedores' WHERE CodNodo = 'mnu_terceros'");
    db().exec("DELETE FROM SEG WHERE CodNodo = 'mnu_cierre'");
    db().exec("DELETE FROM GRUPOS WHERE CodGrupo = 'SUPERGRUPO'");

    EXPECT_EQ(InstallNavigationTree(db()), 1);
    EXPECT_EQ(db().scalar("SELECT NomNodo FROM SEG WHERE CodNodo = 'mnu_terceros'"),
              QVariant("Clientes y Proveedores"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM OPCIONESGRUPO WHERE CodNodo = 'mnu_cierre' "
                    "AND CodGrupo = 'SISTEMAS'"),
              2);
}

} // namespace
