#pragma once

#include "vouchers/VoucherCounterRow.h"

#include <QHash>
#include <functional>
#include <optional>
#include <vector>

struct Session;

// The counter window's service: which counters a company has for a year, and setting them.
// A counter is never set below the highest number already posted with it, because the next
// voucher would then take a number that is in the books already.
class VoucherCounters
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_correlativos");
    static inline const QString BelowPostedText =
        QStringLiteral("El correlativo no puede ser menor al último comprobante registrado: ");
    static inline const QString DiscardText =
        QStringLiteral("Los correlativos modificados no se han guardado. ¿Desea descartarlos?");

    struct Company
    {
        QString codigo;
        QString matriz;
        QString nombre;
        // How the list names it: the code, with its head office's for a branch, and the name.
        QString caption() const;
    };

    // Where a save was refused: the grid row, the month (1-12, or 0 for the continuous
    // counter) and the highest number posted there.
    struct Refusal
    {
        int row = -1;
        int month = 0;
        int posted = 0;
    };

    enum class Result { Saved, NothingToSave, NotAllowed, Refused, Failed };
    using Progress = std::function<void(int done, int total)>;

    // `node` is the navigation node the user came through; his rights there are checked.
    explicit VoucherCounters(Session &session, QString node = NodeCode);

    std::vector<Company> companies() const;

    // Every voucher type with a counter row for the company in `year`, except the
    // opening-balance type and the placeholder, in code order.
    std::vector<VoucherCounterRow> load(const Company &company, int year) const;

    // Writes every row's counters in one transaction. Refused as a whole, with the database
    // untouched, when a counter in use would fall below a number already posted.
    Result save(const Company &company, int year, const std::vector<VoucherCounterRow> &rows,
                const Progress &progress = {});
    const std::optional<Refusal> &refusal() const { return m_refusal; }

    // Highest voucher number posted by each type for the company in `year`: [0] over the whole
    // year, [1] to [12] in each month; 0 where there is none.
    using PostedNumbers = QHash<QString, std::array<int, 13>>;
    PostedNumbers highestPosted(const Company &company, int year) const;
    // Highest number posted by `type` for the company in the years before `year`.
    int highestPostedBefore(const Company &company, const QString &type, int year) const;

private:
    void writeRow(const Company &company, int year, const VoucherCounterRow &row);

    Session &m_session;
    QString m_node;
    std::optional<Refusal> m_refusal;
};
