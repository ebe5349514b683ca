#pragma once

#include "common/grid/GridColumn.h"
#include "common/grid/GridStatement.h"

#include <QAbstractTableModel>
#include <QSqlQuery>
#include <vector>

class Db;

// The rows of a grid, read from a statement a chunk at a time as the view scrolls, so that
// a catalogue of a hundred thousand third parties opens at once. It plays the part of the
// record set behind a grid: the statement, its columns and the rows read so far.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Roles beyond Qt's, so that delegates work on any model that offers them.
    enum Role {
        StateRole = Qt::UserRole + 1, // the number of a "Status" cell
        FormatRole,                   // the column's ColumnFormat, as an int
        ItemsRole,                    // the choices of a drop-down column
    };
    static constexpr int FetchChunk = 256;

    explicit GridModel(QObject *parent = nullptr);
    ~GridModel() override;

    // Runs `sql` with `params` bound in order and reads its first rows. Throws DbError.
    // The connection must outlive the model.
    void open(Db &db, const QString &sql, const QVariantList &params = {});
    bool isOpen() const { return m_db != nullptr; }
    Db *db() const { return m_db; }

    // Keeps the rows whose code or shown text columns start with `prefix`, ignoring case;
    // an empty prefix brings them all back. Runs the statement again.
    void setFilterPrefix(const QString &prefix);
    QString filterPrefix() const { return m_prefix; }
    // Orders the rows by `levels`; an empty list restores the statement's own order.
    void setSortLevels(const QList<SortLevel> &levels);
    QList<SortLevel> sortLevels() const { return m_sort; }
    QString sortText() const;

    const std::vector<GridColumn> &columns() const { return m_columns; }
    const GridColumn &column(int i) const { return m_columns.at(i); }
    // The column called `name`, ignoring case; -1 when there is none.
    int columnIndex(const QString &name) const;
    // ColumnFormat::Amount also makes the column's kind FieldKind::Amount.
    void setColumnFormat(int column, ColumnFormat format);
    void setColumnItems(int column, const QStringList &items);
    void setColumnEditable(int column, bool editable);

    // Rows the statement yields as it stands, read or not.
    int totalRows() const { return m_total; }
    bool allFetched() const { return m_atEnd; }
    // Reads rows until `row` is there; false when the statement has no such row.
    bool fetchUpTo(int row);
    void fetchAll();

    QVariant value(int row, int column) const;
    // A row as a lookup hands it back: every column as text, nulls as empty texts, flags
    // as "1" or "0" whatever the engine's type, amounts as "##0.00" with a point.
    QStringList rowTexts(int row) const;

    // Background of the cells from (row, column) to (row2, column2); `brush` is what the
    // view paints with (QColor or QBrush). A later block covers an earlier one.
    void setBlockBackground(int row, int column, int row2, int column2, const QVariant &brush);
    void clearBlockBackgrounds();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Readable headings; Qt::UserRole gives the column's own name.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent = {}) const override;
    void fetchMore(const QModelIndex &parent = {}) override;

private:
    struct Block
    {
        int row, column, row2, column2;
        QVariant brush;
    };

    void execute();
    static std::vector<QVariantList> readRows(QSqlQuery &query, int width, int count, bool &atEnd);

    Db *m_db = nullptr;
    QString m_sql;
    QVariantList m_params;
    QString m_prefix;
    QList<SortLevel> m_sort;
    std::vector<GridColumn> m_columns;
    QSqlQuery m_query;
    std::vector<QVariantList> m_rows;
    int m_total = 0;
    bool m_atEnd = true;
    std::vector<Block> m_blocks;
};
