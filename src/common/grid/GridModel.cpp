#include "common/grid/GridModel.h"

#include "common/grid/ColumnHeadings.h"

#include "common/Money.h"
#include "platform/Db.h"

#include <QLocale>

#include <QSqlField>

namespace {

// Opens the statement for reading a chunk at a time. On SQLite the statement stays open
// and steps only as far as the view has scrolled. PostgreSQL drops the unread rows of a
// forward-only result as soon as any other statement runs on the connection, which every
// window shares; there libpq keeps the whole result on the client, and rows still become
// values only as they are read.
QString engineText(const QSqlError &error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.driverText().trimmed() : text;
}

QSqlQuery openCursor(Db &db, const GridStatement &statement)
{
    QSqlQuery query(db.handle());
    const bool postgres = db.engine() == Engine::Postgres;
    query.setForwardOnly(!postgres);
    if (postgres)
        query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!query.prepare(statement.sql))
        throw DbError(QStringLiteral("Error al preparar la sentencia"), statement.sql,
                      engineText(query.lastError()));
    for (int i = 0; i < statement.params.size(); ++i)
        query.bindValue(i, statement.params.at(i));
    if (!query.exec())
        throw DbError(QStringLiteral("Error al ejecutar la sentencia"), statement.sql,
                      engineText(query.lastError()));
    return query;
}

bool truthy(const QVariant &v)
{
    if (v.typeId() == QMetaType::QString)
        return !v.toString().trimmed().isEmpty() && v.toString().trimmed() != QLatin1String("0") &&
               v.toString().compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
    return v.toBool();
}

QDate dateOf(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    // SQLite keeps dates as ISO text, times included for date-times.
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}

} // namespace

GridModel::GridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

GridModel::~GridModel() = default;

void GridModel::open(Db &db, const QString &sql, const QVariantList &params)
{
    m_db = &db;
    m_sql = sql;
    m_params = params;
    m_prefix.clear();
    m_sort.clear();
    m_columns.clear();
    m_blocks.clear();
    execute();
}

void GridModel::setFilterPrefix(const QString &prefix)
{
    if (!m_db || prefix == m_prefix)
        return;
    m_prefix = prefix;
    execute();
}

void GridModel::setSortLevels(const QList<SortLevel> &levels)
{
    if (!m_db)
        return;
    m_sort = levels;
    execute();
}

QString GridModel::sortText() const
{
    return m_db ? SortText(m_db->dialect(), m_columns, m_sort) : QString();
}

void GridModel::execute()
{
    // Let go of the previous result before the next statement runs on the connection.
    m_query.finish();
    m_atEnd = true;
    const GridStatement statement =
        GridStatement::build(m_db->dialect(), m_sql, m_params, m_columns, m_prefix, m_sort);
    QSqlQuery query = openCursor(*m_db, statement);
    std::vector<GridColumn> columns = m_columns;
    if (columns.empty()) {
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            columns.push_back(
                GridColumn::fromField(record.fieldName(i), record.field(i).metaType()));
    }
    bool atEnd = false;
    std::vector<QVariantList> first = readRows(query, int(columns.size()), FetchChunk, atEnd);
    int total = int(first.size());
    if (!atEnd)
        total = query.size() >= 0
                    ? query.size()
                    : m_db->scalar(GridStatement::countOf(statement.sql), statement.params).toInt();

    beginResetModel();
    m_query = std::move(query);
    m_columns = std::move(columns);
    m_rows = std::move(first);
    m_atEnd = atEnd;
    m_total = total;
    endResetModel();
}

std::vector<QVariantList> GridModel::readRows(QSqlQuery &query, int width, int count, bool &atEnd)
{
    std::vector<QVariantList> rows;
    if (atEnd)
        return rows;
    rows.reserve(count);
    while (int(rows.size()) < count) {
        if (!query.next()) {
            atEnd = true;
            query.finish();
            break;
        }
        QVariantList row;
        row.reserve(width);
        for (int c = 0; c < width; ++c)
            row << query.value(c);
        rows.push_back(std::move(row));
    }
    return rows;
}

bool GridModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_atEnd;
}

void GridModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    std::vector<QVariantList> more = readRows(m_query, int(m_columns.size()), FetchChunk, m_atEnd);
    if (more.empty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(more.size()) - 1);
    for (QVariantList &row : more)
        m_rows.push_back(std::move(row));
    endInsertRows();
    // Someone may have added rows since they were counted.
    m_total = std::max(m_total, int(m_rows.size()));
}

bool GridModel::fetchUpTo(int row)
{
    while (row >= int(m_rows.size()) && !m_atEnd)
        fetchMore();
    return row >= 0 && row < int(m_rows.size());
}

void GridModel::fetchAll()
{
    while (!m_atEnd)
        fetchMore();
}

