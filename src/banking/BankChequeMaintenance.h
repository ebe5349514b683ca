#pragma once

#include "ledger/masterdata/TableMaintenance.h"

// The bank cheques (CHEQUESBANCO), window frmChequesBancos: each bank's cheque and the
// format it is printed with.
class BankChequeMaintenance : public TableMaintenance
{
public:
    static inline const QString Node = QStringLiteral("mnu_chequesbanco");
    static inline const QString ListingTitle = QStringLiteral("Formatos Cheques");

    explicit BankChequeMaintenance(Session &session, const QString &node = Node);

    static MaintainedTable Describe(const QString &node = Node);

    // Only the bank cheques whose format still exists.
    QString listQuery() const override;

protected:
    // One row per listed bank cheque on the shared code-list layout, with its format's name.
    ReportQuery listingQuery(const QString &currentCode) const override;
};
