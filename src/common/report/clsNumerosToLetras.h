#pragma once

#include "common/Money.h"

#include <QString>

// Amounts written out in Spanish capitals for printed vouchers and cheques, the cents as a
// fraction of 100: 1234.56 reads "UN MIL DOSCIENTOS TREINTA Y CUATRO CON 56/100". The wording
// is the one the printed forms have always carried, blanks included ("UN MIL ", "CIEN",
// "DOSCIENTOS "), so it is kept letter for letter rather than corrected.
class clsNumerosToLetras
{
public:
    // `masculine` turns a final "UN" into "UNO". Negative amounts come back in parentheses.
    static QString ToWords(Money amount, bool masculine = false);

private:
    static QString wholeWords(qint64 amount, bool masculine);
};
