#pragma once

#include <QString>
#include <optional>

class Db;
class WorkArea;

// Why voucher entry cannot open for the working period: an inactive company or branch, or a
// voucher of another month waiting in the work area. Nullopt when it can.
namespace EntryOpening {

std::optional<QString> refusal(Db &db, const WorkArea &area, int year, int month);

} // namespace EntryOpening
