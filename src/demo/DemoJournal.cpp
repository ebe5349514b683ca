#include "demo/DemoJournal.h"

#include "platform/Db.h"
#include "schema/BalanceStore.h"
#include "vouchers/VoucherPosting.h"
#include "vouchers/entry/LineTax.h"

#include <algorithm>
#include <stdexcept>

namespace DemoBooks {

Draft &Draft::add(const QString &account, Money amount, const QString &party,
                  const QString &documentType, const QString &document,
                  const QString &retentionConcept)
{
    lastAdded = !amount.isZero();
    if (lastAdded)
        entries.push_back({account, amount, party, documentType, document, retentionConcept, {}});
    return *this;
}

Draft &Draft::describe(const QString &text)
{
    if (lastAdded)
        entries.back().description = text;
    return *this;
}

Money Draft::difference() const
{
    Money total;
    for (const Entry &e : entries)
        total += e.amount;
    return total;
}

DemoJournal::DemoJournal(Db &db, QString user)
    : m_db(db)
    , m_user(std::move(user))
{
    load();
}

void DemoJournal::load()
{
    for (const QSqlRecord &r : m_db.rows(QStringLiteral(
             "SELECT Codigo, ManejaTerc, ManejaDoc, Centrodecosto, CuentaRetIVA, TerceroBanco, "
             "Depreciable, CuentaGastos, CuentaDepAcumulada FROM CUENTACONTABLE "
             "WHERE EsPadre = 0 ORDER BY Codigo"))) {
        AccountRules &a = m_accounts[r.value(0).toString()];
        a.party = r.value(1).toInt() == 1;
        a.document = r.value(2).toInt() == 1;
        a.centres = r.value(3).toInt() == 1;
        a.ivaRetention = r.value(4).toString().trimmed();
        a.bankParty = r.value(5).toString().trimmed();
        if (r.value(6).toInt() == 1)
            m_depreciables.push_back(
                {r.value(0).toString(), r.value(7).toString(), r.value(8).toString()});
    }
    // Ordered by centre: the last share takes what the rounding of the others leaves.
    for (const QSqlRecord &r : m_db.rows(QStringLiteral(
             "SELECT CodigoCuenta, CodigoCentroCosto, Porcentaje FROM CUENTACENTROCOSTO "
             "ORDER BY CodigoCuenta, CodigoCentroCosto")))
        m_accounts[r.value(0).toString()].shares.emplace_back(r.value(1).toString(),
                                                              Rate::fromSql(r.value(2)));
    for (const QSqlRecord &r :
         m_db.rows(QStringLiteral("SELECT CodigoCuenta, MIN(CodigoConcepto) FROM CUENTACONCEPTORET "
                                  "GROUP BY CodigoCuenta")))
        m_accounts[r.value(0).toString()].retentionConcept = r.value(1).toString();
    for (const QSqlRecord &r : m_db.rows(QStringLiteral(
             "SELECT Codigo, BasePJ, BasePN, PorcentajePJ, PorcentajePN, DeduccionPJ, "
             "DeduccionPN, CuentaRetencionPJ, CuentaRetencionPN FROM CONCEPTORET")))
        m_concepts[r.value(0).toString()] = {Rate::fromSql(r.value(1)),  Rate::fromSql(r.value(2)),
                                             Rate::fromSql(r.value(3)),  Rate::fromSql(r.value(4)),
                                             Money::fromSql(r.value(5)), Money::fromSql(r.value(6)),
                                             r.value(7).toString(),      r.value(8).toString()};
    for (const QSqlRecord &r : m_db.rows(QStringLiteral(
             "SELECT Codigo, TipoPersona, SujetoAReteFuente, SujetoAReteIVA, TipoRegimen "
             "FROM TERCERO")))
        m_parties[r.value(0).toString()] = {r.value(1).toInt() != 0, r.value(2).toInt() == 1,
                                            r.value(3).toInt() == 1,
                                            r.value(4).toString() == QLatin1String("02")};
    m_ivaRetention = Rate::fromSql(m_db.scalar(QStringLiteral("SELECT PorcRetIVA FROM PARAMETRO")));
    const auto rates = m_db.rows(QStringLiteral(
        "SELECT Impuesto, Impuesto2 FROM VARIACIONIMPUESTO ORDER BY FechaDesde DESC"));
    if (!rates.empty()) {
        m_generalRate = Rate::fromSql(rates.front().value(0));
        m_reducedRate = Rate::fromSql(rates.front().value(1));
    }
}

const DemoJournal::AccountRules &DemoJournal::rules(const QString &account) const
{
    const auto found = m_accounts.find(account);
    if (found == m_accounts.end())
        throw std::logic_error("demo: no detail account " + account.toStdString());
    return found->second;
}

DemoJournal::Retention DemoJournal::incomeTaxRetention(const QString &account, const QString &party,
                                                       Money base) const
{
    const AccountRules &a = rules(account);
    const auto p = m_parties.find(party);
    const auto c = m_concepts.find(a.retentionConcept);
    if (a.retentionConcept.isEmpty() || p == m_parties.end() || !p->second.incomeTax ||
        c == m_concepts.end())
        return {};
    const bool natural = p->second.natural;
    const Concept &k = c->second;
    // The same rule as a retention line typed in voucher entry.
    const RetentionTerms terms{natural ? k.baseNatural : k.baseLegal,
                               natural ? k.deductionNatural : k.deductionLegal,
                               natural ? k.rateNatural : k.rateLegal,
                               natural ? k.accountNatural : k.accountLegal};
    const Money tax = LineTax::retention(base, terms, false, {});
    if (tax.isNegative() || tax.isZero())
        return {};
    return {tax, a.retentionConcept, natural ? k.accountNatural : k.accountLegal};
}

bool DemoJournal::subjectToIvaRetention(const QString &party) const
{
    const auto p = m_parties.find(party);
    return p != m_parties.end() && p->second.iva;
}

bool DemoJournal::specialTaxpayer(const QString &party) const
{
    const auto p = m_parties.find(party);
    return p != m_parties.end() && p->second.special;
}

QString DemoJournal::ivaRetentionAccount(const QString &ivaAccount) const
{
    return rules(ivaAccount).ivaRetention;
}

QString DemoJournal::bankParty(const QString &bankAccount) const
{
    return rules(bankAccount).bankParty;
}

std::vector<PostingLine> DemoJournal::lines(const Draft &draft) const
{
    std::vector<PostingLine> lines;
    int group = 0;
    for (const Draft::Entry &e : draft.entries) {
        const AccountRules &a = rules(e.account);
        const auto missing = [&](const char *what) {
            return std::logic_error("demo: " + e.account.toStdString() + " needs " + what + " (" +
                                    draft.description.toStdString() + ")");
        };
        PostingLine line;
        line.cuenta = e.account;
        line.fecha = draft.date;
        line.descripcion = e.description.isEmpty() ? draft.description : e.description;
        line.grupoLinea = ++group;
        line.porcentajeImpuesto = m_generalRate;
        line.porcentajeImpuesto2 = m_reducedRate;
        line.conceptoRetencion = e.retentionConcept;
        // Only the fields the account asks for, as voucher entry enables them.
        if (a.party) {
            if (e.party == QLatin1String("*") || e.party.isEmpty())
                throw missing("a third party");
            line.tercero = e.party;
        }
        // Opening balances carry documents only where they are open items, as the closing
        // writes them.
        const bool opening = draft.type == BalanceStore::OpeningVoucherType;
        if (a.document && !(opening && e.documentType == QLatin1String("*"))) {
            if (e.documentType == QLatin1String("*") || e.document.isEmpty())
                throw missing("a document");
            line.tipoDocumento = e.documentType;
            line.documento = e.document;
            line.fechaDoc = draft.date;
        }
        std::vector<std::pair<QString, Money>> parts{{QStringLiteral("*"), e.amount.abs()}};
        if (a.centres && !a.shares.empty()) {
            std::vector<Rate> percentages;
            for (const auto &share : a.shares)
                percentages.push_back(share.second);
            const std::vector<Money> split = Money::costCentreSplit(e.amount.abs(), percentages);
            parts.clear();
            for (std::size_t i = 0; i < split.size(); ++i)
                parts.emplace_back(a.shares[i].first, split[i]);
        }
        for (const auto &[centre, amount] : parts) {
            if (amount.isZero())
                continue;
            PostingLine part = line;
            part.centroCosto = centre;
            (e.amount.isNegative() ? part.valorCredito : part.valorDebito) = amount;
            lines.push_back(part);
        }
    }
    return lines;
}

void DemoJournal::queue(const Draft &draft)
{
    if (!draft.difference().isZero())
        throw std::logic_error("demo: unbalanced voucher " + draft.description.toStdString());
    if (draft.entries.empty())
        return;
    const QString &company = draft.office->company;
    Queued q{draft.date, company, draft.office->headOffice, draft.type, lines(draft)};
    for (const PostingLine &l : q.lines) {
        const Money amount = l.valorDebito - l.valorCredito;
        m_balances[{company, l.cuenta}] += amount;
        m_movements[{company, l.cuenta}][l.fecha] += amount;
        const ItemKey key{company, l.cuenta, l.tercero, l.tipoDocumento, l.documento};
        auto found = m_items.find(key);
        if (found == m_items.end())
            found = m_items
                        .emplace(key, OpenItem{l.cuenta, l.tercero, l.tipoDocumento, l.documento,
                                               Money(), l.fecha})
                        .first;
        found->second.balance += amount;
        // Settled items are forgotten, so the searches stay short.
        if (found->second.balance.isZero())
            m_items.erase(found);
    }
    m_queued.push_back(std::move(q));
}

int DemoJournal::post(QDate until)
{
    std::stable_sort(m_queued.begin(), m_queued.end(),
                     [](const Queued &a, const Queued &b) { return a.date < b.date; });
    VoucherPosting posting(m_db);
    int posted = 0;
    for (const Queued &q : m_queued) {
        if (q.date > until)
            break;
        const auto outcome =
            posting.post(VoucherToPost{q.company, q.headOffice, q.type, m_user, q.lines});
        if (!outcome.posted())
            throw DbError(
                QStringLiteral("La demostración no pudo contabilizar un comprobante "
                               "%1 del %2: %3")
                    .arg(q.type, q.date.toString(QStringLiteral("dd/MM/yyyy")), outcome.message()));
        ++posted;
    }
    m_queued.clear();
    return posted;
}

std::vector<OpenItem> DemoJournal::openItems(const QString &company, const QStringList &prefixes,
                                             QDate until) const
{
    std::vector<OpenItem> found;
    for (auto it = m_items.lower_bound(ItemKey{company, {}, {}, {}, {}});
         it != m_items.end() && std::get<0>(it->first) == company; ++it) {
        const OpenItem &item = it->second;
        if (item.date > until)
            continue;
        if (std::any_of(prefixes.cbegin(), prefixes.cend(),
                        [&](const QString &p) { return item.account.startsWith(p); }))
            found.push_back(item);
    }
    return found;
}

Money DemoJournal::balance(const QString &company, const QString &account) const
{
    const auto found = m_balances.find({company, account});
    return found == m_balances.end() ? Money() : found->second;
}

Money DemoJournal::lowestFrom(const QString &company, const QString &account, QDate from) const
{
    const auto found = m_movements.find({company, account});
    if (found == m_movements.end())
        return {};
    Money running;
    auto it = found->second.begin();
    for (; it != found->second.end() && it->first <= from; ++it)
        running += it->second;
    Money lowest = running;
    for (; it != found->second.end(); ++it) {
        running += it->second;
        lowest = std::min(lowest, running);
    }
    return lowest;
}

} // namespace DemoBooks
