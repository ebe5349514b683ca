#include "vouchers/VoucherCounters.h"
#include "common/OptionRights.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"
#include "vouchers/VoucherCounterModel.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

using Result = VoucherCounters::Result;

class VoucherCountersTest : public ::testing::Test
{
protected:
    VoucherCountersTest()
    {
        Fixtures::addCompany(db(), "001", "COMERCIAL ANDINA C.A.");
        Fixtures::addCompany(db(), "002", "ANDINA VALENCIA", "001");
        Fixtures::addUser(db(), "ANA", "x", {"SISTEMAS"});
        db().exec(
            "INSERT INTO CUENTACONTABLE (Codigo, Nombre, EsPadre) VALUES ('110101', 'CAJA', 0)");
        for (const auto &[code, name] : {std::pair{"001", "DIARIO"}, {"002", "EGRESOS"}})
            db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Status) VALUES (?, ?, 1)",
                      {code, name});
        // Every type has its row in 2026 for the head office, the system's own types too.
        for (const char *type : {"*", "999", "099", "001", "002"})
            counterRow(type, "001", 2026);
        counterRow("001", "002", 2026, 7);
        counterRow("001", "001", 2025, 9);
        session.gConexion = &db();
        session.prompter = &prompter;
        session.gUsuario = "ANA";
    }
    Db &db() { return data.db(); }
    void counterRow(const QString &type, const QString &company, int year, int january = 0)
    {
        db().exec("INSERT INTO CORRCOMPROBANTE (CodigoComprobante, Empresa, Matriz, Ano, Continuo, "
                  "NumeroContinuo, Enero) VALUES (?, ?, '001', ?, 0, 0, ?)",
                  {type, company, year, january});
    }
    void posted(const QString &type, const QString &number, QDate date)
    {
        db().exec(
            "INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, "
            "Usuario, Linea, Cuenta, Fecha) VALUES ('001', '001', ?, ?, 'ANA', 1, '110101', ?)",
            {type, number, date});
    }
    QString storedCounters(const QString &type)
    {
        const auto rows = db().rows("SELECT Enero, Febrero, Marzo, Continuo, NumeroContinuo "
                                    "FROM CORRCOMPROBANTE WHERE CodigoComprobante = ? AND "
                                    "Empresa = '001' AND Ano = 2026",
                                    {type});
        QStringList values;
        for (int i = 0; i < 5; ++i)
            values << rows.at(0).value(i).toString();
        return values.join(' ');
    }

    TestDatabase data;
    Session session;
    ScriptedPrompter prompter;
    VoucherCounters counters{session};
    const VoucherCounters::Company headOffice{"001", "001", "COMERCIAL ANDINA C.A."};
};

TEST_F(VoucherCountersTest, ListsTheCompaniesAndTheTypesCountedThatYear)
{
    const auto companies = counters.companies();
    ASSERT_EQ(companies.size(), 2u);
    EXPECT_EQ(companies[0].caption(), "001 - COMERCIAL ANDINA C.A.");
    EXPECT_EQ(companies[1].caption(), "002 (001) - ANDINA VALENCIA");

    auto rows = counters.load(headOffice, 2026);
    QStringList codes;
    for (const auto &row : rows)
        codes << row.codigo;
    // Neither the opening-balance type nor the placeholder is counted here.
    EXPECT_EQ(codes, QStringList({"001", "002", "099"}));
    EXPECT_EQ(rows[0].nombre, "DIARIO");
    EXPECT_EQ(counters.load(headOffice, 2025).at(0).meses[0], 9);
    EXPECT_EQ(counters.load({"002", "001", {}}, 2026).at(0).meses[0], 7);
    EXPECT_TRUE(counters.load(headOffice, 2024).empty());
}

TEST_F(VoucherCountersTest, SavesEveryRowInOneGoAndReportsProgress)
{
    auto rows = counters.load(headOffice, 2026);
    rows[0].meses[1] = 15;
    rows[1].continuo = true;
    rows[1].numeroContinuo = 57;
    std::vector<std::pair<int, int>> steps;
    EXPECT_EQ(counters.save(headOffice, 2026, rows,
                            [&steps](int done, int total) { steps.emplace_back(done, total); }),
              Result::Saved);
    EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(storedCounters("001"), "0 15 0 0 0");
    EXPECT_EQ(storedCounters("002"), "0 0 0 1 57");
    EXPECT_EQ(counters.load(headOffice, 2026), rows);
    // The branch's and the other year's rows are left alone.
    EXPECT_EQ(counters.load({"002", "001", {}}, 2026).at(0).meses[0], 7);
    EXPECT_EQ(counters.load(headOffice, 2025).at(0).meses[0], 9);

    EXPECT_EQ(counters.save(headOffice, 2026, {}), Result::NothingToSave);
    EXPECT_EQ(counters.save({}, 2026, rows), Result::NothingToSave);
}

