#include "common/Money.h"
#include "platform/report/FieldFormatter.h"
#include "support/Printers.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// The report engine sits below Money and formats amounts on its own; a printed amount must
// still read exactly as the same amount on screen.
TEST(ReportAmounts, PrintExactlyAsTheScreensShowThem)
{
    const QLocale locales[] = {QLocale(QLocale::Spanish, QLocale::Venezuela),
                               QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c(),
                               QLocale(QLocale::German, QLocale::Switzerland)};
    std::vector<qint64> values = {0,
                                  1,
                                  4,
                                  5,
                                  6,
                                  9,
                                  10,
                                  994,
                                  995,
                                  999,
                                  1000,
                                  -1,
                                  -4,
                                  -5,
                                  -995,
                                  1'234'567'890,
                                  -1'234'567'894,
                                  999'999'999'999'995};
    for (qint64 v = 3; v < 4'000'000'000'000'000; v = v * 7 + 13)
        values.push_back(v % 2 ? v : -v);
    for (const QLocale &locale : locales) {
        for (qint64 v : values)
            EXPECT_EQ(FieldFormatter::amount(v, locale), Money::fromThousandths(v).format(locale))
                << v << " " << locale.name().toStdString();
    }
}

} // namespace
