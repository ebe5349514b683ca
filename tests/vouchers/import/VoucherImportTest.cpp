#include "vouchers/import/VoucherImport.h"
#include "vouchers/import/VoucherImportFile.h"

#include "calendar/PeriodMonths.h"
#include "platform/Db.h"
#include "schema/BalanceStore.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"
#include "vouchers/VoucherPosting.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

const QByteArray Header =
    "referencia;tipo;fecha;cuenta;tercero;tipo_documento;documento;centro_costo;descripcion;"
    "debito;credito\n";

QByteArray pair(const QByteArray &reference, const QByteArray &type, const QByteArray &date,
                const QByteArray &amount)
{
    return reference + ";" + type + ";" + date + ";110101001;J001;FAC;F-" + reference +
           ";ADM;cobro;" + amount + ";\n" + reference + ";" + type + ";" + date +
           ";410101001;;;;;cobro;;" + amount + "\n";
}

// Company 001, head office of itself, with 2026 open except May (blocked) and 2025 closed;
// ANA an ordinary user, ADMIN of "SISTEMAS"; voucher types 001 and 002 and the opening
// "999", 003 inactive; a small chart with a summary and an inactive account.
class VoucherImportTest : public ::testing::Test
{
protected:
    VoucherImportTest()
    {
        Fixtures::addCompany(db(), "001", "COMERCIAL ANDINA C.A.", {}, 1, 12, 2025);
        Fixtures::addCompany(db(), "002", "ANDINA CERRADA C.A.", {}, 0, 12, 2025);
        Fixtures::addUser(db(), "ANA", "x");
        Fixtures::addUser(db(), "ADMIN", "x", {"SISTEMAS"});
        Fixtures::addUser(db(), "PEDRO", "x", {}, 0);
        db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Status) VALUES "
                  "('001', 'DIARIO', 1), ('002', 'INGRESOS', 1), ('003', 'VIEJO', 0)");
        for (const char *account : {"110101001", "110102001", "410101001", "510101001"})
            db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre) VALUES (?, 'C')", {account});
        db().exec(
            "INSERT INTO CUENTACONTABLE (Codigo, Nombre, EsPadre) VALUES ('1101', 'CAJA', 1)");
        db().exec(
            "INSERT INTO CUENTACONTABLE (Codigo, Nombre, Status) VALUES ('110199001', 'X', 0)");
        db().exec("INSERT INTO TERCERO (Codigo, Nombre) VALUES ('J001', 'ACME')");
        db().exec("INSERT INTO DOCUMENTO (Codigo, Nombre) VALUES ('FAC', 'FACTURA')");
        db().exec("INSERT INTO CENTROCOSTO (Codigo, Nombre) VALUES ('ADM', 'ADMINISTRACION')");
        for (int year : {2025, 2026}) {
            QVariantList params{year};
            for (int m = 1; m <= 12; ++m)
                params << (year == 2026 && m == 5 ? 1 : 0);
            db().exec(QString("INSERT INTO PERIODO (Empresa, Matriz, Ano, %1) VALUES "
                              "('001', '001', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                          .arg(PeriodMonths::ColumnList()),
                      params);
        }
    }
    Db &db() { return data.db(); }

    VoucherImport::Outcome import(const QByteArray &rows, const QString &user = "ANA",
                                  const QString &company = "001")
    {
        const auto file = VoucherImportFile::parse(Header + rows);
        if (!file.ok())
            return {{}, file.problem};
        return VoucherImport(db()).run(company, user, file.vouchers);
    }
    int count(const char *table)
    {
        return db().scalar(QString("SELECT COUNT(*) FROM %1").arg(table)).toInt();
    }
    // Nothing of an import is left: no line, no log row, no counter moved, no balance.
    void expectNothingPosted(const std::string &where)
    {
        EXPECT_EQ(count("MOVIMIENTO"), 0) << where;
        EXPECT_EQ(count("MOVIMIENTO_USUARIOS"), 0) << where;
        EXPECT_EQ(count("SALDOCUENTA"), 0) << where;
        EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM CORRCOMPROBANTE WHERE Enero + Febrero + "
                              "Marzo + Abril + Mayo + Junio + Julio + Agosto + Septiembre + "
                              "Octubre + Noviembre + Diciembre > 0")
                      .toInt(),
                  0)
            << where;
    }

    TestDatabase data;
};

