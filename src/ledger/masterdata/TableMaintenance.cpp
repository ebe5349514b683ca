#include "ledger/masterdata/TableMaintenance.h"

#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "common/report/ReportHeading.h"
#include "ledger/masterdata/MasterDataTexts.h"
#include "platform/Db.h"
#include "platform/Transaction.h"

namespace {

// Amounts are typed with the workstation's separators ("1.234,50" in Venezuela) or with
// either separator and no grouping ("1234,5", "1234.5"); both are read exactly.
template <typename Number>
std::optional<Number> readNumber(const QString &text, const QLocale &locale)
{
    if (auto n = Number::parse(text, locale))
        return n;
    return Number::parseTyped(text);
}

} // namespace

TableMaintenance::TableMaintenance(Session &session, MaintainedTable table)
    : m_session(session)
    , m_table(std::move(table))
{
}

TableMaintenance::~TableMaintenance() = default;

Db &TableMaintenance::db() const
{
    return m_session.db();
}

QString TableMaintenance::hiddenRowsCondition(const QString &alias) const
{
    QStringList hidden = m_table.reservedCodes;
    if (m_table.hasPlaceholder)
        hidden.prepend(QStringLiteral("*"));
    if (hidden.isEmpty())
        return {};
    // The codes come from the table's description, never from what a user typed.
    for (QString &code : hidden)
        code = QLatin1Char('\'') + code + QLatin1Char('\'');
    const QString prefix = alias.isEmpty() ? QString() : alias + QLatin1Char('.');
    return prefix + QStringLiteral("%1 NOT IN (%2)")
                        .arg(m_table.codeField().column, hidden.join(QStringLiteral(", ")));
}

QString TableMaintenance::listQuery() const
{
    const QString where = hiddenRowsCondition();
    return QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4")
        .arg(m_table.columns().join(QStringLiteral(", ")), m_table.table,
             where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where,
             m_table.codeField().column);
}

std::vector<TableMaintenance::ListRow> TableMaintenance::list() const
{
    std::vector<ListRow> result;
    for (const QSqlRecord &r : db().rows(listQuery()))
        result.push_back({r.value(0).toString(), r.value(1).toString()});
    return result;
}

std::optional<MasterRecord> TableMaintenance::load(const QString &code) const
{
    const QString where = hiddenRowsCondition();
    const auto rows =
        db().rows(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?%4")
                      .arg(m_table.columns().join(QStringLiteral(", ")), m_table.table,
                           m_table.codeField().column,
                           where.isEmpty() ? QString() : QStringLiteral(" AND ") + where),
                  {code});
    if (rows.empty())
        return std::nullopt;
    MasterRecord record;
    for (int i = 0; i < int(m_table.fields.size()); ++i) {
        const MaintainedField &f = m_table.fields[size_t(i)];
        const QVariant v = rows.front().value(i);
        switch (f.kind) {
        case MasterFieldKind::Flag:
            record.set(f.column, v.toInt() != 0 ? 1 : 0);
            break;
        case MasterFieldKind::Choice:
            record.set(f.column, f.boundToTable() ? QVariant(v.toString()) : QVariant(v.toInt()));
            break;
        case MasterFieldKind::Money:
            record.set(f.column, QVariant::fromValue(Money::fromSql(v)));
            break;
        case MasterFieldKind::Rate:
            record.set(f.column, QVariant::fromValue(Rate::fromSql(v)));
            break;
        case MasterFieldKind::Text:
            record.set(f.column, v.toString());
            break;
        }
    }
    return record;
}

std::vector<std::pair<QString, QString>>
TableMaintenance::tableChoices(const MaintainedField &field) const
{
    std::vector<std::pair<QString, QString>> result;
    if (!field.boundToTable())
        return result;
    for (const QSqlRecord &r : db().rows(field.choicesQuery))
        result.emplace_back(r.value(0).toString(), r.value(1).toString());
    return result;
}

bool TableMaintenance::refuse(const QString &text, bool exclamation)
{
    if (exclamation)
        m_session.prompt().warning(text);
    else
        m_session.prompt().info(text);
    return false;
}

