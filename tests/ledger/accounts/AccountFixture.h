#pragma once

#include "common/Session.h"
#include "ledger/accounts/Account.h"
#include "platform/Db.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

// A small chart (1 ACTIVO > 11 CIRCULANTE > 1101 DISPONIBLE > 110101 BANCOS > 110101001
// BANCO MERCANTIL, and 2 PASIVO), cost centres ADM and VEN, concepts 001 and 002, a bank
// third party. The session works as ANA, of the administrators' group, which holds every
// right of the navigation tree.
class AccountFixture : public ::testing::Test
{
protected:
    AccountFixture()
    {
        session.gConexion = &db();
        session.prompter = &prompter;
        session.gUsuario = QStringLiteral("ANA");
        session.gNombreUsuario = QStringLiteral("Ana Pérez");
        session.gNombreEmpresa = QStringLiteral("ALFA C.A.");
        session.gNombreIDEmpresa = QStringLiteral("RIF J-30123456-7");
        Fixtures::addUser(db(), "ANA", "clave", {"SISTEMAS"});
        Fixtures::addUser(db(), "LUIS", "clave", {});
        addAccount("1", "ACTIVO", "0", 1, true);
        addAccount("11", "ACTIVO CIRCULANTE", "1", 2, true);
        addAccount("1101", "DISPONIBLE", "11", 3, true);
        addAccount("110101", "BANCOS", "1101", 4, true);
        addAccount("110101001", "BANCO MERCANTIL", "110101", 5, false);
        addAccount("2", "PASIVO", "0", 1, true);
        for (const auto &[code, name] : {std::pair{"ADM", "ADMINISTRACION"}, {"VEN", "VENTAS"}})
            db().exec("INSERT INTO CENTROCOSTO (Codigo, Nombre) VALUES (?, ?)", {code, name});
        for (const auto &[code, name] :
             {std::pair{"001", "HONORARIOS PROFESIONALES"}, {"002", "ARRENDAMIENTOS"}})
            db().exec("INSERT INTO CONCEPTORET (Codigo, Descripcion) VALUES (?, ?)", {code, name});
        db().exec("INSERT INTO TERCERO (Codigo, Nombre) VALUES ('J000029490', 'BANCO MERCANTIL')");
    }

    Db &db() { return data.db(); }

    void addAccount(const QString &code, const QString &name, const QString &parent, int level,
                    bool summary)
    {
        db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, CodigoPadre, Nivel, EsPadre) "
                  "VALUES (?, ?, ?, ?, ?)",
                  {code, name, parent, level, summary ? 1 : 0});
    }
    // 4 INGRESOS down to two sales detail accounts, for the product-line tests.
    void addSalesAccounts()
    {
        addAccount("4", "INGRESOS", "0", 1, true);
        addAccount("41", "OPERACIONALES", "4", 2, true);
        addAccount("4135", "COMERCIO", "41", 3, true);
        addAccount("413501", "VENTAS", "4135", 4, true);
        addAccount("413501001", "VENTAS DE VIVERES", "413501", 5, false);
        addAccount("413501002", "VENTAS DE CHARCUTERIA", "413501", 5, false);
    }
    int count(const QString &table) { return db().scalar("SELECT COUNT(*) FROM " + table).toInt(); }
    bool accountExists(const QString &code)
    {
        return db().exists("SELECT 1 FROM CUENTACONTABLE WHERE Codigo = ?", {code});
    }

    TestDatabase data;
    ScriptedPrompter prompter;
    Session session;
};
