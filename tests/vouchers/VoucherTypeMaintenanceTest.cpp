#include "vouchers/VoucherTypeMaintenance.h"
#include "common/Session.h"
#include "ledger/masterdata/MasterRecord.h"
#include "platform/Db.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

using Mode = TableMaintenance::Mode;

class VoucherTypeTest : public ::testing::Test
{
protected:
    VoucherTypeTest()
    {
        Fixtures::addCompany(db(), "001", "COMERCIAL ANDINA C.A.");
        Fixtures::addCompany(db(), "002", "ANDINA VALENCIA", "001");
        Fixtures::addUser(db(), "ADMIN", "x", {"SISTEMAS"});
        session.gConexion = &db();
        session.prompter = &prompter;
        session.gUsuario = "ADMIN";
        session.gNombreSistema = "Valdoria";
    }
    Db &db() { return data.db(); }
    MasterRecord type(const QString &code, const QString &flag = {})
    {
        MasterRecord r;
        r.set("Codigo", code);
        r.set("Nombre", "TIPO " + code);
        for (const char *f : {"ActivoFijo", "AjustePorInflacion", "Depreciacion", "AjusteDifCambio",
                              "RetencionIVA", "Consolidacion", "Egreso"})
            r.set(f, QString::fromLatin1(f) == flag ? 1 : 0);
        r.set("Status", 1);
        return r;
    }

    TestDatabase data;
    Session session;
    ScriptedPrompter prompter;
    VoucherTypeMaintenance types{session, VoucherTypeMaintenance::NodeCode, QDate(2026, 12, 6)};
};

TEST_F(VoucherTypeTest, ANewTypeGetsZeroCountersForEveryCompanyInTheCalendarYear)
{
    MasterRecord r = type("d01");
    ASSERT_TRUE(types.save(r, Mode::New).saved) << prompter.lastText().toStdString();
    const auto rows = db().rows("SELECT Empresa, Ano, Continuo, Enero FROM CORRCOMPROBANTE "
                                "WHERE CodigoComprobante = 'D01' ORDER BY Empresa");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].value(1).toInt(), 2026);
    EXPECT_EQ(rows[1].value(0).toString(), "002");
    EXPECT_EQ(rows[0].value(2).toInt(), 0);

    r.set("Nombre", "DIARIO");
    ASSERT_TRUE(types.save(r, Mode::Modify).saved);
    EXPECT_EQ(
        db().scalar("SELECT COUNT(*) FROM CORRCOMPROBANTE WHERE CodigoComprobante = 'D01'").toInt(),
        2);
}

TEST_F(VoucherTypeTest, ASecondControlTypeIsRefusedAndItsBoxCleared)
{
    MasterRecord first = type("C01", "Consolidacion");
    ASSERT_TRUE(types.save(first, Mode::New).saved);
    MasterRecord second = type("C02", "Consolidacion");
    const auto outcome = types.save(second, Mode::New);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.field, "Consolidacion");
    EXPECT_EQ(prompter.lastText(), "¡Existe un comprobante de consolidación!");
    EXPECT_FALSE(second.flag("Consolidacion"));
    EXPECT_FALSE(db().exists("SELECT 1 FROM COMPROBANTE WHERE Codigo = 'C02'"));
    EXPECT_TRUE(
        db().exists("SELECT 1 FROM COMPROBANTE WHERE Codigo = 'C01' AND Consolidacion = 1"));

    // The checks run in their order: inflation before depreciation.
    MasterRecord a = type("A01", "AjustePorInflacion");
    ASSERT_TRUE(types.save(a, Mode::New).saved);
    MasterRecord b = type("A02", "AjustePorInflacion");
    b.set("Depreciacion", 1);
    EXPECT_FALSE(types.save(b, Mode::New).saved);
    EXPECT_EQ(prompter.lastText(), "¡Existe un comprobante de control de ajuste por inflacion!");
    // The type that holds the flag may keep it when it is saved again.
    a.set("Nombre", "AJUSTES");
    EXPECT_TRUE(types.save(a, Mode::Modify).saved);
}

TEST_F(VoucherTypeTest, TheOpeningBalanceTypeIsNeverListed)
{
    MasterRecord r = type("D01");
    types.save(r, Mode::New);
    QStringList codes;
    for (const auto &row : types.list())
        codes << row.code;
    EXPECT_TRUE(codes.contains("D01"));
    EXPECT_FALSE(codes.contains("999"));
    EXPECT_FALSE(codes.contains("*"));
}

TEST_F(VoucherTypeTest, DeletingTakesTheCountersAlongAndStopsAtPostedLinesAndSystemTypes)
{
    MasterRecord unused = type("D01");
    MasterRecord posted = type("D02");
    ASSERT_TRUE(types.save(unused, Mode::New).saved);
    ASSERT_TRUE(types.save(posted, Mode::New).saved);
    db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, EsPadre) VALUES ('110101', 'CAJA', 0)");
    db().exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, "
              "Usuario, Linea, Cuenta, Fecha) VALUES ('001', '001', 'D02', '1', 'ADMIN', 1, "
              "'110101', ?)",
              {QDate(2026, 12, 1)});

    EXPECT_TRUE(types.remove("D01"));
    EXPECT_FALSE(db().exists("SELECT 1 FROM COMPROBANTE WHERE Codigo = 'D01'"));
    // No line ever used the type, so its counters hold nothing; left behind, they would
    // stop the code from being created again.
    EXPECT_FALSE(db().exists("SELECT 1 FROM CORRCOMPROBANTE WHERE CodigoComprobante = 'D01'"));
    MasterRecord again = type("D01");
    EXPECT_TRUE(types.save(again, Mode::New).saved);
    EXPECT_FALSE(types.remove("D02"));
    EXPECT_FALSE(types.remove("999"));
    EXPECT_FALSE(types.load("999"));
    EXPECT_TRUE(db().exists("SELECT 1 FROM COMPROBANTE WHERE Codigo = '999'"));
}

} // namespace
