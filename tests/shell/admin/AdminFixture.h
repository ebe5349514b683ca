#pragma once

#include "common/Session.h"
#include "platform/Db.h"
#include "platform/PasswordHash.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QStringList>
#include <gtest/gtest.h>

// Users of every kind: ADMIN (SISTEMAS), JEFE (SUPERGRUPO), ANA and LUIS (CONTA, a group of
// bookkeepers whom somebody granted every operation of the administration windows), and
// PEDRO (group VENTAS, no rights there). The session starts as ADMIN.
class AdminFixture : public ::testing::Test
{
protected:
    AdminFixture()
    {
        session.gConexion = &db();
        session.prompter = &prompter;
        Fixtures::addGroup(db(), "CONTA", "CONTADORES");
        Fixtures::addGroup(db(), "VENTAS", "VENDEDORES");
        Fixtures::addUser(db(), "ADMIN", "clave", {"SISTEMAS"});
        Fixtures::addUser(db(), "JEFE", "clave", {"SUPERGRUPO"});
        Fixtures::addUser(db(), "ANA", "clave", {"CONTA"});
        Fixtures::addUser(db(), "LUIS", "clave", {"CONTA"});
        Fixtures::addUser(db(), "PEDRO", "clave", {"VENTAS"});
        const QStringList all{"Nuevo",    "Modificar", "Eliminar", "Buscar",
                              "Imprimir", "Cancelar",  "Guardar",  "Salir"};
        Fixtures::grantNode(db(), "CONTA", "mnu_usuarios", "S", all);
        Fixtures::grantNode(db(), "CONTA", "mnu_grupos", "S", all);
        Fixtures::grantNode(db(), "CONTA", "mnu_empresasusuario", "S",
                            {"Modificar", "Cancelar", "Guardar", "Salir"});
        Fixtures::grantNode(db(), "CONTA", "mnu_empresas", "S", all);
        as("ADMIN");
    }

    Db &db() { return data.db(); }
    void as(const QString &user)
    {
        session.gUsuario = user;
        prompter.clear();
    }
    QStringList groupsOf(const QString &user)
    {
        QStringList groups;
        for (const QSqlRecord &r : db().rows("SELECT CodGrupo FROM USUARIOGRUPO WHERE "
                                             "CodUsuario = ? ORDER BY CodGrupo",
                                             {user}))
            groups << r.value(0).toString();
        return groups;
    }
    QString storedPassword(const QString &user)
    {
        return db().scalar("SELECT Paswod FROM USUARIOS WHERE CodUsuario = ?", {user}).toString();
    }
    int count(const QString &sql, const QVariantList &params = {})
    {
        return db().scalar(sql, params).toInt();
    }

    TestDatabase data;
    ScriptedPrompter prompter;
    Session session;
};
