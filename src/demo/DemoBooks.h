#pragma once

#include <QDate>
#include <QString>

class Db;

// The demo's books: the previous calendar year booked month by month and closed, and the
// current year up to `today`, for the head office and its branch. Every voucher goes through
// the posting service and the year through the closing, as a bookkeeper's would; the same
// `today` always gives the same books.
namespace DemoBooks {

struct Summary
{
    int vouchers = 0;
    int closedYear = 0;
};

// Writes the books as `user`, one transaction a month (savepoints inside the caller's
// transaction). The companies, their periods of both years, the chart and the master data
// must be there, with the previous year still open. Throws DbError.
Summary Post(Db &db, QDate today, const QString &user);

} // namespace DemoBooks