// A thousand vouchers of two to four lines, over both types and every open month, with
// amounts to the cent that a simple generator spreads over the chart.
QByteArray thousandVouchers(QMap<QString, std::pair<Money, Money>> &expected)
{
    const char *accounts[] = {"110101001", "110102001", "410101001", "510101001"};
    const int months[] = {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12};
    quint32 seed = 20260301;
    auto next = [&seed](quint32 bound) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % bound;
    };
    QByteArray text;
    for (int v = 1; v <= 1000; ++v) {
        const QByteArray reference = "IMP-" + QByteArray::number(v);
        const QByteArray type = v % 3 == 0 ? "002" : "001";
        const QDate date(2026, months[next(11)], int(next(28)) + 1);
        const int lines = 2 + int(next(3));
        Money balance;
        for (int l = 0; l < lines; ++l) {
            const char *account = accounts[next(4)];
            Money debit, credit;
            if (l < lines - 1) {
                const Money amount = Money::fromCents(qint64(next(5000000)) + 1);
                (l % 2 == 0 ? debit : credit) = amount;
            } else {
                // The last line balances the voucher.
                (balance.isNegative() ? debit : credit) = balance.abs();
                if (balance.isZero())
                    credit = debit = Money();
            }
            if (debit.isZero() && credit.isZero())
                continue;
            balance += debit - credit;
            expected[account].first += debit;
            expected[account].second += credit;
            text += reference + ";" + type + ";" + date.toString(Qt::ISODate).toLatin1() + ";" +
                    account + ";;;;;linea " + QByteArray::number(l) + ";" +
                    (debit.isZero() ? QByteArray() : debit.toPlainString().toLatin1()) + ";" +
                    (credit.isZero() ? QByteArray() : credit.toPlainString().toLatin1()) + "\n";
        }
    }
    return text;
}

TEST_F(VoucherImportTest, AThousandVouchersPostInOneRunAndTheTrialBalanceAgreesWithTheFile)
{
    QMap<QString, std::pair<Money, Money>> expected;
    const QByteArray rows = thousandVouchers(expected);
    const auto outcome = import(rows);
    ASSERT_TRUE(outcome.ok()) << outcome.problem->text().toStdString();
    ASSERT_EQ(outcome.posted.size(), 1000u);
    EXPECT_EQ(outcome.posted.front().reference, "IMP-1");
    EXPECT_EQ(count("MOVIMIENTO_USUARIOS"), 1000);
    EXPECT_EQ(count("MOVIMIENTO"), rows.count('\n'));

    // The books, line by line and through the balance store, per account.
    for (const char *sql :
         {"SELECT Cuenta, SUM(ValorDebito), SUM(ValorCredito) FROM MOVIMIENTO GROUP BY Cuenta",
          "SELECT Cuenta, SUM(Debito), SUM(Credito) FROM SALDOCUENTA GROUP BY Cuenta"}) {
        QMap<QString, std::pair<Money, Money>> books;
        for (const QSqlRecord &r : db().rows(sql))
            books[r.value(0).toString().trimmed()] = {Money::fromSql(r.value(1)),
                                                      Money::fromSql(r.value(2))};
        EXPECT_EQ(books, expected) << sql;
    }
    EXPECT_FALSE(BalanceStore::verify(db()));

    // Every voucher numbered once in its type and month, 1..n without gaps.
    const auto numbering = db().rows(
        "SELECT TipoComprobante, Fecha, NumeroComprobante FROM MOVIMIENTO WHERE Linea = 1");
    QMap<QString, QList<int>> numbers;
    for (const QSqlRecord &r : numbering)
        numbers[r.value(0).toString() + r.value(1).toDate().toString(" yyyy-MM")]
            << r.value(2).toInt();
    int total = 0;
    for (auto it = numbers.begin(); it != numbers.end(); ++it) {
        std::sort(it->begin(), it->end());
        for (int i = 0; i < it->size(); ++i)
            ASSERT_EQ((*it)[i], i + 1) << it.key().toStdString();
        total += int(it->size());
    }
    EXPECT_EQ(total, 1000);
}

