#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class Db;
struct Session;

// What the user asks of the exported detailed auxiliary book.
struct AuxiliaryExportOptions
{
    QString company;
    QString headOffice;
    bool consolidated = false; // every company of the head office
    int firstMonth = 0;        // 1-12, of one calendar year
    int lastMonth = 0;
    int year = 0;
    QString accountFrom, accountTo; // each end applies when given
    QString partyFrom, partyTo;
};

// One line of the book: a voucher's lines of one account, third party and document, added up.
struct AuxiliaryExportRow
{
    QString consolidationCompany;
    QString company;
    QString account;
    QString party;
    QString partyName;
    QDate date;
    QDate documentDate; // invalid when the line has none
    QString voucherType;
    QString voucherNumber;
    QString documentType;
    QString document;
    QString document2;
    QString document3;
    qint64 debit = 0; // thousandths
    qint64 credit = 0;
    QString user;
    QString description;
};

// The detailed auxiliary book of a range of months, written to a spreadsheet: headings in
// row 2, columns B to R, and one row per line of the book below them.
class AuxiliaryBookExport
{
public:
    static inline const QString FileFilter = QStringLiteral("Excel (*.xlsx)");
    static inline const QString FileExists = QStringLiteral("El archivo ya existe...!");
    static inline const QString OpenQuestion =
        QStringLiteral("Desea abrir el archivo generado...?");
    static inline const QString YearInvalid = QStringLiteral("¡Debe seleccionar un año valido...!");
    // Row 2, column B, counted from 0.
    static constexpr int HeadingRow = 1;
    static constexpr int FirstColumn = 1;

    static QStringList headings();

    // What is wrong with the request, and the title to tell it under: an invalid year, then
    // a month range outside one fiscal year. Nothing when it may run. Throws DbError.
    struct Fault
    {
        QString text;
        QString title;
    };
    static std::optional<Fault> fault(Db &db, const AuxiliaryExportOptions &options);

    // The lines in account, third party, date, voucher type and number order. Throws DbError.
    static std::vector<AuxiliaryExportRow> rows(Db &db, const AuxiliaryExportOptions &options);

    // Called after each row written: how many are done out of how many.
    using Progress = std::function<void(int done, int total)>;
    // Writes the rows to the .xlsx `path` through a temporary file beside it, renamed at the
    // end, so a failure leaves nothing behind. Returns how many rows were written. Throws
    // DbError, or ReportError when the file cannot be written.
    static int write(Db &db, const AuxiliaryExportOptions &options, const QString &path,
                     const Progress &progress = {});

    // Opens a written file (the operating system's "Open" in the application).
    using Opener = std::function<void(const QString &path)>;
    enum class Outcome { Refused, Written, Failed };
    // The export as the window runs it once a file is chosen: checks the request and that
    // the file is new, writes it, and offers to open it. Consolidation is taken only where
    // the session may consolidate. Every message goes through the session's prompter.
    static Outcome run(const Session &session, AuxiliaryExportOptions options, const QString &path,
                       const Progress &progress, const Opener &opener);
};
