#pragma once

#include "ledger/masterdata/TableMaintenance.h"

// Income-tax retention concepts (frmConcepto): both retention accounts must be detail
// accounts, the PJ one looked at first; a repeated code is "Registro duplicado!".
class ConceptMaintenance : public TableMaintenance
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_conceptos");

    explicit ConceptMaintenance(Session &session, const QString &node = NodeCode);

    // The account lookup of the two account fields: "typed text%" is bound to its marker.
    static QString AccountLookupQuery();

protected:
    std::optional<QString> checkRules(MasterRecord &record, Mode mode) override;
    ReportQuery listingQuery(const QString &currentCode) const override;
};