TEST_F(VoucherImportTest, OneBadRowPostsNothingAndIsNamedWithItsReason)
{
    // Two good vouchers first, so that a refusal at posting time has something to undo.
    const QByteArray good =
        pair("A", "001", "2026-03-02", "100.00") + pair("B", "002", "2026-04-10", "250.50");
    const struct
    {
        QByteArray bad; // rows 6 and 7 of the file
        int row;
        const char *reason;
    } cases[] = {
        {"C;001;2026-03-02;999999999;;;;;x;5;\nC;001;2026-03-02;410101001;;;;;x;;5\n", 6,
         "la cuenta 999999999 no existe"},
        {"C;001;2026-03-02;410101001;;;;;x;;5\nC;001;2026-03-02;1101;;;;;x;5;\n", 7,
         "la cuenta 1101 no es de detalle"},
        {"C;001;2026-03-02;110199001;;;;;x;5;\nC;001;2026-03-02;410101001;;;;;x;;5\n", 6,
         "la cuenta 110199001 está inactiva"},
        {pair("C", "007", "2026-03-02", "5"), 6, "el tipo de comprobante 007 no existe"},
        {pair("C", "003", "2026-03-02", "5"), 6, "el tipo de comprobante 003 está inactivo"},
        {pair("C", "*", "2026-03-02", "5"), 6, "el tipo de comprobante * no existe"},
        {"C;001;2026-03-02;110101001;J999;;;;x;5;\nC;001;2026-03-02;410101001;;;;;x;;5\n", 6,
         "el tercero J999 no existe"},
        {"C;001;2026-03-02;110101001;;;;;x;5;\nC;001;2026-03-02;410101001;;NCR;1;;x;;5\n", 7,
         "el tipo de documento NCR no existe"},
        {"C;001;2026-03-02;110101001;;;;VEN;x;5;\nC;001;2026-03-02;410101001;;;;;x;;5\n", 6,
         "el centro de costo VEN no existe"},
        {pair("C", "001", "2026-05-15", "5"), 6,
         "el mes 2026-05 está bloqueado (¡Periodo bloqueado!)"},
        {pair("C", "999", "2025-12-31", "5"), 6,
         "la fecha 2025-12-31 cae en un año fiscal cerrado"},
        {pair("C", "001", "2027-01-04", "5"), 6,
         "la empresa 001 no tiene periodo para el año 2027"},
        // Caught before the database: a malformed row and an unbalanced voucher.
        {"C;001;2026-03-02;110101001;;;;;x;5,00;\n", 6, "no es un importe válido"},
        {"C;001;2026-03-02;110101001;;;;;x;1000.00;\nC;001;2026-03-02;410101001;;;;;x;;1000.01\n",
         6, "no cuadra"},
    };
    for (const auto &c : cases) {
        const std::string where = c.bad.toStdString();
        const auto outcome = import(good + c.bad);
        ASSERT_FALSE(outcome.ok()) << where;
        EXPECT_EQ(outcome.problem->row, c.row) << where;
        EXPECT_TRUE(outcome.problem->reason.contains(QString::fromUtf8(c.reason)))
            << where << "\n"
            << outcome.problem->reason.toStdString();
        EXPECT_TRUE(outcome.posted.empty()) << where;
        expectNothingPosted(where);
    }
    // The same good vouchers post on their own: the refusals above were the bad rows'.
    EXPECT_TRUE(import(good).ok());
}

