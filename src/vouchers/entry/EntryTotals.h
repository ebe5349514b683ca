#pragma once

#include "common/Money.h"
#include "vouchers/entry/WorkAreaRow.h"

#include <QString>
#include <vector>

class QLocale;

// The totals of a work area and what is missing for it to balance.
struct EntryTotals
{
    Money debit;
    Money credit;

    static EntryTotals of(const std::vector<WorkAreaRow> &rows);

    bool balanced() const { return debit == credit; }
    // The amount the next line needs to balance the voucher, on the short side.
    Money missingDebit() const { return credit > debit ? credit - debit : Money(); }
    Money missingCredit() const { return debit > credit ? debit - credit : Money(); }
    // "Falta: <difference> en Crédito" (or "en Débito"); empty when balanced.
    QString differenceText(const QLocale &locale) const;
};
