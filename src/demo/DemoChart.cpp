#include "demo/DemoChart.h"

#include "common/Rate.h"
#include "demo/DemoRows.h"
#include "platform/Db.h"

#include <QSet>

namespace DemoChart {

namespace {

struct FlagColumn
{
    char letter;
    const char *column;
};

constexpr FlagColumn flagColumns[] = {
    {'T', "ManejaTerc"},         {'D', "ManejaDoc"},
    {'A', "ManejaDocAnexos"},    {'C', "Centrodecosto"},
    {'R', "ManejaReteFuente"},   {'F', "ActivoFijo"},
    {'P', "Depreciable"},        {'X', "AjustDifCambio"},
    {'G', "ControlPago"},        {'Z', "CuentaCierreTerc"},
    {'K', "CuentaLibroCompras"}, {'V', "CuentaLibroVentas"},
    {'I', "ManejaRetIVA"},       {'S', "Consolidacion"},
    {'B', "CuentaBanco"},        {'E', "TransferenciaElectronica"},
};

struct BankData
{
    const char *account;
    const char *bank; // the bank's third party
    const char *number;
};

const BankData banks[] = {
    {"111005001", "J-00123456-0", "01230456780000123456"},
    {"111005002", "J-00234567-5", "02340567890000234567"},
    {"111005003", "J-00345678-0", "03450678900000345678"},
    {"111005004", "J-00123456-0", "01230456780000654321"},
    {"111010001", "J-00234567-5", "02340567890000998877"},
};

struct Depreciation
{
    const char *account;
    const char *expense;
    const char *accumulated;
    const char *adjusted;
    const char *correction;
};

const Depreciation depreciations[] = {
    {"151605001", "516005001", "159205001", "159205002", "470505002"},
    {"152405001", "516015001", "159215001", "159215002", "470505002"},
    {"152410001", "516015001", "159215001", "159215002", "470505002"},
    {"152805001", "516020001", "159220001", "159220002", "470505002"},
    {"152810001", "516020001", "159220001", "159220002", "470505002"},
    {"154005001", "516035001", "159235001", "159235002", "470505002"},
};

// Purchases subject to IVA withholding and the account that receives what is withheld.
const std::pair<const char *, const char *> ivaWithholding[] = {
    {"240802", "240810"},
    {"240803", "240811"},
};

// Shares of the cost centres, by the first digits of the accounts that distribute.
struct Share
{
    const char *prefix;
    const char *centre;
    int percent;
};

const Share shares[] = {
    {"41", "VEN", 100}, {"51", "ADM", 50}, {"51", "GER", 20},
    {"51", "SIS", 10},  {"51", "ALM", 20}, {"52", "VEN", 100},
};

// The retention concept an expense takes, by the first digits of its account.
const std::pair<const char *, const char *> conceptsByPrefix[] = {
    {"5110", "HONPROF"},  {"5120", "ARRINM"},       {"513505", "SERVICIOS"},
    {"513550", "FLETES"}, {"513595", "SERVICIOS"},  {"5145", "SERVICIOS"},
    {"523550", "FLETES"}, {"523560", "PUBLICIDAD"}, {"613510", "FLETES"},
};

int insertAccounts(Db &db)
{
    QSet<QString> parents;
    for (const Account &a : Accounts())
        parents.insert(ParentOf(QString::fromLatin1(a.code)));

    QStringList columns{"Codigo", "Nombre", "CodigoPadre", "Nivel", "EsPadre"};
    for (const FlagColumn &f : flagColumns)
        columns << QString::fromLatin1(f.column);
    std::vector<QVariantList> rows;
    for (const Account &a : Accounts()) {
        const QString code = QString::fromLatin1(a.code);
        QVariantList row{code, QString::fromUtf8(a.name), ParentOf(code), LevelOf(code),
                         parents.contains(code) ? 1 : 0};
        const QByteArray flags(a.flags);
        for (const FlagColumn &f : flagColumns)
            row << (flags.contains(f.letter) ? 1 : 0);
        rows.push_back(row);
    }
    DemoRows::Insert(db, QStringLiteral("CUENTACONTABLE"), columns, rows);
    return int(rows.size());
}

void insertLinks(Db &db)
{
    for (const BankData &b : banks)
        db.exec(QStringLiteral("UPDATE CUENTACONTABLE SET TerceroBanco = ?, NumeroCuenta = ? "
                               "WHERE Codigo = ?"),
                {QString::fromLatin1(b.bank), QString::fromLatin1(b.number),
                 QString::fromLatin1(b.account)});
    for (const Depreciation &d : depreciations)
        db.exec(QStringLiteral("UPDATE CUENTACONTABLE SET CuentaGastos = ?, "
                               "CuentaDepAcumulada = ?, CuentaDepAcumuladaAjus = ?, "
                               "CuentaCorrMonetAjustDep = ? WHERE Codigo = ?"),
                {QString::fromLatin1(d.expense), QString::fromLatin1(d.accumulated),
                 QString::fromLatin1(d.adjusted), QString::fromLatin1(d.correction),
                 QString::fromLatin1(d.account)});
    for (const auto &[account, withholding] : ivaWithholding)
        db.exec(QStringLiteral("UPDATE CUENTACONTABLE SET CuentaRetIVA = ? WHERE Codigo = ?"),
                {QString::fromLatin1(withholding), QString::fromLatin1(account)});

    std::vector<QVariantList> centreRows;
    std::vector<QVariantList> conceptRows;
    for (const Account &a : Accounts()) {
        const QString code = QString::fromLatin1(a.code);
        const QByteArray flags(a.flags);
        if (flags.contains('C'))
            for (const Share &s : shares)
                if (code.startsWith(QLatin1String(s.prefix)))
                    centreRows.push_back({code, QString::fromLatin1(s.centre),
                                          Rate::fromInteger(s.percent).toSql()});
        if (flags.contains('R'))
            for (const auto &[prefix, concept_] : conceptsByPrefix)
                if (code.startsWith(QLatin1String(prefix)))
                    conceptRows.push_back({code, QString::fromLatin1(concept_)});
    }
    DemoRows::Insert(db, QStringLiteral("CUENTACENTROCOSTO"),
                     {"CodigoCuenta", "CodigoCentroCosto", "Porcentaje"}, centreRows);
    DemoRows::Insert(db, QStringLiteral("CUENTACONCEPTORET"), {"CodigoCuenta", "CodigoConcepto"},
                     conceptRows);
}

} // namespace

const std::vector<Account> &Accounts()
{
    static const std::vector<Account> all = [] {
        std::vector<Account> v = BalanceSheetAccounts();
        v.insert(v.end(), ResultAccounts().begin(), ResultAccounts().end());
        return v;
    }();
    return all;
}

const QStringList &RuleAccounts()
{
    static const QStringList codes{QStringLiteral("130505"), QStringLiteral("220501"),
                                   QStringLiteral("240802"), QStringLiteral("240803"),
                                   QStringLiteral("240807"), QStringLiteral("240810"),
                                   QStringLiteral("240811"), QStringLiteral("240825")};
    return codes;
}

int LevelOf(const QString &code)
{
    switch (code.size()) {
    case 1:
        return 1;
    case 2:
        return 2;
    case 4:
        return 3;
    case 6:
        return 4;
    case 9:
        return 5;
    default:
        return 0;
    }
}

QString ParentOf(const QString &code)
{
    static constexpr int lengths[] = {0, 1, 2, 4, 6};
    const int level = LevelOf(code);
    return level <= 1 ? QStringLiteral("0") : code.left(lengths[level - 1]);
}

int Insert(Db &db)
{
    const int count = insertAccounts(db);
    insertLinks(db);
    return count;
}

} // namespace DemoChart
