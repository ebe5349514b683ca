#pragma once

#include "common/report/RunReport.h"
#include "ledger/masterdata/MaintainedTable.h"
#include "ledger/masterdata/MasterRecord.h"

#include <QLocale>
#include <optional>
#include <vector>

class Db;
class ReportOutput;
struct Session;

// The maintenance window pattern without the window: the list of a small master table,
// one row read by its code, the checks before a save in a fixed order (the first failure
// is told to the user and stops), insert or update, delete, and the printed listing.
// Tables with rules of their own derive from it; simple code tables only describe
// themselves.
class TableMaintenance
{
public:
    enum class Mode { New, Modify };

    // A refused save names the column whose field should get the focus.
    struct Outcome
    {
        bool saved = false;
        QString field;
    };

    struct ListRow
    {
        QString code;
        QString name;
    };

    TableMaintenance(Session &session, MaintainedTable table);
    virtual ~TableMaintenance();
    TableMaintenance(const TableMaintenance &) = delete;
    TableMaintenance &operator=(const TableMaintenance &) = delete;

    const MaintainedTable &table() const { return m_table; }
    Session &session() const { return m_session; }
    // Separators used to read typed amounts; the workstation's by default.
    void setLocale(const QLocale &locale) { m_locale = locale; }
    const QLocale &locale() const { return m_locale; }

    // Every row but the placeholder, in code order: the statement behind the search.
    virtual QString listQuery() const;
    std::vector<ListRow> list() const;
    // The row with `code`; nullopt for an unknown code and for the placeholder.
    std::optional<MasterRecord> load(const QString &code) const;
    // The choices of a field bound to a table, in the table's order.
    std::vector<std::pair<QString, QString>> tableChoices(const MaintainedField &field) const;

    // Reads and checks `record` and writes it. The record is left as stored (trimmed,
    // upper-cased, amounts read) or, after a refusal, with whatever the checks cleared.
    Outcome save(MasterRecord &record, Mode mode);
    // True when the row is gone; a row the database keeps (in use, unknown) gives false
    // and no message.
    bool remove(const QString &code);
    // The listing of the table (or of the shown row, for tables that print one), previewed.
    ReportOutcome print(ReportOutput &output, const QString &currentCode);

protected:
    // Checks of the table after the required fields, in their order; the column of the
    // field at fault when one refuses (the user has been told).
    virtual std::optional<QString> checkRules(MasterRecord &record, Mode mode);
    // Whether the user may do `operation` ("Nuevo", "Modificar", "Guardar", "Eliminar",
    // "Imprimir") here.
    virtual bool allowed(const QString &operation) const;
    virtual ReportQuery listingQuery(const QString &currentCode) const;
    // The text for the user when a write failed; the code is known to be new when `mode`
    // is New and no row has it.
    virtual void tellWriteFailed(Mode mode, bool duplicate);
    // Further rows a save writes, inside the same transaction as the row itself.
    virtual void afterWrite(const MasterRecord &record, Mode mode)
    {
        Q_UNUSED(record);
        Q_UNUSED(mode);
    }

    Db &db() const;
    QString hiddenRowsCondition(const QString &alias = {}) const;
    bool refuse(const QString &text, bool exclamation = true);

private:
    std::optional<QString> readFields(MasterRecord &record) const;
    void write(const MasterRecord &record, Mode mode);
    bool codeExists(const QString &code) const;
    bool inUse(const QString &code) const;
    QVariant sqlValue(const MaintainedField &field, const MasterRecord &record) const;

    Session &m_session;
    MaintainedTable m_table;
    QLocale m_locale;
};
