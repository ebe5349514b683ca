#include "vouchers/VoucherCounters.h"

#include "calendar/PeriodMonths.h"
#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/Transaction.h"

#include <QDate>
#include <algorithm>

namespace {
// Thrown inside the save's transaction to roll it back when a counter is refused.
struct CounterRefused
{
};

QString counterColumns()
{
    return PeriodMonths::ColumnList() + QStringLiteral(",Continuo,NumeroContinuo");
}
} // namespace

VoucherCounters::VoucherCounters(Session &session, QString node)
    : m_session(session)
    , m_node(std::move(node))
{
}

QString VoucherCounters::Company::caption() const
{
    const QString office = matriz == codigo ? QString() : QStringLiteral(" (%1)").arg(matriz);
    return codigo + office + QStringLiteral(" - ") + nombre;
}

std::vector<VoucherCounters::Company> VoucherCounters::companies() const
{
    std::vector<Company> list;
    for (const QSqlRecord &r : m_session.db().rows(QStringLiteral(
             "SELECT Codigo, CodigoMatriz, Nombre FROM EMPRESA ORDER BY Codigo, CodigoMatriz")))
        list.push_back({r.value(0).toString(), r.value(1).toString(), r.value(2).toString()});
    return list;
}

std::vector<VoucherCounterRow> VoucherCounters::load(const Company &company, int year) const
{
    const QString sql = QStringLiteral(
        "SELECT C.Codigo, C.Nombre, %1 FROM COMPROBANTE C INNER JOIN CORRCOMPROBANTE CC "
        "ON C.Codigo = CC.CodigoComprobante "
        "WHERE CC.Empresa = ? AND CC.Matriz = ? AND CC.Ano = ? "
        "AND C.Codigo NOT IN ('999', '*') ORDER BY C.Codigo");
    QStringList columns;
    for (const QString &c : counterColumns().split(QLatin1Char(',')))
        columns << QStringLiteral("CC.") + c;
    std::vector<VoucherCounterRow> result;
    for (const QSqlRecord &r : m_session.db().rows(sql.arg(columns.join(QStringLiteral(", "))),
                                                   {company.codigo, company.matriz, year})) {
        VoucherCounterRow row;
        row.codigo = r.value(0).toString();
        row.nombre = r.value(1).toString();
        for (int m = 0; m < 12; ++m)
            row.meses[size_t(m)] = r.value(2 + m).toInt();
        row.continuo = r.value(14).toInt() == 1;
        row.numeroContinuo = r.value(15).toInt();
        result.push_back(std::move(row));
    }
    return result;
}

VoucherCounters::PostedNumbers VoucherCounters::highestPosted(const Company &company,
                                                              int year) const
{
    Db &db = m_session.db();
    const QDate from(year, 1, 1);
    const QString month = db.dialect().monthOf(QStringLiteral("Fecha"));
    // Numbers are stored as text; they are compared as numbers here, so that "10" is above
    // "9" whatever the engine's collation, and the markers of lines outside any voucher
    // ("-") drop out.
    PostedNumbers highest;
    for (const QSqlRecord &r :
         db.rows(QStringLiteral("SELECT DISTINCT TipoComprobante, %1, NumeroComprobante "
                                "FROM MOVIMIENTO WHERE Empresa = ? AND Matriz = ? "
                                "AND Fecha >= ? AND Fecha < ?")
                     .arg(month),
                 {company.codigo, company.matriz, from, from.addYears(1)})) {
        bool ok = false;
        const int number = r.value(2).toString().trimmed().toInt(&ok);
        const int m = r.value(1).toInt();
        if (!ok || m < 1 || m > 12)
            continue;
        std::array<int, 13> &type = highest[r.value(0).toString()];
        type[0] = std::max(type[0], number);
        type[size_t(m)] = std::max(type[size_t(m)], number);
    }
    return highest;
}

int VoucherCounters::highestPostedBefore(const Company &company, const QString &type,
                                         int year) const
{
    int highest = 0;
    for (const QSqlRecord &r : m_session.db().rows(
             QStringLiteral("SELECT DISTINCT NumeroComprobante FROM MOVIMIENTO WHERE Empresa = ? "
                            "AND Matriz = ? AND TipoComprobante = ? AND Fecha < ?"),
             {company.codigo, company.matriz, type, QDate(year, 1, 1)})) {
        bool ok = false;
        const int number = r.value(0).toString().trimmed().toInt(&ok);
        if (ok)
            highest = std::max(highest, number);
    }
    return highest;
}

