#pragma once

#include <QString>
#include <array>

// One line of the counter grid: a voucher type and its counters for one company and year.
struct VoucherCounterRow
{
    QString codigo;
    QString nombre;
    std::array<int, 12> meses{}; // last number issued in each month, January first
    bool continuo = false;       // numbered over the whole year instead of month by month
    int numeroContinuo = 0;      // last number issued under continuous numbering

    bool operator==(const VoucherCounterRow &) const = default;
};