int GridModel::columnIndex(const QString &name) const
{
    for (int i = 0; i < int(m_columns.size()); ++i)
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void GridModel::setColumnFormat(int column, ColumnFormat format)
{
    if (column < 0 || column >= int(m_columns.size()))
        return;
    m_columns[column].format = format;
    // An amount stays an amount for searches, whatever the engine's integer type says.
    if (format == ColumnFormat::Amount)
        m_columns[column].kind = FieldKind::Amount;
    if (!m_rows.empty())
        emit dataChanged(index(0, column), index(int(m_rows.size()) - 1, column));
}

void GridModel::setColumnItems(int column, const QStringList &items)
{
    if (column >= 0 && column < int(m_columns.size()))
        m_columns[column].items = items;
}

void GridModel::setColumnEditable(int column, bool editable)
{
    if (column >= 0 && column < int(m_columns.size()))
        m_columns[column].editable = editable;
}

QVariant GridModel::value(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= int(m_columns.size()))
        return {};
    return m_rows[row].at(column);
}

QStringList GridModel::rowTexts(int row) const
{
    QStringList texts;
    for (int c = 0; c < int(m_columns.size()); ++c) {
        const QVariant v = value(row, c);
        if (v.isNull())
            texts << QString();
        else if (v.typeId() == QMetaType::Bool)
            texts << (v.toBool() ? QStringLiteral("1") : QStringLiteral("0"));
        else if (m_columns[c].kind == FieldKind::Amount)
            texts << Money::fromSql(v).toPlainString();
        else
            texts << v.toString();
    }
    return texts;
}

void GridModel::setBlockBackground(int row, int column, int row2, int column2,
                                   const QVariant &brush)
{
    m_blocks.push_back({std::min(row, row2), std::min(column, column2), std::max(row, row2),
                        std::max(column, column2), brush});
    const int lastRow = std::min(std::max(row, row2), int(m_rows.size()) - 1);
    const int lastColumn = std::min(std::max(column, column2), int(m_columns.size()) - 1);
    if (lastRow >= 0 && lastColumn >= 0)
        emit dataChanged(
            index(std::max(0, std::min(row, row2)), std::max(0, std::min(column, column2))),
            index(lastRow, lastColumn), {Qt::BackgroundRole});
}

void GridModel::clearBlockBackgrounds()
{
    m_blocks.clear();
    if (!m_rows.empty() && !m_columns.empty())
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, int(m_columns.size()) - 1),
                         {Qt::BackgroundRole});
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    const GridColumn &c = m_columns.at(index.column());
    const QVariant &v = m_rows[index.row()].at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (v.isNull() || c.format == ColumnFormat::CheckBox)
            return {};
        if (c.format == ColumnFormat::Date) {
            const QDate date = dateOf(v);
            return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : v.toString();
        }
        if (c.format == ColumnFormat::Amount)
            return Money::fromSql(v).format(QLocale());
        if (v.typeId() == QMetaType::Bool)
            return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        return v.toString();
    case Qt::EditRole:
        if (c.format == ColumnFormat::Date)
            return dateOf(v);
        return v;
    case Qt::CheckStateRole:
        if (c.format != ColumnFormat::CheckBox)
            return {};
        return truthy(v) ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        if (c.status || c.format == ColumnFormat::CheckBox)
            return int(Qt::AlignCenter);
        if (c.format == ColumnFormat::Number || c.format == ColumnFormat::Amount)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::BackgroundRole:
        for (auto b = m_blocks.rbegin(); b != m_blocks.rend(); ++b)
            if (index.row() >= b->row && index.row() <= b->row2 && index.column() >= b->column &&
                index.column() <= b->column2)
                return b->brush;
        return {};
    case StateRole:
        if (!c.status || v.isNull())
            return {};
        return v.toInt();
    case FormatRole:
        return int(c.format);
    case ItemsRole:
        return c.items;
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return false;
    const GridColumn &c = m_columns.at(index.column());
    if (!c.editable)
        return false;
    QVariant &cell = m_rows[index.row()][index.column()];
    if (role == Qt::CheckStateRole && c.format == ColumnFormat::CheckBox) {
        const bool on = value.toInt() == Qt::Checked;
        cell = c.kind == FieldKind::Boolean ? QVariant(on) : QVariant(on ? 1 : 0);
    } else if (role == Qt::EditRole) {
        cell = value;
    } else {
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const GridColumn &c = m_columns.at(index.column());
    if (c.editable)
        f |= c.format == ColumnFormat::CheckBox ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
    return f;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::UserRole && orientation == Qt::Horizontal && section >= 0 &&
        section < int(m_columns.size()))
        return m_columns[section].name;
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < int(m_columns.size())
                   ? QVariant(ColumnHeadings::forColumn(m_columns[section].name))
                   : QVariant();
    return section + 1;
}
