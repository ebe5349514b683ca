#include "reports/TrialBalance.h"

#include "calendar/PeriodService.h"
#include "platform/Db.h"

#include <algorithm>

namespace {

int closingMonthOf(Db &db, const TrialBalanceOptions &options)
{
    return PeriodService(db).closingMonth(options.company, options.headOffice);
}

} // namespace

std::map<QString, AccountSum> TrialBalance::rollUp(const std::map<QString, AccountSum> &sums,
                                                   int detailDigits, bool wholeCodeDetail)
{
    std::map<QString, AccountSum> rolled;
    for (const auto &[code, sum] : sums) {
        // A code shorter than a level yields the same prefix twice; it must count once.
        // Prefixes of one code differ only in their length.
        const qsizetype detail = wholeCodeDetail ? code.size() : detailDigits;
        qsizetype counted[5];
        int count = 0;
        for (qsizetype length : {qsizetype(1), qsizetype(2), qsizetype(4), qsizetype(6), detail}) {
            // As QString::left: out of range takes the whole code.
            const qsizetype taken = length < 0 || length > code.size() ? code.size() : length;
            if (std::find(counted, counted + count, taken) != counted + count)
                continue;
            counted[count++] = taken;
            rolled[code.left(taken)] += sum;
        }
    }
    return rolled;
}

int TrialBalance::maxCodeLength(int level, int detailDigits)
{
    switch (level) {
    case 1:
        return 2;
    case 2:
        return 4;
    case 3:
        return 6;
    default:
        return detailDigits;
    }
}

std::vector<TrialBalanceRow> TrialBalance::compute(Db &db, const TrialBalanceOptions &options)
{
    const int detailDigits =
        db.scalar(QStringLiteral("SELECT CantDigCuenta FROM PARAMETRO")).toInt();
    const auto rolled = rollUp(AccountSums::read(db, options, closingMonthOf(db, options)),
                               detailDigits, options.wholeCodeDetail);
    const int longest = maxCodeLength(options.level, detailDigits);
    const bool inRange = !options.from.isEmpty() && !options.to.isEmpty();

    std::vector<TrialBalanceRow> rows;
    // Only codes of the chart appear: prefixes that are no account, and the grand total,
    // are left out.
    for (const QSqlRecord &r : db.rows(QStringLiteral(
             "SELECT Codigo, Nombre, EsPadre FROM CUENTACONTABLE ORDER BY Codigo"))) {
        TrialBalanceRow row{
            r.value(0).toString(), r.value(1).toString(), r.value(2).toInt() != 0, {}};
        if (row.code.size() > longest)
            continue;
        // Codes compare as text: "11" to "12" takes in "1105".
        if (inRange && (row.code < options.from || row.code > options.to))
            continue;
        if (const auto found = rolled.find(row.code); found != rolled.end())
            row.sum = found->second;
        if (!options.showAll && row.sum.isZero())
            continue;
        rows.push_back(std::move(row));
    }
    // The engines order text differently; the report reads codes in byte order everywhere.
    std::sort(rows.begin(), rows.end(),
              [](const TrialBalanceRow &a, const TrialBalanceRow &b) { return a.code < b.code; });
    return rows;
}
