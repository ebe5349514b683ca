#pragma once

#include "ledger/masterdata/TableMaintenance.h"

#include <QDate>

// Voucher types (COMPROBANTE). At most one type may carry each of the control flags the
// adjustment, depreciation, exchange-difference and consolidation runs look for; a new type
// gets a zero counter row for every company in the calendar year. "999" is never shown.
class VoucherTypeMaintenance : public TableMaintenance
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_tiposcomprobante");

    explicit VoucherTypeMaintenance(Session &session, const QString &node = NodeCode,
                                    QDate today = QDate::currentDate());

    static MaintainedTable Description(const QString &node = NodeCode);

protected:
    std::optional<QString> checkRules(MasterRecord &record, Mode mode) override;
    void afterWrite(const MasterRecord &record, Mode mode) override;

private:
    QDate m_today;
};
