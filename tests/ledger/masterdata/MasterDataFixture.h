#pragma once

#include "common/Session.h"
#include "common/report/RecordingReportOutput.h"
#include "platform/Db.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QLocale>
#include <gtest/gtest.h>

// A database with the administrator ANA (group SISTEMAS, every right), two regimes, a small
// chart with a parent and two detail accounts, and a session working as ANA in Caracas.
class MasterDataFixture : public ::testing::Test
{
protected:
    MasterDataFixture()
    {
        session.gConexion = &db();
        session.prompter = &prompter;
        session.gUsuario = "ANA";
        session.gNombreUsuario = "Ana Pérez";
        session.gNombreEmpresa = "DISTRIBUIDORA EL ÁVILA, C.A.";
        session.gNombreIDEmpresa = "RIF";
        session.gRutaReporte = QStringLiteral(VALDORIA_SOURCE_DIR "/reportes");
        Fixtures::addUser(db(), "ANA", "clave", {"SISTEMAS"});
        for (const auto &[code, name] : {std::pair{"01", "ORDINARIO"}, {"02", "ESPECIAL"}})
            db().exec("INSERT INTO REGIMEN (Codigo, Nombre) VALUES (?, ?)", {code, name});
        account("2", "PASIVO", 1);
        account("2408", "IMPUESTOS POR PAGAR", 1);
        account("240830001", "ISLR RETENIDO A PERSONAS JURIDICAS", 0);
        account("240830002", "ISLR RETENIDO A PERSONAS NATURALES", 0);
    }

    Db &db() { return database.db(); }

    void account(const QString &code, const QString &name, int parent)
    {
        db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, EsPadre) VALUES (?, ?, ?)",
                  {code, name, parent});
    }

    void party(const QString &code, const QString &name, int taxAuthority = 0)
    {
        db().exec("INSERT INTO TERCERO (Codigo, Nombre, TipoPersona, TipoRegimen, Tributario) "
                  "VALUES (?, ?, 0, '01', ?)",
                  {code, name, taxAuthority});
    }

    // A user in group CONTA, granted `options` on `node` only.
    void limitedUser(const QString &node, const QStringList &options)
    {
        Fixtures::addGroup(db(), "CONTA");
        Fixtures::addUser(db(), "LUIS", "clave", {"CONTA"});
        Fixtures::grantNode(db(), "CONTA", node, "S", options);
        session.gUsuario = "LUIS";
    }

    QVariant cell(const QString &sql, const QVariantList &params = {})
    {
        return db().scalar(sql, params);
    }

    TestDatabase database;
    ScriptedPrompter prompter;
    Session session;
    RecordingReportOutput output;
};
