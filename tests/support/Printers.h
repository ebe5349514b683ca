#pragma once

// gtest printers so that failing assertions show domain values.
#include "common/Money.h"
#include "common/Rate.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QDate &d, std::ostream *os)
{
    *os << d.toString(Qt::ISODate).toStdString();
}
inline void PrintTo(const QVariant &v, std::ostream *os)
{
    *os << "QVariant(" << v.typeName() << ", " << v.toString().toStdString() << ")";
}
inline void PrintTo(const Money &m, std::ostream *os)
{
    *os << "Money(" << m.thousandths() << "/1000)";
}
inline void PrintTo(const Rate &r, std::ostream *os)
{
    *os << "Rate(" << r.millionths() << "/1000000)";
}
