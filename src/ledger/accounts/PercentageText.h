#pragma once

#include <QLocale>
#include <QString>

class Rate;

// A percentage as an edit box shows it: the locale's decimal separator, no grouping, two
// decimals or as many as it needs (up to six), so that saving what is shown keeps the value.
QString PercentageText(const Rate &percentage, const QLocale &locale = QLocale());