namespace {
// The first counter of `row` that would issue a number already posted. Only the counter the
// type numbers from can do that: the continuous one, or each month's.
std::optional<VoucherCounters::Refusal> checkAgainstPosted(const VoucherCounterRow &row, int index,
                                                           const std::array<int, 13> &posted)
{
    if (row.continuo) {
        if (row.numeroContinuo < posted[0])
            return VoucherCounters::Refusal{index, 0, posted[0]};
        return std::nullopt;
    }
    for (int m = 1; m <= 12; ++m)
        if (row.meses[size_t(m - 1)] < posted[size_t(m)])
            return VoucherCounters::Refusal{index, m, posted[size_t(m)]};
    return std::nullopt;
}
} // namespace

void VoucherCounters::writeRow(const Company &company, int year, const VoucherCounterRow &row)
{
    Db &db = m_session.db();
    QVariantList values;
    for (int counter : row.meses)
        values << counter;
    values << (row.continuo ? 1 : 0) << row.numeroContinuo;
    QStringList assignments;
    for (const QString &c : counterColumns().split(QLatin1Char(',')))
        assignments << c + QStringLiteral(" = ?");
    // Updating in place takes the row's lock: an approval numbering with this counter right
    // now finishes first, and its number is then seen by the check that follows the writes.
    const int updated =
        db.exec(QStringLiteral("UPDATE CORRCOMPROBANTE SET %1 WHERE CodigoComprobante = ? "
                               "AND Empresa = ? AND Matriz = ? AND Ano = ?")
                    .arg(assignments.join(QStringLiteral(", "))),
                values + QVariantList{row.codigo, company.codigo, company.matriz, year});
    if (updated > 0)
        return;
    // The row went away since the grid was read (another workstation saved): write it anew.
    db.exec(QStringLiteral("INSERT INTO CORRCOMPROBANTE (%1,CodigoComprobante,Empresa,Matriz,Ano) "
                           "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)")
                .arg(counterColumns()),
            values + QVariantList{row.codigo, company.codigo, company.matriz, year});
}

VoucherCounters::Result VoucherCounters::save(const Company &company, int year,
                                              const std::vector<VoucherCounterRow> &rows,
                                              const Progress &progress)
{
    m_refusal.reset();
    if (company.codigo.trimmed().isEmpty() || rows.empty())
        return Result::NothingToSave;
    Db &db = m_session.db();
    Prompter &prompt = m_session.prompt();
    if (!OptionRights::MayUse(db, m_session.gUsuario, m_node, QStringLiteral("Guardar"))) {
        prompt.warning(OptionRights::NotAllowedText);
        return Result::NotAllowed;
    }
    try {
        Transaction tx(db);
        for (int i = 0; i < int(rows.size()); ++i) {
            writeRow(company, year, rows[size_t(i)]);
            if (progress)
                progress(i + 1, int(rows.size()));
        }
        PostedNumbers posted = highestPosted(company, year);
        // A continuous counter carries on from year to year, so the numbers it must stay
        // above include those posted with it in earlier years.
        for (const VoucherCounterRow &row : rows) {
            if (row.continuo) {
                int &highest = posted[row.codigo][0];
                highest = std::max(highest, highestPostedBefore(company, row.codigo, year));
            }
        }
        for (int i = 0; i < int(rows.size()) && !m_refusal; ++i)
            m_refusal =
                checkAgainstPosted(rows[size_t(i)], i, posted.value(rows[size_t(i)].codigo));
        if (m_refusal)
            throw CounterRefused{};
        tx.commit();
    } catch (const CounterRefused &) {
        prompt.warning(BelowPostedText + QString::number(m_refusal->posted));
        return Result::Refused;
    } catch (const DbError &e) {
        prompt.error(QStringLiteral("No se pudieron guardar los correlativos.\n") + e.userText());
        return Result::Failed;
    }
    return Result::Saved;
}
