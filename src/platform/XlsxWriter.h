#pragma once

#include <QDate>
#include <QString>
#include <memory>

// One worksheet written to an .xlsx file, cell by cell (rows and columns from 0). Cells of a
// kind share one look: headings in bold on a grey band, amounts as numbers with two decimals
// and thousands separators, dates as dates. Nothing is on disk before close().
class XlsxWriter
{
public:
    explicit XlsxWriter(const QString &path);
    ~XlsxWriter();
    XlsxWriter(const XlsxWriter &) = delete;
    XlsxWriter &operator=(const XlsxWriter &) = delete;

    void heading(int row, int column, const QString &text);
    void text(int row, int column, const QString &text);
    // `thousandths` of a currency unit, shown with two decimals.
    void amount(int row, int column, qint64 thousandths);
    void date(int row, int column, QDate date);
    void setColumnWidth(int first, int last, double characters);

    // Writes the file. False, with errorString(), when it could not be written or a cell
    // could not be placed.
    bool close();
    QString errorString() const { return m_error; }

private:
    void check(int status);

    struct Book;
    std::unique_ptr<Book> m_book;
    QString m_error;
};
