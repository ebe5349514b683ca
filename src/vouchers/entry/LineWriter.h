#pragma once

#include "vouchers/entry/EntryLine.h"
#include "vouchers/entry/LineTax.h"
#include "vouchers/entry/WorkArea.h"

class Db;

// The voucher a work area holds: its type, its number (empty until approved; the posted
// number for a voucher taken out for modification) and the user who created it.
struct VoucherHeader
{
    QString type;
    QString number;
    QString creator;
};

// Writes, rewrites and deletes the rows of one line of a work area: its cost-centre rows,
// its retention row, its asset row and, for an inter-company receivable, the line it
// generates for the other company. Each call is one transaction; a failure leaves the
// work area as it was and throws DbError.
class LineWriter
{
public:
    enum class Result { Written, CostCentresChanged, PurchaseHasLaterLines };

    LineWriter(Db &db, WorkArea area, int year, int month, TaxInForce tax);

    // A new line numbered line.linea (its group), dated on the typed day. The line must have
    // passed LineValidation.
    Result add(const EntryLine &line, const VoucherHeader &header);
    // The rows of group line.grupoLinea rewritten from `line`; refused when the account's
    // cost centres changed since the line was written.
    Result modify(const EntryLine &line, const VoucherHeader &header);
    // Every row of the group, its generated lines, and its hold on an asset.
    Result remove(int group);

private:
    void writeGroup(const EntryLine &line, const VoucherHeader &header,
                    const std::vector<int> &numbers);
    void insertRow(const EntryLine &line, const VoucherHeader &header, int number, int group,
                   const QString &account, const QString &costCentre, Money debit, Money credit,
                   bool baseRow, const QString &documentType);
    void writeMirror(const EntryLine &line, int group);
    QDate lineDate(const EntryLine &line) const;

    Db &m_db;
    WorkArea m_area;
    int m_year;
    int m_month;
    TaxInForce m_tax;
};