TEST_F(VoucherImportTest, TheCompanyAndTheUserMustBeKnownAndActive)
{
    const QByteArray rows = pair("A", "001", "2026-03-02", "1");
    const struct
    {
        QString company, user, text;
    } cases[] = {
        {"009", "ANA", "No existe la empresa 009."},
        {"002", "ANA", "La empresa 002 está inactiva."},
        {"001", "NADIE", "No existe el usuario NADIE."},
        {"001", "PEDRO", "El usuario PEDRO está inactivo."},
    };
    for (const auto &c : cases) {
        const auto outcome = import(rows, c.user, c.company);
        ASSERT_FALSE(outcome.ok()) << c.text.toStdString();
        EXPECT_EQ(outcome.problem->text(), c.text);
    }
    expectNothingPosted("company and user");
}

TEST_F(VoucherImportTest, AdministratorsMayImportIntoABlockedMonthButNotIntoAClosedYear)
{
    const auto blocked = import(pair("A", "001", "2026-05-15", "1"), "ADMIN");
    ASSERT_TRUE(blocked.ok()) << blocked.problem->text().toStdString();
    const auto closed = import(pair("B", "001", "2025-06-30", "1"), "ADMIN");
    ASSERT_FALSE(closed.ok());
    EXPECT_TRUE(closed.problem->reason.contains("año fiscal cerrado"));
    EXPECT_EQ(count("MOVIMIENTO"), 2); // the first import's voucher only
}

TEST_F(VoucherImportTest, VouchersAreNumberedByTheCountersOfTheirTypeAndMonth)
{
    // A voucher already in the books takes number 1 of type 001 in March.
    VoucherToPost existing{"001", "001", "001", "ANA", {}};
    PostingLine line;
    line.cuenta = "110101001";
    line.fecha = QDate(2026, 3, 1);
    line.valorDebito = Money::fromUnits(7);
    existing.lines = {line, line};
    existing.lines[1].cuenta = "410101001";
    existing.lines[1].valorDebito = Money();
    existing.lines[1].valorCredito = Money::fromUnits(7);
    ASSERT_EQ(VoucherPosting(db()).post(existing).number, "1");

    const auto outcome =
        import(pair("M1", "001", "2026-03-05", "1") + pair("A1", "001", "2026-04-05", "1") +
               pair("M2", "001", "2026-03-31", "1") + pair("I1", "002", "2026-03-05", "1") +
               pair("S1", "999", "2026-01-01", "1") + pair("A2", "001", "2026-04-30", "1"));
    ASSERT_TRUE(outcome.ok()) << outcome.problem->text().toStdString();
    QStringList got;
    for (const auto &p : outcome.posted)
        got << p.reference + " " + p.type + "-" + p.number;
    EXPECT_EQ(
        got, QStringList({"M1 001-2", "A1 001-1", "M2 001-3", "I1 002-1", "S1 999-1", "A2 001-2"}));
    // The lines carry what the file said, the user as creator and the number given.
    const auto rows = db().rows(
        "SELECT Usuario, Tercero, TipoDocumento, Documento, CentroCosto, Descripcion, "
        "ValorDebito FROM MOVIMIENTO WHERE TipoComprobante = '001' AND NumeroComprobante = '3' "
        "AND Linea = 1");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].value(0).toString(), "ANA");
    EXPECT_EQ(rows[0].value(1).toString(), "J001");
    EXPECT_EQ(rows[0].value(2).toString(), "FAC");
    EXPECT_EQ(rows[0].value(3).toString(), "F-M2");
    EXPECT_EQ(rows[0].value(4).toString(), "ADM");
    EXPECT_EQ(rows[0].value(5).toString(), "cobro");
    EXPECT_EQ(Money::fromSql(rows[0].value(6)), Money::fromUnits(1));

    // A second import goes on from the counters.
    const auto again = import(pair("M3", "001", "2026-03-20", "1"));
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.posted.front().number, "4");
}

} // namespace
