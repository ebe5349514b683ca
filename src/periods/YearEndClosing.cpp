#include "periods/YearEndClosing.h"

#include "calendar/FiscalYear.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "schema/BalanceStore.h"
#include "shell/UserRights.h"
#include "vouchers/VoucherPosting.h"

#include <QDateTime>
#include <map>
#include <tuple>

namespace YearEndClosing {

namespace {

const QString ClosingType = BalanceStore::ClosingVoucherType;
const QString OpeningType = BalanceStore::OpeningVoucherType;

// Thrown inside the transaction to leave it with a refusal code.
struct Refused
{
    int control;
};

struct Parameters
{
    QString profit, loss, accumulatedProfit, accumulatedLoss;
    bool inflationAdjustment = false, exchangeAdjustment = false;
};

Parameters readParameters(Db &db)
{
    Parameters p;
    const auto rows = db.rows(QStringLiteral(
        "SELECT UtilidadEjercicio, PerdidaEjercicio, UtilidadAcumulada, PerdidaAcumulada, "
        "CierreAjusteInflacion, CierreAjusteDifCambio FROM PARAMETRO"));
    if (rows.empty())
        return p;
    const QSqlRecord &r = rows.front();
    p.profit = r.value(0).toString().trimmed();
    p.loss = r.value(1).toString().trimmed();
    p.accumulatedProfit = r.value(2).toString().trimmed();
    p.accumulatedLoss = r.value(3).toString().trimmed();
    p.inflationAdjustment = r.value(4).toInt() == 1;
    p.exchangeAdjustment = r.value(5).toInt() == 1;
    return p;
}

bool isDetailAccount(Db &db, const QString &code)
{
    return !code.isEmpty() &&
           db.exists(
               QStringLiteral("SELECT 1 FROM CUENTACONTABLE WHERE Codigo = ? AND EsPadre = 0"),
               {code});
}

bool adjusted(Db &db, const QString &kind, const QString &empresa, const QString &matriz,
              QDate month)
{
    // The adjustment runs create their control table; before them no month is adjusted.
    if (!db.hasTable(QStringLiteral("CONTROLAJUSTE")))
        return false;
    return db.exists(QStringLiteral("SELECT 1 FROM CONTROLAJUSTE WHERE Empresa = ? AND Matriz = ? "
                                    "AND Ano = ? AND Mes = ? AND TipoAjuste = ?"),
                     {empresa, matriz, month.year(), month.month(), kind});
}

void check(Db &db, QDate first, QDate last, const QString &empresa, const QString &matriz,
           const QString &usuario, const QString &workstation, const Parameters &p)
{
    if (db.exists(QStringLiteral("SELECT 1 FROM REGISTRO WHERE Empresa = ? AND Matriz = ?"),
                  {empresa, matriz}) ||
        db.exists(QStringLiteral("SELECT 1 FROM CONSOLIDACION WHERE (Empresa = ? AND Matriz = ?) "
                                 "OR (EmpresaC = ? AND MatrizC = ?)"),
                  {empresa, matriz, empresa, matriz}) ||
        db.exists(QStringLiteral("SELECT 1 FROM MOVIMIENTO WHERE Empresa = ? AND Matriz = ? AND "
                                 "Fecha >= ? AND Fecha <= ? AND Usuario = '-' AND Linea > 0 "
                                 "AND NumeroComprobante NOT IN ('-', '0')"),
                  {empresa, matriz, first, last}))
        throw Refused{PendingVoucher};
    const int closedYear =
        db.scalar(QStringLiteral("SELECT Ano FROM EMPRESA WHERE Codigo = ? AND CodigoMatriz = ?"),
                  {empresa, matriz})
            .toInt();
    if (closedYear >= last.year() ||
        db.exists(QStringLiteral("SELECT 1 FROM MOVIMIENTO WHERE Empresa = ? AND Matriz = ? AND "
                                 "TipoComprobante = ? AND Fecha = ?"),
                  {empresa, matriz, ClosingType, last}))
        throw Refused{AlreadyClosed};
    if (!isDetailAccount(db, p.profit) || !isDetailAccount(db, p.loss))
        throw Refused{NoResultAccounts};
    if (p.inflationAdjustment && !adjusted(db, QStringLiteral("IPC"), empresa, matriz, last))
        throw Refused{NoInflationAdjustment};
    if (p.exchangeAdjustment && !adjusted(db, QStringLiteral("TRM"), empresa, matriz, last))
        throw Refused{NoExchangeAdjustment};
    if (db.exists(QStringLiteral("SELECT 1 FROM SESIONUSUARIO WHERE Empresa = ? AND Matriz = ? "
                                 "AND (Usuario <> ? OR NombreEquipo <> ?)"),
                  {empresa, matriz, usuario, workstation}))
        throw Refused{ActiveUsers};
    if (!db.exists(QStringLiteral("SELECT 1 FROM TERCERO WHERE Tributario = 1 AND Codigo <> '*'")))
        throw Refused{NoTaxAuthority};
}

// A balance to carry: account, third party, document.
struct Key
{
    QString account, party = QStringLiteral("*"), documentType = QStringLiteral("*"), document;
    bool operator<(const Key &o) const
    {
        return std::tie(account, party, documentType, document) <
               std::tie(o.account, o.party, o.documentType, o.document);
    }
};

struct AccountFlags
{
    bool byParty = false;      // ManejaTerc
    bool byDocument = false;   // ManejaDoc
    bool closeByParty = false; // CuentaCierreTerc
};

std::map<QString, AccountFlags> detailAccounts(Db &db, const QStringList &classes)
{
    std::map<QString, AccountFlags> accounts;
    for (const QSqlRecord &r : db.rows(QStringLiteral(
             "SELECT Codigo, ManejaTerc, ManejaDoc, CuentaCierreTerc FROM CUENTACONTABLE "
             "WHERE EsPadre = 0"))) {
        const QString code = r.value(0).toString();
        if (classes.contains(code.left(1)))
            accounts[code] = {r.value(1).toInt() == 1, r.value(2).toInt() == 1,
                              r.value(3).toInt() == 1};
    }
    return accounts;
}

// Balances of the fiscal year (debit minus credit), per account, third party and document
// as far as `depth` asks: 0 account, 1 third party, 2 document.
std::map<Key, Money> yearBalances(Db &db, QDate first, QDate last, const QString &empresa,
                                  const QString &matriz, int depth)
{
    const QString columns = depth == 0   ? QStringLiteral("Cuenta")
                            : depth == 1 ? QStringLiteral("Cuenta, Tercero")
                                         : QStringLiteral("Cuenta, Tercero, TipoDocumento, "
                                                          "Documento");
    std::map<Key, Money> balances;
    for (const QSqlRecord &r :
         db.rows(QStringLiteral("SELECT %1, SUM(ValorDebito) - SUM(ValorCredito) FROM MOVIMIENTO "
                                "WHERE Empresa = ? AND Matriz = ? AND Fecha >= ? AND Fecha <= ? "
                                "GROUP BY %1")
                     .arg(columns),
                 {empresa, matriz, first, last})) {
        Key key{r.value(0).toString()};
        int next = 1;
        if (depth >= 1)
            key.party = r.value(next++).toString();
        if (depth >= 2) {
            key.documentType = r.value(next++).toString();
            key.document = r.value(next++).toString();
        }
        const Money balance = Money::fromSql(r.value(next));
        if (!balance.isZero())
            balances[key] += balance;
    }
    return balances;
}

QString taxAuthority(Db &db)
{
    return db
        .scalar(QStringLiteral("SELECT MIN(Codigo) FROM TERCERO WHERE Tributario = 1 AND "
                               "Codigo <> '*'"))
        .toString();
}

// The line that brings `balance` (debit minus credit) to zero: a credit for a debit balance.
PostingLine lineFor(const Key &key, Money balance, QDate date, const QString &description)
{
    PostingLine line;
    line.cuenta = key.account;
    line.fecha = date;
    line.tercero = key.party;
    line.tipoDocumento = key.documentType;
    line.documento = key.document;
    line.descripcion = description;
    if (balance.isNegative())
        line.valorDebito = -balance;
    else
        line.valorCredito = balance;
    return line;
}

// The line that opens `balance` again in the next year.
PostingLine opening(const Key &key, Money balance, QDate date, const QString &description)
{
    return lineFor(key, -balance, date, description);
}

void post(Db &db, VoucherToPost voucher)
{
    if (voucher.lines.empty())
        return;
    const auto outcome = VoucherPosting(db).post(voucher);
    if (!outcome.posted())
        throw Refused{PostingRefused};
}

// The closing voucher: every result account (classes 4 to 7) to zero, per third party where
// the account closes by third party, and the net result to the profit or loss account.
void postClosing(Db &db, QDate first, QDate last, const QString &empresa, const QString &matriz,
                 const QString &usuario, const Parameters &p, const QString &authority)
{
    const auto accounts = detailAccounts(db, {"4", "5", "6", "7"});
    const auto byAccount = yearBalances(db, first, last, empresa, matriz, 0);
    const auto byParty = yearBalances(db, first, last, empresa, matriz, 1);
    const QString description = QStringLiteral("CIERRE DEL EJERCICIO %1").arg(last.year());
    VoucherToPost voucher{empresa, matriz, ClosingType, usuario, {}};
    Money total;
    const auto add = [&](Key key, Money balance) {
        const auto flags = accounts.find(key.account);
        if (key.party == QLatin1String("*") && flags->second.byParty)
            key.party = authority;
        voucher.lines.push_back(lineFor(key, balance, last, description));
        total += balance;
    };
    for (const auto &[key, balance] : byAccount) {
        const auto flags = accounts.find(key.account);
        if (flags == accounts.end() || flags->second.closeByParty)
            continue;
        add(key, balance);
    }
    for (const auto &[key, balance] : byParty) {
        const auto flags = accounts.find(key.account);
        if (flags != accounts.end() && flags->second.closeByParty)
            add(key, balance);
    }
    // The result is minus what the result accounts add up to: a profit is a credit balance.
    const Money result = -total;
    if (!result.isZero()) {
        Key resultKey{result.isNegative() ? p.loss : p.profit};
        const bool needsParty = db.scalar(QStringLiteral("SELECT ManejaTerc FROM CUENTACONTABLE "
                                                         "WHERE Codigo = ?"),
                                          {resultKey.account})
                                    .toInt() == 1;
        if (needsParty)
            resultKey.party = authority;
        // A profit is credited to its account, a loss debited.
        voucher.lines.push_back(lineFor(resultKey, result, last, description));
    }
    post(db, voucher);
}

// The opening voucher of the next fiscal year: every balance-sheet account (classes 1 to 3)
// as it stands after the closing, per third party and open document where the account keeps
// them, the year's result moved to the accumulated accounts when the parameters name them.
void postOpening(Db &db, QDate first, QDate last, const QString &empresa, const QString &matriz,
                 const QString &usuario, const Parameters &p, const QString &authority)
{
    const auto accounts = detailAccounts(db, {"1", "2", "3"});
    const QDate openingDate = last.addDays(1);
    const QString description = QStringLiteral("APERTURA DEL EJERCICIO %1").arg(openingDate.year());
    std::map<Key, Money> carried;
    for (int depth = 0; depth <= 2; ++depth) {
        for (const auto &[key, balance] : yearBalances(db, first, last, empresa, matriz, depth)) {
            const auto flags = accounts.find(key.account);
            if (flags == accounts.end())
                continue;
            const int wanted = flags->second.byParty ? (flags->second.byDocument ? 2 : 1) : 0;
            if (wanted != depth)
                continue;
            Key target = key;
            if (target.account == p.profit && !p.accumulatedProfit.isEmpty())
                target.account = p.accumulatedProfit;
            else if (target.account == p.loss && !p.accumulatedLoss.isEmpty())
                target.account = p.accumulatedLoss;
            if (target.party == QLatin1String("*") && flags->second.byParty)
                target.party = authority;
            carried[target] += balance;
        }
    }
    VoucherToPost voucher{empresa, matriz, OpeningType, usuario, {}};
    for (const auto &[key, balance] : carried)
        if (!balance.isZero())
            voucher.lines.push_back(opening(key, balance, openingDate, description));
    post(db, voucher);
}

} // namespace

QString message(int control)
{
    switch (control) {
    case Closed:
        return QStringLiteral("Cierre realizado con éxito...!");
    case PendingVoucher:
        return QStringLiteral("Existe un Comprobante Pendiente por Totalizar... El Cierre no "
                              "procede !");
    case AlreadyClosed:
        return QStringLiteral("Ya existe un cierre para esa Fecha... El Cierre no procede !");
    case NoResultAccounts:
        return QStringLiteral("No se ha definido las cuentas de Ganancias o Perdidas en los "
                              "Parámetros... El Cierre no procede !");
    case NoInflationAdjustment:
        return QStringLiteral("No se ha generado el calculo del Ajuste por Inflación en el "
                              "mes... El Cierre no procede !");
    case NoExchangeAdjustment:
        return QStringLiteral("No se ha generado el calculo del ajuste por diferencia en cambio "
                              "en el mes... El Cierre no procede !");
    case ActiveUsers:
        return QStringLiteral("Hay usuarios activos en la empresa... El Cierre no procede !");
    case NoTaxAuthority:
        return QStringLiteral("No existe tercero tributario... El Cierre no procede !");
    default:
        return QStringLiteral("Error en proceso de cierre.. El Cierre no procede !") +
               QStringLiteral(" Error Nº ") + QString::number(control);
    }
}

int CierreDelEjercicio(Db &db, QDate fechaInicial, QDate fechaFinal, const QString &empresa,
                       const QString &matriz, const QString &usuario, const QString &workstation)
{
    try {
        Transaction tx(db);
        const Parameters p = readParameters(db);
        check(db, fechaInicial, fechaFinal, empresa, matriz, usuario, workstation, p);
        const QString authority = taxAuthority(db);
        postClosing(db, fechaInicial, fechaFinal, empresa, matriz, usuario, p, authority);
        postOpening(db, fechaInicial, fechaFinal, empresa, matriz, usuario, p, authority);
        db.exec(QStringLiteral("UPDATE EMPRESA SET Ano = ? WHERE Codigo = ? AND CodigoMatriz = ?"),
                {fechaFinal.year(), empresa, matriz});
        tx.commit();
        return Closed;
    } catch (const Refused &r) {
        return r.control;
    } catch (const DbError &) {
        return Failed;
    }
}

Reopening ReabrirEjercicio(Db &db, const QString &empresa, const QString &matriz,
                           const QString &usuario, const QString &ipAddress,
                           const QString &workstation)
{
    if (!UserRights::IsSystemsUser(db, usuario))
        return Reopening::NotAllowed;
    Transaction tx(db);
    const auto rows = db.rows(
        QStringLiteral("SELECT Mes, Ano FROM EMPRESA WHERE Codigo = ? AND CodigoMatriz = ?"),
        {empresa, matriz});
    if (rows.empty() || rows.front().value(1).toInt() <= 0)
        return Reopening::NothingClosed;
    const int closedYear = rows.front().value(1).toInt();
    const QDate last = FiscalYear::endingIn(closedYear, rows.front().value(0).toInt()).last;
    const QDate opening = last.addDays(1);
    db.exec(QStringLiteral("DELETE FROM MOVIMIENTO WHERE Empresa = ? AND Matriz = ? AND "
                           "TipoComprobante = ? AND Fecha = ?"),
            {empresa, matriz, ClosingType, last});
    // Only the opening voucher the closing wrote: an opening imported from another system on
    // the same day stays.
    db.exec(QStringLiteral("DELETE FROM MOVIMIENTO WHERE Empresa = ? AND Matriz = ? AND "
                           "TipoComprobante = ? AND Fecha = ? AND Descripcion = ?"),
            {empresa, matriz, OpeningType, opening,
             QStringLiteral("APERTURA DEL EJERCICIO %1").arg(opening.year())});
    db.exec(QStringLiteral("UPDATE EMPRESA SET Ano = ? WHERE Codigo = ? AND CodigoMatriz = ?"),
            {closedYear - 1, empresa, matriz});
    db.exec(QStringLiteral("INSERT INTO BITACORAMODIFICACIONMOVIMIENTO (Empresa, Matriz, Ano, Mes, "
                           "TipoComprobante, NumeroComprobante, Usuario, FechaModificacion, "
                           "DireccionIP, NombreEquipo) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {empresa, matriz, last.year(), last.month(), ClosingType, QStringLiteral("REAPERTURA"),
             usuario, QDateTime::currentDateTime(), ipAddress, workstation});
    tx.commit();
    return Reopening::Reopened;
}

} // namespace YearEndClosing
