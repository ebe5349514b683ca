#pragma once

#include "ledger/masterdata/TableMaintenance.h"

// Third parties (frmTercero): at most one tax authority, codes of seven characters or more,
// and a RIF's check digit questioned when it is wrong. The listing prints the shown one.
class PartyMaintenance : public TableMaintenance
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_terceros");

    explicit PartyMaintenance(Session &session, const QString &node = NodeCode);

    QString listQuery() const override;

protected:
    std::optional<QString> checkRules(MasterRecord &record, Mode mode) override;
    ReportQuery listingQuery(const QString &currentCode) const override;
};
