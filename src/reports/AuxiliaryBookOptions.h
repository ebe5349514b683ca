#pragma once

#include <QString>

// What the user asks of an auxiliary book: the months of one year, the company (or the head
// office with its branches) and the accounts and third parties to list.
struct AuxiliaryBookOptions
{
    QString company;
    QString headOffice;
    bool consolidated = false; // every company of the head office
    int year = 0;
    int firstMonth = 0; // 1-12; the monthly books give the same month twice
    int lastMonth = 0;
    QString accountFrom, accountTo; // applied when both are given, compared as text
    QString partyFrom, partyTo;     // likewise
    QString account;                // only this account, when given (the IVA book)
    // The lines of a third party by date, or by description and document (the IVA book
    // lists the invoices of a supplier together).
    enum class Order { Date, Document };
    Order order = Order::Date;
};
