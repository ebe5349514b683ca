#pragma once

#include "vouchers/PostingLine.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Why a file of vouchers is refused: the line of the file (1 is the header; 0 when the
// refusal is about no line, as an unreadable file) and the reason in the user's words.
struct ImportProblem
{
    int row = 0;
    QString reason;

    // "Fila 12: ..." or the reason alone.
    QString text() const;
};

// One voucher of the file: the rows that share a reference, in file order.
struct ImportedVoucher
{
    QString reference;
    QString type;
    std::vector<int> rows; // the line of the file of each posting line
    std::vector<PostingLine> lines;

    int firstRow() const { return rows.empty() ? 0 : rows.front(); }
};

// Reads a file of vouchers coming from another system: UTF-8, a header, ";" between fields,
// one posting line a row, rows with the same reference making one voucher. Everything that
// can be checked without the database is checked here: the shape of every row, the dates and
// amounts, one voucher type and one month per voucher, and the balance to the cent.
class VoucherImportFile
{
public:
    static inline const QStringList Columns{
        QStringLiteral("referencia"),  QStringLiteral("tipo"),
        QStringLiteral("fecha"),       QStringLiteral("cuenta"),
        QStringLiteral("tercero"),     QStringLiteral("tipo_documento"),
        QStringLiteral("documento"),   QStringLiteral("centro_costo"),
        QStringLiteral("descripcion"), QStringLiteral("debito"),
        QStringLiteral("credito")};

    struct Result
    {
        std::vector<ImportedVoucher> vouchers; // in the order of their first row
        std::optional<ImportProblem> problem;  // the first refusal; no vouchers then
        bool ok() const { return !problem; }
    };

    static Result parse(const QByteArray &contents);
    static Result read(const QString &path);

    // The fields of one line of the file: ";" between them, a field may be quoted with '"'
    // (a quote inside doubled) to hold a ";". Nothing when a quote is left open.
    static std::optional<QStringList> splitRow(const QString &line);
};