bool TableMaintenance::allowed(const QString &operation) const
{
    return OptionRights::MayUse(db(), m_session.gUsuario, m_table.node, operation);
}

std::optional<QString> TableMaintenance::readFields(MasterRecord &record) const
{
    Prompter &prompt = m_session.prompt();
    for (const MaintainedField &f : m_table.fields) {
        const QVariant v = record.value(f.column);
        switch (f.kind) {
        case MasterFieldKind::Text: {
            QString text = v.toString().trimmed();
            if (f.upperOnSave)
                text = text.toUpper();
            record.set(f.column, text);
            if (f.required && text.isEmpty()) {
                prompt.warning(MasterDataTexts::Required(f.caption));
                return f.column;
            }
            break;
        }
        case MasterFieldKind::Flag:
            record.set(f.column, v.toInt() != 0 ? 1 : 0);
            break;
        case MasterFieldKind::Choice:
            if (f.boundToTable()) {
                record.set(f.column, v.toString().trimmed());
                if (f.required && record.text(f.column).isEmpty()) {
                    prompt.warning(MasterDataTexts::Required(f.caption));
                    return f.column;
                }
            } else {
                const int value = v.isValid() ? v.toInt() : f.defaultChoice;
                const bool known =
                    std::any_of(f.choices.begin(), f.choices.end(),
                                [value](const FieldChoice &c) { return c.value == value; });
                if (!known) {
                    prompt.warning(MasterDataTexts::Required(f.caption));
                    return f.column;
                }
                record.set(f.column, value);
            }
            break;
        case MasterFieldKind::Money:
        case MasterFieldKind::Rate: {
            const bool isMoney = f.kind == MasterFieldKind::Money;
            if (v.metaType() ==
                (isMoney ? QMetaType::fromType<Money>() : QMetaType::fromType<Rate>()))
                break;
            const QString text = v.toString().trimmed();
            if (text.isEmpty()) {
                if (f.required) {
                    prompt.warning(MasterDataTexts::Required(f.caption));
                    return f.column;
                }
                record.set(f.column,
                           isMoney ? QVariant::fromValue(Money()) : QVariant::fromValue(Rate()));
                break;
            }
            QVariant number;
            if (isMoney) {
                if (auto m = readNumber<Money>(text, m_locale))
                    number = QVariant::fromValue(*m);
            } else if (auto r = readNumber<Rate>(text, m_locale)) {
                number = QVariant::fromValue(*r);
            }
            if (!number.isValid()) {
                prompt.warning(MasterDataTexts::NotNumeric(f.caption));
                return f.column;
            }
            record.set(f.column, number);
            break;
        }
        }
    }
    return std::nullopt;
}

std::optional<QString> TableMaintenance::checkRules(MasterRecord &, Mode)
{
    return std::nullopt;
}

TableMaintenance::Outcome TableMaintenance::save(MasterRecord &record, Mode mode)
{
    if (!allowed(mode == Mode::New ? QStringLiteral("Nuevo") : QStringLiteral("Modificar")) ||
        !allowed(QStringLiteral("Guardar"))) {
        refuse(OptionRights::NotAllowedText);
        return {};
    }
    if (auto failed = readFields(record))
        return {false, *failed};
    if (auto failed = checkRules(record, mode))
        return {false, *failed};

    const QString codeColumn = m_table.codeField().column;
    const QString code = record.text(codeColumn);
    if (mode == Mode::New && codeExists(code)) {
        tellWriteFailed(mode, true);
        return {false, codeColumn};
    }
    try {
        write(record, mode);
    } catch (const DbError &) {
        // Another workstation may have taken the code since the check above.
        tellWriteFailed(mode, mode == Mode::New && codeExists(code));
        return {false, codeColumn};
    }
    return {true, {}};
}

void TableMaintenance::tellWriteFailed(Mode, bool duplicate)
{
    refuse(duplicate ? MasterDataTexts::Duplicate : MasterDataTexts::NotSaved, false);
}

