#pragma once

#include "calendar/PeriodMonths.h"
#include "common/Session.h"
#include "common/ShellHost.h"
#include "platform/Db.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

// Main window stand-in that remembers what the period services told it.
class RecordingHost : public ShellHost
{
public:
    void setCaption(const QString &caption) override { this->caption = caption; }
    void setUserPanel(const QString &text) override { panel = text; }
    void openNode(const QString &nodeCode) override { opened << nodeCode; }

    QString caption;
    QString panel;
    QStringList opened;
};

// Two head offices, one with a branch, and users with and without rights:
// ADMIN (SISTEMAS), SUPER (SUPERGRUPO), ANA (group CONTA, granted the period windows'
// operations) and LUIS (no group). The session works as ANA in A01.
class PeriodFixture : public ::testing::Test
{
protected:
    PeriodFixture()
    {
        session.gConexion = &db();
        session.prompter = &prompter;
        session.gUsuario = "ANA";
        session.gNombreUsuario = "Ana Pérez";
        session.gEmpresa = "A01";
        session.gMatriz = "A01";
        addCompany("A01", "ALFA C.A.", 1, "A01");
        addCompany("A02", "ALFA SUCURSAL", 0, "A01");
        addCompany("B01", "BETA S.A.", 1, "B01");
        for (const char *type : {"001", "002"})
            db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre) VALUES (?, ?)",
                      {type, QString("TIPO ") + type});
        db().exec("INSERT INTO GRUPOS (CodGrupo, NombreGrupo) VALUES ('CONTA', 'CONTABILIDAD')");
        addUser("ADMIN", "SISTEMAS");
        addUser("SUPER", "SUPERGRUPO");
        addUser("ANA", "CONTA");
        addUser("LUIS", {});
        grant("CONTA", "mnu_generarperiodo", "Aprobar");
        grant("CONTA", "mnu_bloquearperiodos", "Guardar");
    }

    Db &db() { return data.db(); }

    void addCompany(const QString &code, const QString &name, int type, const QString &head)
    {
        db().exec("INSERT INTO EMPRESA (Codigo, Nombre, Tipo, CodigoMatriz) VALUES (?, ?, ?, ?)",
                  {code, name, type, head});
    }
    void addUser(const QString &code, const QString &group)
    {
        db().exec("INSERT INTO USUARIOS (CodUsuario, NombreUsuario, Paswod) VALUES (?, ?, 'x')",
                  {code, "Usuario " + code});
        if (!group.isEmpty())
            db().exec("INSERT INTO USUARIOGRUPO (CodUsuario, CodGrupo) VALUES (?, ?)",
                      {code, group});
    }
    void grant(const QString &group, const QString &node, const QString &option)
    {
        db().exec("INSERT INTO OPCIONESGRUPO (CodGrupo, CodNodo, Opcion) "
                  "SELECT ?, ?, CodigoOpcion FROM OPCIONES WHERE Nombre = ?",
                  {group, node, option});
    }
    // A PERIODO row; `blocked` lists the months (1-12) whose flag is set.
    void addPeriod(const QString &company, const QString &head, int year,
                   std::initializer_list<int> blocked = {})
    {
        QVariantList params{company, head, year};
        for (int m = 1; m <= 12; ++m)
            params << (std::find(blocked.begin(), blocked.end(), m) != blocked.end() ? 1 : 0);
        db().exec(QString("INSERT INTO PERIODO (Empresa, Matriz, Ano, %1) "
                          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(PeriodMonths::ColumnList()),
                  params);
    }
    // The flags of a PERIODO row as "010000000000"; empty when the row does not exist.
    QString periodFlags(const QString &company, const QString &head, int year)
    {
        const auto rows = db().rows(QString("SELECT %1 FROM PERIODO WHERE Empresa = ? AND "
                                            "Matriz = ? AND Ano = ?")
                                        .arg(PeriodMonths::ColumnList()),
                                    {company, head, year});
        if (rows.empty())
            return {};
        QString flags;
        for (int m = 0; m < 12; ++m)
            flags += QString::number(rows.front().value(m).toInt());
        return flags;
    }
    int count(const QString &table, int year)
    {
        return db()
            .scalar(QString("SELECT COUNT(*) FROM %1 WHERE Ano = ?").arg(table), {year})
            .toInt();
    }

    TestDatabase data;
    ScriptedPrompter prompter;
    Session session;
};
