#pragma once

#include "common/Money.h"
#include "common/Rate.h"

#include <QString>

// The tax rates in force for a period (VARIACIONIMPUESTO) and the retention parameters.
struct TaxInForce
{
    Rate impuesto;
    Rate impuesto2;
    bool aplicaRetBase = false; // PARAMETRO.AplicaRetBase
    Rate porcRetIva;            // PARAMETRO.PorcRetIVA
};

// The values of a retention concept for one kind of person.
struct RetentionTerms
{
    Rate base;       // share of the amount subject to retention, in percent
    Money deduction; // taken off the taxable share
    Rate percentage; // retained share of what remains
    QString account; // where the retention row is posted
};

namespace LineTax {

// PorcentajeImpuesto of a line: fixed by the withholding accounts, else the rate in force.
Rate rateFor(const QString &account, const Rate &inForce);

// The retained amount of a line of `amount`: (A × base / 100 − deduction) × percentage / 100,
// rounded half away from zero to the cent, computed exactly. When `reduceToBase` A is first
// the amount before tax, amount / (1 + taxRate / 100). Zero or negative means no retention.
Money retention(Money amount, const RetentionTerms &terms, bool reduceToBase, const Rate &taxRate);

// Document type of a retention row: "*" without one, "NC" for credit notes, else "FR".
QString retentionDocumentType(const QString &lineDocumentType);

} // namespace LineTax
