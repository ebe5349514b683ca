#include "vouchers/entry/EntryTotals.h"

#include "vouchers/entry/EntryTexts.h"

#include <QLocale>

EntryTotals EntryTotals::of(const std::vector<WorkAreaRow> &rows)
{
    EntryTotals t;
    for (const WorkAreaRow &r : rows) {
        t.debit += r.valorDebito;
        t.credit += r.valorCredito;
    }
    return t;
}

QString EntryTotals::differenceText(const QLocale &locale) const
{
    if (debit > credit)
        return EntryTexts::Missing + (debit - credit).format(locale) + EntryTexts::OnCredit;
    if (credit > debit)
        return EntryTexts::Missing + (credit - debit).format(locale) + EntryTexts::OnDebit;
    return {};
}
