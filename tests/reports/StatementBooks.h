#pragma once

#include "TrialBalanceBooks.h"

#include "reports/FinancialStatements.h"

// The trial balance's books with what the statements need besides: the result accounts of
// the year in the equity (profit 310501001, loss 310501002, named in PARAMETRO), costs
// (class 5), expenses (class 6) and a class 7.
class StatementBooks : public TrialBalanceBooks
{
public:
    static inline const QString Bank = QStringLiteral("110501001");
    static inline const QString Furniture = QStringLiteral("120101001");
    static inline const QString Suppliers = QStringLiteral("210101001");
    static inline const QString Capital = QStringLiteral("310101001");
    static inline const QString Profit = QStringLiteral("310501001");
    static inline const QString Loss = QStringLiteral("310501002");
    static inline const QString Sales = QStringLiteral("410101001");
    static inline const QString Costs = QStringLiteral("510101001");
    static inline const QString Expenses = QStringLiteral("610101001");
    static inline const QString Other = QStringLiteral("710101001");

    explicit StatementBooks(int closingMonth = 12)
        : TrialBalanceBooks(closingMonth)
    {
        Transaction tx(db());
        for (const auto &[code, name] : extraChart())
            db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, EsPadre) VALUES (?, ?, ?)",
                      {code, name, code.size() < 9 ? 1 : 0});
        db().exec("UPDATE PARAMETRO SET UtilidadEjercicio = ?, PerdidaEjercicio = ?",
                  {Profit, Loss});
        tx.commit();
    }

    static std::vector<std::pair<QString, QString>> extraChart()
    {
        return {{"3105", "RESULTADOS DEL EJERCICIO"},
                {"310501", "RESULTADO DEL AÑO"},
                {Profit, "Utilidad del ejercicio"},
                {Loss, "Pérdida del ejercicio"},
                {"5", "COSTOS"},
                {"51", "COSTOS DE VENTAS"},
                {"5101", "COSTO DE MERCANCÍA"},
                {"510101", "COSTO DE MERCANCÍA VENDIDA"},
                {Costs, "Costo de ventas nacionales"},
                {"6", "GASTOS"},
                {"61", "GASTOS OPERACIONALES"},
                {"6101", "GASTOS DE PERSONAL"},
                {"610101", "SUELDOS"},
                {Expenses, "Sueldos y salarios"},
                {"7", "OTROS RESULTADOS"},
                {"71", "OTROS EGRESOS"},
                {"7101", "PÉRDIDAS DIVERSAS"},
                {"710101", "PÉRDIDAS EN VENTA"},
                {Other, "Pérdida en venta de activos"}};
    }

    StatementOptions statementOptions(int month, int year, int codeLength = 6)
    {
        StatementOptions o;
        o.company = o.headOffice = "E01";
        o.month = month;
        o.year = year;
        o.codeLength = codeLength;
        return o;
    }
};
