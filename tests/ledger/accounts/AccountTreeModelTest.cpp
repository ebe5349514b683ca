#include "ledger/accounts/AccountTreeModel.h"

#include "AccountFixture.h"

#include <QAbstractItemModelTester>

namespace {

class AccountTreeModelTest : public AccountFixture
{
protected:
    AccountTreeModelTest()
    {
        // Added out of order: the tree orders by level and code, not by insertion.
        addAccount("110102", "CAJA", "1101", 4, false);
        addAccount("110100", "CAJA CHICA", "1101", 4, false);
        model.load(db());
    }
    QStringList childTexts(const QModelIndex &parent) const
    {
        QStringList texts;
        for (int r = 0; r < model.rowCount(parent); ++r)
            texts << model.index(r, 0, parent).data().toString();
        return texts;
    }
    AccountTreeModel model;
};

TEST_F(AccountTreeModelTest, EveryAccountHangsUnderItsParentBelowTheRoot)
{
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(model.rowCount(), 1);
    const QModelIndex root = model.rootIndex();
    EXPECT_EQ(root.data().toString(), "CUENTAS CONTABLES");
    EXPECT_EQ(root.data(AccountTreeModel::KeyRole).toString(), "Raiz");
    EXPECT_EQ(childTexts(root), QStringList({"1 - ACTIVO", "2 - PASIVO"}));
    EXPECT_EQ(model.accountCount(), 8);

    const QModelIndex available = model.indexOf("1101");
    EXPECT_EQ(childTexts(available),
              QStringList({"110100 - CAJA CHICA", "110101 - BANCOS", "110102 - CAJA"}));
    EXPECT_EQ(available.parent(), model.indexOf("11"));
    const QModelIndex bank = model.indexOf("110101001");
    EXPECT_EQ(bank.data(AccountTreeModel::KeyRole).toString(), "C110101001");
    EXPECT_EQ(bank.data(AccountTreeModel::ImageRole).toString(), "Detalle");
    EXPECT_EQ(bank.data(AccountTreeModel::LevelRole).toInt(), 5);
    EXPECT_EQ(available.data(AccountTreeModel::ImageRole).toString(), "Maestra");
    EXPECT_FALSE(model.indexOf("9").isValid());
}

TEST_F(AccountTreeModelTest, AnAccountWhoseParentIsMissingShowsUnderTheRoot)
{
    addAccount("3101", "CAPITAL SOCIAL", "31", 3, true);
    model.load(db());
    EXPECT_EQ(model.indexOf("3101").parent(), model.rootIndex());
}

TEST_F(AccountTreeModelTest, SavedAccountsAreAddedInCodeOrderOrUpdatedInPlace)
{
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.upsert("110101000", "BANCO CENTRAL", "110101", 5, false);
    model.upsert("110101005", "BANCO PROVINCIAL", "110101", 5, false);
    EXPECT_EQ(childTexts(model.indexOf("110101")),
              QStringList({"110101000 - BANCO CENTRAL", "110101001 - BANCO MERCANTIL",
                           "110101005 - BANCO PROVINCIAL"}));
    model.upsert("110101001", "BANCO MERCANTIL C.A.", "110101", 5, true);
    const QModelIndex changed = model.indexOf("110101001");
    EXPECT_EQ(changed.row(), 1);
    EXPECT_EQ(changed.data().toString(), "110101001 - BANCO MERCANTIL C.A.");
    EXPECT_EQ(changed.data(AccountTreeModel::ImageRole).toString(), "Maestra");
    model.upsert("3", "PATRIMONIO", "0", 1, true);
    EXPECT_EQ(childTexts(model.rootIndex()).last(), "3 - PATRIMONIO");
}

TEST_F(AccountTreeModelTest, OnlyLeavesAreRemoved)
{
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_FALSE(model.remove("110101"));
    EXPECT_TRUE(model.remove("110100"));
    EXPECT_FALSE(model.indexOf("110100").isValid());
    EXPECT_EQ(model.indexOf("110101").row(), 0);
    EXPECT_EQ(model.indexOf("110102").row(), 1);
    EXPECT_EQ(model.accountCount(), 7);
}

} // namespace
