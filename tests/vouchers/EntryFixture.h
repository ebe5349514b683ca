#pragma once

#include "calendar/PeriodMonths.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"
#include "vouchers/entry/LineEditor.h"

#include <gtest/gtest.h>
#include <memory>

// Company 001 (head office) and its branch 002 working in June 2026, ANA in group CONTA with
// the entry rights; a chart with a cost-centre account, a purchase account with retention
// concepts, an asset account, an inter-company receivable and the withholding accounts.
class EntryFixture : public ::testing::Test
{
protected:
    EntryFixture()
    {
        Fixtures::addCompany(db(), "001", "COMERCIAL ANDINA C.A.", {}, 1, 12, 2025);
        Fixtures::addCompany(db(), "002", "ANDINA VALENCIA", "001", 1, 12, 2025);
        Fixtures::addGroup(db(), "CONTA");
        Fixtures::addUser(db(), "ANA", "x", {"CONTA"});
        Fixtures::grantNode(db(), "CONTA", "mnu_registro", "S",
                            {"Nuevo", "Modificar", "Eliminar", "Buscar", "Cancelar", "Guardar",
                             "Aprobar", "Salir"});
        session.gConexion = &db();
        session.prompter = &prompter;
        session.gUsuario = "ANA";
        session.gEmpresa = session.gMatriz = "001";
        session.gAno = 2026;
        session.gMes = 6;
        for (int year : {2025, 2026}) {
            QVariantList params{year};
            for (int m = 1; m <= 12; ++m)
                params << 0;
            db().exec(QString("INSERT INTO PERIODO (Empresa, Matriz, Ano, %1) VALUES "
                              "('001', '001', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                          .arg(PeriodMonths::ColumnList()),
                      params);
        }
        exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Status) VALUES ('001', 'DIARIO', 1)");
        exec("INSERT INTO COMPROBANTE (Codigo, Nombre, ActivoFijo) VALUES ('002', 'ACTIVOS', 1)");
        exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Status) VALUES ('003', 'VIEJO', 0)");
        exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Consolidacion) VALUES ('010', 'INTER', 1)");
        exec("INSERT INTO VARIACIONIMPUESTO (FechaDesde, Impuesto, Impuesto2) VALUES (?, ?, ?)",
             {QDate(2026, 1, 1), Rate::fromInteger(16).toSql(), Rate::fromInteger(8).toSql()});
        exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, EsPadre) VALUES ('6', 'GASTOS', 1)");
        account("110101001", "BANCO");
        account("610101001", "SUELDOS", "Centrodecosto");
        account("610201001", "HONORARIOS", "ManejaTerc", "ManejaDoc", "ManejaReteFuente");
        account("120101001", "EQUIPOS", "ActivoFijo");
        account("240816", "RETENCION 10");
        account("210101001", "ISLR RETENIDO PJ");
        account("210101002", "ISLR RETENIDO PN");
        account("130101001", "CXC ANDINA VALENCIA", "Consolidacion");
        account("130101000", "CXC CASA MATRIZ", "Consolidacion");
        exec("UPDATE EMPRESA SET CuentaPorCobrar = '130101001' WHERE Codigo = '002'");
        exec("UPDATE EMPRESA SET CuentaPorCobrar = '130101000' WHERE Codigo = '001'");
        for (const char *cc : {"ADM", "PRD", "VEN"})
            exec("INSERT INTO CENTROCOSTO (Codigo, Nombre) VALUES (?, ?)", {cc, cc});
        share("ADM", 33330000);
        share("PRD", 33330000);
        share("VEN", 33340000);
        for (const char *doc : {"FAC", "FR", "NC"})
            exec("INSERT INTO DOCUMENTO (Codigo, Nombre) VALUES (?, ?)", {doc, doc});
        exec("INSERT INTO CONCEPTORET (Codigo, Descripcion, BasePJ, DeduccionPJ, PorcentajePJ, "
             "BasePN, DeduccionPN, PorcentajePN, CuentaRetencionPJ, CuentaRetencionPN) VALUES "
             "('H01', 'HONORARIOS', ?, 0, ?, ?, ?, ?, '210101001', '210101002')",
             {Rate::fromInteger(100).toSql(), Rate::fromInteger(5).toSql(),
              Rate::fromInteger(90).toSql(), Money::fromUnits(50).toSql(),
              Rate::fromInteger(3).toSql()});
        exec("INSERT INTO CUENTACONCEPTORET (CodigoCuenta, CodigoConcepto) VALUES "
             "('610201001', 'H01')");
        party("J001", "SERVICIOS JURIDICOS C.A.", 0, 1);
        party("V001", "MARIA PEREZ", 1, 1);
        party("N001", "NO SUJETO C.A.", 0, 0);
        exec("INSERT INTO CATEGORIAACTIVO (Codigo, Nombre) VALUES (1, 'EQUIPOS DE OFICINA')");
    }

    Db &db() { return data.db(); }
    void exec(const QString &sql, const QVariantList &params = {}) { db().exec(sql, params); }
    void account(const QString &code, const QString &name, const QString &flag1 = {},
                 const QString &flag2 = {}, const QString &flag3 = {})
    {
        exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre) VALUES (?, ?)", {code, name});
        for (const QString &flag : {flag1, flag2, flag3})
            if (!flag.isEmpty())
                exec(QString("UPDATE CUENTACONTABLE SET %1 = 1 WHERE Codigo = ?").arg(flag),
                     {code});
    }
    void share(const QString &cc, qint64 millionths)
    {
        exec("INSERT INTO CUENTACENTROCOSTO (CodigoCuenta, CodigoCentroCosto, Porcentaje) "
             "VALUES ('610101001', ?, ?)",
             {cc, Rate::fromMillionths(millionths).toSql()});
    }
    void party(const QString &code, const QString &name, int person, int subject)
    {
        exec("INSERT INTO TERCERO (Codigo, Nombre, TipoPersona, SujetoAReteFuente) "
             "VALUES (?, ?, ?, ?)",
             {code, name, person, subject});
    }

    // An open editor on ANA's work area of company 001, header "001" on day 15.
    std::unique_ptr<LineEditor> openEditor(const QString &type = "001")
    {
        auto e = std::make_unique<LineEditor>(session, WorkArea::registro("ANA", "001", "001"),
                                              "mnu_registro");
        if (!e->open())
            return nullptr;
        if (!e->headerLocked()) {
            e->setVoucherType(type);
            e->setDay("15");
        }
        return e;
    }
    // Starts a line on `account` for `debit`/`credit` ("100.00"), ready to save.
    static void typeLine(LineEditor &e, const QString &account, const char *debit,
                         const char *credit = "0")
    {
        ASSERT_TRUE(e.startNew());
        ASSERT_EQ(e.setAccount(account), LineEditor::AccountCheck::Accepted);
        e.line().debit = *Money::parseTyped(debit);
        e.line().credit = *Money::parseTyped(credit);
        e.line().descripcion = "PRUEBA";
    }
    QVariant cell(const QString &sql, const QVariantList &params = {})
    {
        return db().scalar(sql, params);
    }
    int areaRows() { return cell("SELECT COUNT(*) FROM REGISTRO WHERE Usuario = 'ANA'").toInt(); }

    TestDatabase data;
    ScriptedPrompter prompter;
    Session session;
};
