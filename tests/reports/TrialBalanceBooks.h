#pragma once

#include "common/Money.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "support/Fixtures.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QDate>

// Books to print a trial balance from: head office ALFA (E01, closing in `closingMonth`)
// with its branch E02, a chart in five levels (details of 9 characters) and a session
// working in E01 as the report windows see it. Lines go straight into MOVIMIENTO.
class TrialBalanceBooks
{
public:
    explicit TrialBalanceBooks(int closingMonth = 12)
    {
        Fixtures::addCompany(db(), "E01", "Distribuidora Alfa, C.A.", {}, 1, closingMonth, 0);
        Fixtures::addCompany(db(), "E02", "Alfa Valencia", "E01", 1, closingMonth, 0);
        db().exec("UPDATE PARAMETRO SET CantDigCuenta = 9");
        db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre) VALUES ('001', 'Diario')");
        Transaction tx(db());
        for (const auto &[code, name] : chart())
            db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, EsPadre) VALUES (?, ?, ?)",
                      {code, name, code.size() < 9 ? 1 : 0});
        tx.commit();

        session.gConexion = &db();
        session.prompter = &prompter;
        session.gUsuario = "ANA";
        session.gNombreUsuario = "Ana Rojas";
        session.gEmpresa = session.gMatriz = "E01";
        session.gNombreEmpresa = session.gNombreMatriz = "Distribuidora Alfa, C.A.";
        session.gDireccionEmpresa = "Av. Urdaneta, edificio Karam, piso 2";
        session.gCiudadEmpresa = "Caracas";
        session.gTelefonoEmpresa = "0212-564.11.22";
        session.gNombreIDEmpresa = "RIF J-29876543-1";
        session.gMes = 3;
        session.gAno = 2025;
    }

    static std::vector<std::pair<QString, QString>> chart()
    {
        return {{"1", "ACTIVO"},
                {"11", "ACTIVO CIRCULANTE"},
                {"1105", "BANCOS"},
                {"110501", "BANCOS NACIONALES"},
                {"110501001", "Banco Mercantil cuenta corriente"},
                {"110501002", "Banco Provincial cuenta corriente"},
                {"12", "ACTIVO FIJO"},
                {"1201", "MOBILIARIO Y EQUIPOS"},
                {"120101", "MOBILIARIO"},
                {"120101001", "Mobiliario de oficina"},
                {"2", "PASIVO"},
                {"21", "PASIVO CIRCULANTE"},
                {"2101", "CUENTAS POR PAGAR"},
                {"210101", "PROVEEDORES"},
                {"210101001", "Proveedores nacionales"},
                {"3", "PATRIMONIO"},
                {"31", "CAPITAL"},
                {"3101", "CAPITAL SOCIAL"},
                {"310101", "CAPITAL SUSCRITO"},
                {"310101001", "Capital suscrito y pagado"},
                {"4", "INGRESOS"},
                {"41", "INGRESOS OPERACIONALES"},
                {"4101", "VENTAS"},
                {"410101", "VENTAS NACIONALES"},
                {"410101001", "Ventas de mercancía"}};
    }

    Db &db() { return data.db(); }

    // A two-line voucher: `amount` from `credited` to `debited`.
    void post(QDate date, const QString &debited, const QString &credited, Money amount,
              const QString &type = "001", const QString &company = "E01")
    {
        ++m_number;
        for (int line = 1; line <= 2; ++line)
            db().exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, "
                      "NumeroComprobante, Usuario, Linea, Cuenta, Fecha, ValorDebito, "
                      "ValorCredito) VALUES (?, 'E01', ?, ?, 'ANA', ?, ?, ?, ?, ?)",
                      {company, type, QString::number(m_number), line,
                       line == 1 ? debited : credited, date,
                       line == 1 ? amount.toSql() : Money().toSql(),
                       line == 2 ? amount.toSql() : Money().toSql()});
    }

    // A small year: the opening voucher, purchases, sales and a payment in March.
    void postAFewMonths()
    {
        post({2025, 1, 1}, "110501001", "310101001", Money::fromUnits(50000), "999");
        post({2025, 1, 15}, "120101001", "210101001", Money::fromCents(1250050));
        post({2025, 2, 10}, "110501002", "410101001", Money::fromCents(830075));
        post({2025, 3, 5}, "110501001", "410101001", Money::fromCents(415025));
        post({2025, 3, 20}, "210101001", "110501001", Money::fromUnits(6000));
        post({2025, 3, 21}, "110501002", "410101001", Money::fromUnits(900), "001", "E02");
    }

    TestDatabase data;
    ScriptedPrompter prompter;
    Session session;
    int m_number = 0;
};
