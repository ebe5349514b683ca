#pragma once

#include "calendar/PeriodMonths.h"
#include "common/Money.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "support/Fixtures.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"
#include "vouchers/VoucherPosting.h"

#include <QDate>
#include <gtest/gtest.h>

// Books to print vouchers from: head office E01 with its branch E02, both open in 2026, ANA
// (Ana Rojas) entering in E01 in March. approveMarchVoucher() approves ANA's work area: a
// voucher of E01 with a line left at zero and the lines it generates in E02.
class PrintBooks
{
public:
    PrintBooks()
    {
        Fixtures::addCompany(db(), "E01", "Distribuidora Alfa, C.A.", {}, 1, 12, 2025);
        Fixtures::addCompany(db(), "E02", "Alfa Valencia", "E01", 1, 12, 2025);
        Fixtures::addUser(db(), "ANA", "x");
        Fixtures::addUser(db(), "LUIS", "x");
        db().exec("UPDATE USUARIOS SET NombreUsuario = 'Ana Rojas' WHERE CodUsuario = 'ANA'");
        db().exec("UPDATE USUARIOS SET NombreUsuario = 'Luis Mora' WHERE CodUsuario = 'LUIS'");
        for (const char *company : {"E01", "E02"}) {
            QVariantList params{company};
            for (int m = 1; m <= 12; ++m)
                params << 0;
            db().exec(QString("INSERT INTO PERIODO (Empresa, Matriz, Ano, %1) VALUES "
                              "(?, 'E01', 2026, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                          .arg(PeriodMonths::ColumnList()),
                      params);
        }
        db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Status) VALUES ('001', 'DIARIO', 1)");
        db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Status, Egreso) "
                  "VALUES ('EG', 'EGRESOS', 1, 1)");
        for (const auto &[code, name] : std::vector<std::pair<QString, QString>>{
                 {"110101001", "Banco Mercantil cuenta corriente"},
                 {"130101001", "Cuentas por cobrar Alfa Valencia"},
                 {"220101001", "Cuentas por pagar casa matriz"},
                 {"610101001", "Sueldos y salarios"},
                 {"610201001", "Honorarios profesionales por servicios jurídicos y contables"}})
            db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre) VALUES (?, ?)", {code, name});
        db().exec("UPDATE CUENTACONTABLE SET ManejaReteFuente = 1 WHERE Codigo = '610201001'");
        db().exec("INSERT INTO TERCERO (Codigo, Nombre) VALUES ('J001', 'Servicios Jurídicos "
                  "Andinos, C.A.')");
        db().exec("INSERT INTO DOCUMENTO (Codigo, Nombre) VALUES ('FC', 'FACTURA')");
        db().exec("INSERT INTO CENTROCOSTO (Codigo, Nombre) VALUES ('VEN', 'VENTAS')");

        session.gConexion = &db();
        session.prompter = &prompter;
        session.gUsuario = "ANA";
        session.gNombreUsuario = "Ana Rojas";
        session.gEmpresa = session.gMatriz = "E01";
        session.gNombreEmpresa = session.gNombreMatriz = "Distribuidora Alfa, C.A.";
        session.gNombreIDEmpresa = "RIF J-29876543-1";
        session.gAno = 2026;
        session.gMes = 3;
    }

    Db &db() { return data.db(); }

    struct Line
    {
        QString account;
        int day = 1;
        qint64 debitCents = 0;
        qint64 creditCents = 0;
        QString description = {};
        QString party = "*";
        QString documentType = "*";
        QString document = {};
        QString costCentre = "*";
        QString retentionConcept = {};
    };

    // A line of `user`'s work area in E01, March 2026.
    void enter(const Line &l, const QString &user = "ANA", const QString &company = "E01",
               const QString &number = QString())
    {
        const int line = db().scalar("SELECT COUNT(*) + 1 FROM REGISTRO WHERE Usuario = ? "
                                     "AND Empresa = ?",
                                     {user, company})
                             .toInt();
        db().exec("INSERT INTO REGISTRO (Empresa, Matriz, TipoComprobante, NumeroComprobante, "
                  "Usuario, UsuarioCreador, Linea, Cuenta, Fecha, TipoDocumento, Documento, "
                  "Tercero, CentroCosto, ValorDebito, ValorCredito, Descripcion, GrupoLinea, "
                  "ConceptoRetencion, Fechadoc) VALUES (?, 'E01', '001', ?, ?, ?, ?, ?, ?, ?, ?, "
                  "?, ?, ?, ?, ?, ?, ?, ?)",
                  {company, number.isEmpty() ? QStringLiteral("") : number, user, user, line,
                   l.account, QDate(2026, 3, l.day), l.documentType, l.document, l.party,
                   l.costCentre, Money::fromCents(l.debitCents).toSql(),
                   Money::fromCents(l.creditCents).toSql(), l.description, line, l.retentionConcept,
                   QDate(2026, 3, l.day - 1)});
    }

    // A line ANA's voucher generates in E02.
    void generate(const Line &l, int line)
    {
        db().exec("INSERT INTO CONSOLIDACION (EmpresaC, MatrizC, Empresa, Matriz, "
                  "TipoComprobante, NumeroComprobante, Usuario, Linea, Cuenta, Fecha, "
                  "CentroCosto, ValorDebito, ValorCredito, Descripcion, GrupoLinea, "
                  "LineaPertenece) VALUES ('E01', 'E01', 'E02', 'E01', '001', '', 'ANA', ?, ?, "
                  "?, ?, ?, ?, ?, ?, 2)",
                  {line, l.account, QDate(2026, 3, l.day), l.costCentre,
                   Money::fromCents(l.debitCents).toSql(), Money::fromCents(l.creditCents).toSql(),
                   l.description, line});
    }

    ApprovalOutcome approveWorkArea(const QString &user = "ANA")
    {
        prompter.answerYes();
        return VoucherPosting(db()).approve({"E01", "E01", user, 2026, 3}, prompter);
    }

    // Voucher 001-1 of E01 in March 2026: fees with their document and third party, the
    // inter-company receivable, the bank, and a line left at zero; in E02 the expense it
    // pays for the branch against the payable to the head office, and a zero line.
    ApprovalOutcome approveMarchVoucher()
    {
        enter({"610201001", 10, 150000, 0, "Honorarios de marzo", "J001", "FC", "0001234", "*",
               "H01"});
        enter({"130101001", 10, 80000, 0, "Gastos de Valencia pagados por la matriz"});
        enter({"110101001", 12, 0, 230000, "Cheque 4471"});
        enter({"610101001", 12, 0, 0, "Línea sin monto"});
        generate({"610101001", 10, 80000, 0, "Sueldos de Valencia", "*", "*", "", "VEN"}, 1);
        generate({"220101001", 10, 0, 0, "Línea sin monto"}, 2);
        generate({"220101001", 10, 0, 80000, "Por pagar a la casa matriz"}, 3);
        const ApprovalOutcome outcome = approveWorkArea();
        EXPECT_TRUE(outcome.approved()) << prompter.lastText().toStdString();
        return outcome;
    }

    TestDatabase data;
    ScriptedPrompter prompter;
    Session session;
};
