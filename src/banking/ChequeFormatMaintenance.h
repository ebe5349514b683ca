#pragma once

#include "ledger/masterdata/TableMaintenance.h"

// The cheque print formats (FORMATOCHEQUE), window frmFormatosCheques: a number, the name
// of the layout file that prints the cheque, a path kept with it and the paper orientation.
class ChequeFormatMaintenance : public TableMaintenance
{
public:
    static inline const QString Node = QStringLiteral("mnu_formatoscheque");
    static constexpr int Portrait = 1;
    static constexpr int Landscape = 2;

    explicit ChequeFormatMaintenance(Session &session, const QString &node = Node);

    static MaintainedTable Describe(const QString &node = Node);

    // By name, as the user looks for a format.
    QString listQuery() const override;

protected:
    // The number is digits only: it is the key the bank cheques store.
    std::optional<QString> checkRules(MasterRecord &record, Mode mode) override;
    ReportQuery listingQuery(const QString &currentCode) const override;
};
