#pragma once

#include "vouchers/entry/EntryLine.h"

#include <optional>

// The fields of the line editor a refusal can point at.
enum class EntryField {
    OutflowType,
    Destination,
    VoucherType,
    Day,
    Account,
    Party,
    DocumentType,
    Document,
    Concept,
    Asset,
    Debit,
};

struct FieldError
{
    EntryField field;
    QString message;
};

namespace LineValidation {

// Days of a month as voucher entry counts them: February has 29 days in years divisible by 4.
int daysInMonth(int year, int month);

// The checks before a line is written, in their order; the first that fails.
// `listsShown` when the outflow type and destination lists replace the annex fields.
std::optional<FieldError> check(const EntryLine &line, const LineVoucherType &type, int year,
                                int month, bool listsShown);

// The day typed, when it is a day of the month; nullopt otherwise.
std::optional<int> day(const QString &typed, int year, int month);

} // namespace LineValidation
