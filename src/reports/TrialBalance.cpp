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

QHash<QString, AccountSum> TrialBalance::rollUp(const std::map<QString, AccountSum> &sums,
                                                int detailDigits, bool wholeCodeDetail)
{
    QHash<QString, AccountSum> rolled;
    // About one prefix per account of the chart.
    rolled.reserve(qsizetype(sums.size()) * 5 / 4);
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
    // are left out. The first levels are few codes of a long chart (their lengths are fixed:
    // 2, 4 or 6), and a name is read only for a row that is listed.
    QString shortCodes;
    if (options.level >= 1 && options.level <= 3)
        shortCodes = QStringLiteral(" WHERE LENGTH(Codigo) <= %1").arg(longest);
    QSqlQuery chart = db.run(QStringLiteral("SELECT Codigo, Nombre, EsPadre FROM CUENTACONTABLE%1 "
                                            "ORDER BY Codigo")
                                 .arg(shortCodes));
    while (chart.next()) {
        const QString code = chart.value(0).toString();
        if (code.size() > longest)
            continue;
        // Codes compare as text: "11" to "12" takes in "1105".
        if (inRange && (code < options.from || code > options.to))
            continue;
        const AccountSum sum = rolled.value(code);
        if (!options.showAll && sum.isZero())
            continue;
        rows.push_back({code, chart.value(1).toString(), chart.value(2).toInt() != 0, sum});
    }
    chart.finish();
    // The engines order text differently; the report reads codes in byte order everywhere.
    const auto byCode = [](const TrialBalanceRow &a, const TrialBalanceRow &b) {
        return a.code < b.code;
    };
    if (!std::is_sorted(rows.begin(), rows.end(), byCode))
        std::sort(rows.begin(), rows.end(), byCode);
    return rows;
}
