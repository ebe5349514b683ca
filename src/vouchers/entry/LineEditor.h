#pragma once

#include "vouchers/WorkAreaApproval.h"
#include "vouchers/entry/EntryLine.h"
#include "vouchers/entry/EntryLookups.h"
#include "vouchers/entry/EntryTotals.h"
#include "vouchers/entry/LineValidation.h"
#include "vouchers/entry/LineWriter.h"
#include "vouchers/entry/WorkArea.h"

#include <optional>
#include <vector>

class CatalogPicker;
struct Session;

// What the copy dialog asks before a voucher is copied.
struct VoucherCopyRequest
{
    int month = 0; // of the working year
    QString type;
    QString day; // as typed
};

// The line editor of a work area, without a window: the header, the line being typed and
// what each field accepts, the ordered checks, the writes and the grid and totals read
// back from the database after each of them. Messages and questions go through the
// session's prompter. The voucher entry window and the consolidation window both drive it.
class LineEditor
{
public:
    enum class Mode { Browse = 0, New = 1, Modify = 2 };
    enum class AccountCheck { Refused, Accepted };
    enum class PartyCheck { Accepted, Refused, Create };

    // `node` is the navigation node whose rights the writes need.
    LineEditor(Session &session, WorkArea area, QString node);

    // The opening checks; false after telling the user why the window must close.
    bool open();
    // Rows, totals and header read again from the work area.
    void reload();

    Mode mode() const { return m_mode; }
    const WorkArea &area() const { return m_area; }
    // Editing the lines a voucher generates for another company.
    bool consolidating() const;
    // The company that receives the lines of `group` when it posts to that company's
    // receivable account; empty when the user must choose the branch.
    QString receivingCompanyOf(int group) const;
    const std::vector<WorkAreaRow> &rows() const { return m_rows; }
    const EntryTotals &totals() const { return m_totals; }
    const LineVoucherType &voucherType() const { return m_type; }
    const VoucherHeader &header() const { return m_header; }
    const QString &headerDay() const { return m_day; }
    int year() const { return m_year; }
    int month() const { return m_month; }
    int daysInMonth() const { return LineValidation::daysInMonth(m_year, m_month); }
    const TaxInForce &tax() const { return m_tax; }
    // Type and day cannot change under lines already written, nor while a line is modified.
    bool headerLocked() const { return !m_rows.empty() || m_mode == Mode::Modify; }
    const std::optional<EntryLookups::ValueLists> &valueLists() const { return m_lists; }
    // The outflow type and destination lists take the place of the annex fields.
    bool listsShown() const;

    EntryLine &line() { return m_line; }
    const EntryLine &line() const { return m_line; }

    // Header fields.
    bool setVoucherType(const QString &code);
    void setDay(const QString &day);

    // Line fields. Each tells the user why a code is refused and leaves the field empty.
    AccountCheck setAccount(const QString &code);
    // Whether the account needs the asset dialog (both it and the voucher type hold assets)
    // or the exchange-rate dialog.
    bool needsAsset() const;
    bool needsRate() const { return m_line.account.ajustDifCambio; }
    // The month's TRM, proposed by the exchange-rate dialog.
    Rate proposedRate() const;
    // Create: the code is unknown and the user agreed to create it (the window opens the
    // third-party form with the code, then calls setParty again).
    PartyCheck setParty(const QString &code);
    bool setDocumentType(const QString &code);
    // The duplicate-document notice, on Enter in the number field; true when one was shown.
    bool checkDocument();
    bool setConcept(const QString &code);
    // Parameters of the open-documents catalogue for the line as typed.
    QVariantList openDocumentParameters() const;
    // The serial's asset, when it exists; tells the user when it is retired and the voucher
    // is new.
    std::optional<AssetData> findAsset(const QString &serial) const;

    // Commands.
    bool startNew();
    // Fills the editor from the group's rows; false when the group is not in the area.
    bool startModify(int group);
    void cancel();
    struct SaveOutcome
    {
        bool written = false;
        std::optional<FieldError> error; // the field to return to
    };
    SaveOutcome save();
    // Asks, then deletes the group; true when deleted.
    bool removeLine(int group);
    // Asks, then empties the work area (giving back a voucher taken out for modification).
    bool discard();
    // Hands the voucher to the posting service; an approved voucher leaves the editor empty.
    ApprovalOutcome approve();
    // "Buscar": a posted voucher of the working month picked through `picker`, taken out for
    // modification or copied as a new voucher into the (empty) work area.
    // A copy takes the list of `month` of the working year and becomes a voucher of `type`
    // with every line on `day` of the working month.
    enum class Retrieval { Modify, Copy };
    using CopyRequest = VoucherCopyRequest;
    bool retrieve(Retrieval how, CatalogPicker &picker, const CopyRequest &copy = {});

private:
    bool allowed(const QString &operation) const;
    void prepareNext(const EntryLine &previous);
    LineWriter writer() const;

    Session &m_session;
    WorkArea m_area;
    QString m_node;
    int m_year = 0;
    int m_month = 0;
    TaxInForce m_tax;
    std::optional<EntryLookups::ValueLists> m_lists;
    Mode m_mode = Mode::Browse;
    LineVoucherType m_type;
    VoucherHeader m_header;
    QString m_day;
    EntryLine m_line;
    std::vector<WorkAreaRow> m_rows;
    EntryTotals m_totals;
};