QVariant TableMaintenance::sqlValue(const MaintainedField &f, const MasterRecord &record) const
{
    switch (f.kind) {
    case MasterFieldKind::Flag:
        return record.number(f.column);
    case MasterFieldKind::Choice:
        return f.boundToTable() ? QVariant(record.text(f.column))
                                : QVariant(record.number(f.column));
    case MasterFieldKind::Money:
        return record.money(f.column).toSql();
    case MasterFieldKind::Rate:
        return record.rate(f.column).toSql();
    case MasterFieldKind::Text:
        break;
    }
    return record.text(f.column);
}

void TableMaintenance::write(const MasterRecord &record, Mode mode)
{
    Db &d = db();
    Transaction tx(d);
    QVariantList values;
    if (mode == Mode::New) {
        for (const MaintainedField &f : m_table.fields)
            values << sqlValue(f, record);
        d.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                   .arg(m_table.table, m_table.columns().join(QStringLiteral(", ")),
                        QStringList(values.size(), QStringLiteral("?")).join(QStringLiteral(", "))),
               values);
    } else {
        QStringList assignments;
        for (size_t i = 1; i < m_table.fields.size(); ++i) {
            assignments << m_table.fields[i].column + QStringLiteral(" = ?");
            values << sqlValue(m_table.fields[i], record);
        }
        values << record.text(m_table.codeField().column);
        const QString where = hiddenRowsCondition();
        const int changed =
            d.exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?%4")
                       .arg(m_table.table, assignments.join(QStringLiteral(", ")),
                            m_table.codeField().column,
                            where.isEmpty() ? QString() : QStringLiteral(" AND ") + where),
                   values);
        if (changed == 0)
            throw DbError(QStringLiteral("El registro ya no existe"));
    }
    afterWrite(record, mode);
    tx.commit();
}

bool TableMaintenance::codeExists(const QString &code) const
{
    return db().exists(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?")
                           .arg(m_table.table, m_table.codeField().column),
                       {code});
}

bool TableMaintenance::inUse(const QString &code) const
{
    for (const CodeUse &use : m_table.usedBy)
        if (db().exists(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(use.table, use.column),
                        {code}))
            return true;
    return false;
}

bool TableMaintenance::remove(const QString &code)
{
    try {
        if (!allowed(QStringLiteral("Eliminar")) || inUse(code))
            return false;
        const QString where = hiddenRowsCondition();
        Transaction tx(db());
        const int deleted = db().exec(
            QStringLiteral("DELETE FROM %1 WHERE %2 = ?%3")
                .arg(m_table.table, m_table.codeField().column,
                     where.isEmpty() ? QString() : QStringLiteral(" AND ") + where),
            {code});
        tx.commit();
        return deleted > 0;
    } catch (const DbError &) {
        // Rows of other tables still point to it: the keys keep it, which is the answer.
        return false;
    }
}

ReportQuery TableMaintenance::listingQuery(const QString &) const
{
    const TableListing &l = m_table.listing;
    QString select = QStringLiteral("SELECT ") + ReportHeadingColumns() +
                     QStringLiteral(", CAST(? AS TEXT) AS Tabla, C.Codigo AS Codigo");
    QVariantList params = ReportHeadingParameters(m_session);
    params << l.heading;
    for (int i = 1; i <= l.pairs; ++i) {
        const bool used = i <= int(l.columns.size());
        select += QStringLiteral(", CAST(? AS TEXT) AS Etiqueta%1, %2 AS Valor%1")
                      .arg(i)
                      .arg(used ? QStringLiteral("C.") + l.columns[size_t(i - 1)].second
                                : QStringLiteral("0"));
        params << (used ? l.columns[size_t(i - 1)].first : QString());
    }
    const QString where = hiddenRowsCondition(QStringLiteral("C"));
    select +=
        QStringLiteral(" FROM %1 C%2 ORDER BY C.Codigo")
            .arg(m_table.table, where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where);
    return {select, params};
}

ReportOutcome TableMaintenance::print(ReportOutput &output, const QString &currentCode)
{
    if (!allowed(QStringLiteral("Imprimir"))) {
        refuse(OptionRights::NotAllowedText);
        return ReportOutcome::Failed;
    }
    const TableListing &l = m_table.listing;
    return RunReport(m_session, output, listingQuery(currentCode),
                     m_session.gRutaReporte + QStringLiteral("\\") + l.reportFile, l.title, 0, 1,
                     QString(), true, 1, QString());
}
