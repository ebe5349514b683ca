#include "periods/PeriodBlocking.h"
#include "periods/PeriodBlockingModel.h"

#include "PeriodFixture.h"

namespace {

using Result = PeriodBlocking::Result;

class PeriodBlockingTest : public PeriodFixture
{
protected:
    PeriodBlockingTest()
    {
        addPeriod("A01", "A01", 2025, {1, 2});
        addPeriod("A02", "A01", 2025, {1});
        addPeriod("B01", "B01", 2025);
        addPeriod("A01", "A01", 2026, {3});
    }
    int periodRows() { return db().scalar("SELECT COUNT(*) FROM PERIODO").toInt(); }
    static QStringList describe(const std::vector<PeriodFlags> &rows)
    {
        QStringList lines;
        for (const PeriodFlags &r : rows) {
            QString flags;
            for (bool b : r.bloqueado)
                flags += b ? '1' : '0';
            lines << QString("%1/%2 %3 %4")
                         .arg(r.empresa, r.matriz, flags, r.stored ? "guardado" : "nuevo");
        }
        return lines;
    }

    PeriodBlocking blocking{session};
};

TEST_F(PeriodBlockingTest, LoadingShowsTheYearAndTheCompaniesItLacksWithoutWriting)
{
    const int before = periodRows();
    const auto rows = blocking.load("A01", 2026);
    EXPECT_EQ(describe(rows),
              QStringList({"A01/A01 001000000000 guardado", "A02/A01 000000000000 nuevo"}));
    EXPECT_EQ(rows.front().nombre, "ALFA C.A.");
    EXPECT_EQ(periodRows(), before);
    EXPECT_TRUE(blocking.load("A01", 2030).empty());

    QStringList offices;
    for (const auto &office : blocking.headOffices())
        offices << office.codigo + " " + office.nombre;
    EXPECT_EQ(offices, QStringList({"A01 ALFA C.A.", "B01 BETA S.A."}));
}

TEST_F(PeriodBlockingTest, SavingWritesTheFlagsAndCreatesTheMissingRows)
{
    auto rows = blocking.load("A01", 2026);
    ASSERT_EQ(rows.size(), 2u);
    rows[0].bloqueado[2] = false;
    rows[0].bloqueado[0] = true;
    rows[1].bloqueado[11] = true;
    std::vector<int> progress;
    EXPECT_EQ(blocking.save("A01", 2026, rows, [&](int done, int) { progress.push_back(done); }),
              Result::Saved);
    EXPECT_EQ(progress, (std::vector<int>{1, 2}));
    EXPECT_EQ(periodFlags("A01", "A01", 2026), "100000000000");
    EXPECT_EQ(periodFlags("A02", "A01", 2026), "000000000001");
    EXPECT_EQ(periodFlags("B01", "B01", 2026), "");
    EXPECT_EQ(describe(blocking.load("A01", 2026)),
              QStringList({"A01/A01 100000000000 guardado", "A02/A01 000000000001 guardado"}));
}

TEST_F(PeriodBlockingTest, AllCompaniesShowsAndSavesEveryHeadOfficeUnderItsOwnCode)
{
    auto rows = blocking.load(PeriodBlocking::AllCompanies, 2025);
    EXPECT_EQ(describe(rows),
              QStringList({"A01/A01 110000000000 guardado", "B01/B01 000000000000 guardado",
                           "A02/A01 100000000000 guardado"}));
    for (PeriodFlags &r : rows)
        r.bloqueado[5] = true;
    EXPECT_EQ(blocking.save(PeriodBlocking::AllCompanies, 2025, rows), Result::Saved);
    EXPECT_EQ(periodFlags("A01", "A01", 2025), "110001000000");
    EXPECT_EQ(periodFlags("A02", "A01", 2025), "100001000000");
    EXPECT_EQ(periodFlags("B01", "B01", 2025), "000001000000");
}

TEST_F(PeriodBlockingTest, NothingIsSavedWithoutAHeadOfficeRowsOrTheRight)
{
    const auto rows = blocking.load("A01", 2026);
    EXPECT_EQ(blocking.save("", 2026, rows), Result::NothingToSave);
    EXPECT_EQ(blocking.save("A01", 2026, {}), Result::NothingToSave);
    EXPECT_TRUE(prompter.messages().empty());

    session.gUsuario = "LUIS";
    EXPECT_EQ(blocking.save("A01", 2026, rows), Result::NotAllowed);
    EXPECT_EQ(prompter.texts(), QStringList{"¡No tiene permiso para realizar esta operación!"});
    EXPECT_EQ(periodFlags("A02", "A01", 2026), "");
}

TEST_F(PeriodBlockingTest, ContextMenuKeysSetAndClearARowOrAMonth)
{
    PeriodBlockingModel model;
    model.setRows(blocking.load(PeriodBlocking::AllCompanies, 2025));
    const int may = PeriodBlockingModel::FirstMonthColumn + 4;

    EXPECT_TRUE(model.applyMenuKey("Marcar1", model.index(1, 0)));
    EXPECT_EQ(describe(model.rows())[1], "B01/B01 111111111111 guardado");
    EXPECT_TRUE(model.applyMenuKey("Desmarcar1", model.index(0, may)));
    EXPECT_EQ(describe(model.rows())[0], "A01/A01 000000000000 guardado");

    EXPECT_TRUE(model.applyMenuKey("Marcar2", model.index(2, may)));
    for (const PeriodFlags &r : model.rows())
        EXPECT_TRUE(r.bloqueado[4]) << r.empresa.toStdString();
    EXPECT_TRUE(model.applyMenuKey("Desmarcar2", model.index(0, may)));
    for (const PeriodFlags &r : model.rows())
        EXPECT_FALSE(r.bloqueado[4]) << r.empresa.toStdString();
    EXPECT_EQ(describe(model.rows())[1], "B01/B01 111101111111 guardado");

    // A month key on the name column and unknown keys change nothing.
    const auto before = model.rows();
    EXPECT_FALSE(model.applyMenuKey("Marcar2", model.index(0, 1)));
    EXPECT_FALSE(model.applyMenuKey("Marcar3", model.index(0, may)));
    EXPECT_FALSE(model.applyMenuKey("Marcar1", QModelIndex()));
    EXPECT_EQ(model.rows(), before);
}

TEST_F(PeriodBlockingTest, TheGridShowsMonthsAsCheckBoxes)
{
    PeriodBlockingModel model;
    model.setRows(blocking.load("A01", 2025));
    EXPECT_EQ(model.columnCount(), 14);
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "febrero");
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), "A01");
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), "ALFA C.A.");
    const QModelIndex february = model.index(0, 3);
    EXPECT_EQ(model.data(february, Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_TRUE(model.setData(february, Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_FALSE(model.rows()[0].bloqueado[1]);
    EXPECT_FALSE(model.setData(model.index(0, 1), "otro", Qt::EditRole));
}

} // namespace