TEST_F(VoucherCountersTest, ACounterBelowAPostedNumberIsRefusedAndNothingIsWritten)
{
    posted("002", "9", QDate(2026, 2, 28));
    posted("002", "10", QDate(2026, 2, 1));
    posted("002", "40", QDate(2026, 3, 1)); // the next month is not February's business
    auto rows = counters.load(headOffice, 2026);
    rows[0].meses[0] = 4; // written first, and rolled back with the rest
    rows[1].meses[1] = 9; // "10" is above "9" as a number, not as text
    rows[1].meses[2] = 40;
    EXPECT_EQ(counters.save(headOffice, 2026, rows), Result::Refused);
    EXPECT_EQ(prompter.lastText(),
              "El correlativo no puede ser menor al último comprobante registrado: 10");
    ASSERT_TRUE(counters.refusal());
    EXPECT_EQ(counters.refusal()->row, 1);
    EXPECT_EQ(counters.refusal()->month, 2);
    EXPECT_EQ(storedCounters("001"), "0 0 0 0 0");

    rows[1].meses[1] = 10; // equal to the last posted number is what the counter should say
    EXPECT_EQ(counters.save(headOffice, 2026, rows), Result::Saved);
    EXPECT_FALSE(counters.refusal());
    EXPECT_EQ(storedCounters("002"), "0 10 40 0 0");
}

TEST_F(VoucherCountersTest, AContinuousTypeIsCheckedOnItsContinuousCounterOnly)
{
    posted("002", "57", QDate(2026, 1, 15));
    posted("002", "58", QDate(2026, 12, 31));
    posted("002", "90", QDate(2027, 1, 1));
    auto rows = counters.load(headOffice, 2026);
    rows[1].continuo = true;
    rows[1].numeroContinuo = 58; // the months stay at 0: they issue nothing
    EXPECT_EQ(counters.save(headOffice, 2026, rows), Result::Saved);

    rows[1].numeroContinuo = 57;
    EXPECT_EQ(counters.save(headOffice, 2026, rows), Result::Refused);
    EXPECT_EQ(counters.refusal()->month, 0);
    EXPECT_EQ(counters.refusal()->posted, 58);

    // Going back to monthly numbering with January's counter at 0 would issue 1 again.
    rows[1].continuo = false;
    rows[1].numeroContinuo = 58;
    EXPECT_EQ(counters.save(headOffice, 2026, rows), Result::Refused);
    EXPECT_EQ(counters.refusal()->month, 1);
    EXPECT_EQ(storedCounters("002"), "0 0 0 1 58");
}

TEST_F(VoucherCountersTest, AContinuousCounterStaysAboveTheNumbersOfEarlierYears)
{
    // The continuous sequence reached 120 in 2024 and went on into 2026 without a voucher yet.
    posted("002", "120", QDate(2024, 11, 3));
    posted("002", "7", QDate(2025, 2, 1));
    auto rows = counters.load(headOffice, 2026);
    rows[1].continuo = true;
    rows[1].numeroContinuo = 100;
    EXPECT_EQ(counters.save(headOffice, 2026, rows), Result::Refused);
    EXPECT_EQ(counters.refusal()->posted, 120);
    EXPECT_EQ(prompter.texts().last(), VoucherCounters::BelowPostedText + "120");

    rows[1].numeroContinuo = 120;
    EXPECT_EQ(counters.save(headOffice, 2026, rows), Result::Saved);
    // Monthly counters start again each year: earlier years do not bind them.
    rows[1].continuo = false;
    EXPECT_EQ(counters.save(headOffice, 2026, rows), Result::Saved);
}

TEST_F(VoucherCountersTest, SavingNeedsTheRightToSave)
{
    Fixtures::addGroup(db(), "CONTA");
    Fixtures::addUser(db(), "LUIS", "x", {"CONTA"});
    Fixtures::grantNode(db(), "CONTA", VoucherCounters::NodeCode, "S", {"Cancelar"});
    session.gUsuario = "LUIS";
    auto rows = counters.load(headOffice, 2026);
    rows[0].meses[0] = 3;
    EXPECT_EQ(counters.save(headOffice, 2026, rows), Result::NotAllowed);
    EXPECT_EQ(prompter.lastText(), OptionRights::NotAllowedText);
    EXPECT_EQ(storedCounters("001"), "0 0 0 0 0");
}

TEST(VoucherCounterModelTest, TakesWholeNumbersFromZeroUpAndTheContinuousBox)
{
    VoucherCounterModel model;
    VoucherCounterRow row;
    row.codigo = "001";
    row.nombre = "DIARIO";
    model.setRows({row});
    EXPECT_EQ(model.columnCount(), 16);
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), "Enero");
    EXPECT_EQ(model.headerData(15, Qt::Horizontal).toString(), "Número Continuo");
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);

    const QModelIndex march = model.counterIndex(0, 3);
    EXPECT_FALSE(model.isModified());
    for (const char *refused : {"-1", "abc", "", "2.5"})
        EXPECT_FALSE(model.setData(march, refused)) << refused;
    EXPECT_FALSE(model.isModified());
    EXPECT_TRUE(model.setData(march, " 42 "));
    EXPECT_TRUE(model.setData(model.counterIndex(0, 0), 57));
    EXPECT_TRUE(model.setData(model.index(0, VoucherCounterModel::ContinuoColumn), Qt::Checked,
                              Qt::CheckStateRole));
    EXPECT_TRUE(model.isModified());
    EXPECT_EQ(model.rows()[0].meses[2], 42);
    EXPECT_EQ(model.rows()[0].numeroContinuo, 57);
    EXPECT_TRUE(model.rows()[0].continuo);
    EXPECT_EQ(model.data(march).toInt(), 42);

    model.setRows({row});
    EXPECT_FALSE(model.isModified());
}

} // namespace
