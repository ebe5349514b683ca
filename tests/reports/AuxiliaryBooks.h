#pragma once

#include "TrialBalanceBooks.h"

#include <vector>

// The trial balance's books with third parties and documents, to print auxiliary books from:
// suppliers J-1 and J-2, customer V-3 and the invoice document "FAC".
class AuxiliaryBooks : public TrialBalanceBooks
{
public:
    explicit AuxiliaryBooks(int closingMonth = 12)
        : TrialBalanceBooks(closingMonth)
    {
        for (const auto &[code, name] :
             std::vector<std::pair<QString, QString>>{{"J-1", "Suministros Uno, C.A."},
                                                      {"J-2", "Papelería Dos, S.R.L."},
                                                      {"V-3", "Cliente Tres"}})
            db().exec("INSERT INTO TERCERO (Codigo, Nombre) VALUES (?, ?)", {code, name});
        db().exec("INSERT INTO DOCUMENTO (Codigo, Nombre) VALUES ('FAC', 'FACTURA')");
    }

    struct Line
    {
        QString account;
        QString party = QStringLiteral("*");
        Money debit;
        Money credit;
        QString description = {};
        QString document = {};
    };

    // One voucher of `lines`, numbered in posting order.
    void voucher(QDate date, const std::vector<Line> &lines, const QString &type = "001",
                 const QString &company = "E01")
    {
        ++m_number;
        int n = 0;
        for (const Line &l : lines)
            db().exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, "
                      "NumeroComprobante, Usuario, Linea, Cuenta, Fecha, Tercero, "
                      "TipoDocumento, Documento, Descripcion, ValorDebito, ValorCredito) "
                      "VALUES (?, 'E01', ?, ?, 'ANA', ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                      {company, type, QString::number(m_number), ++n, l.account, date, l.party,
                       l.document.isEmpty() ? QStringLiteral("*") : QStringLiteral("FAC"),
                       l.document, l.description, l.debit.toSql(), l.credit.toSql()});
    }

    // The opening voucher of January, two purchases in February (suppliers J-1 and J-2), a
    // payment to J-1 in March and a sale of the branch E02 in March.
    void postPurchases()
    {
        const Money capital = Money::fromUnits(50000);
        voucher({2025, 1, 1}, {{"110501001", "*", capital, {}}, {"310101001", "*", {}, capital}},
                "999");
        voucher({2025, 2, 10},
                {{"120101001", "*", Money::fromUnits(1000), {}, "Escritorios"},
                 {"210101001", "J-1", {}, Money::fromUnits(1000), "Escritorios", "0001"}});
        voucher({2025, 2, 12}, {{"120101001", "*", Money::fromUnits(300), {}, "Archivos"},
                                {"210101001", "J-2", {}, Money::fromUnits(300), "Archivos", "7"}});
        voucher({2025, 3, 5}, {{"210101001", "J-1", Money::fromUnits(400), {}, "Pago"},
                               {"110501001", "*", {}, Money::fromUnits(400), "Pago"}});
        voucher({2025, 3, 21},
                {{"110501002", "*", Money::fromUnits(900), {}, "Venta"},
                 {"410101001", "V-3", {}, Money::fromUnits(900), "Venta", "0100"}},
                "001", "E02");
    }
};
