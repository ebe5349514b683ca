#include "platform/XlsxWriter.h"

#include <xlsxwriter.h>

struct XlsxWriter::Book
{
    lxw_workbook *workbook = nullptr;
    lxw_worksheet *sheet = nullptr;
    lxw_format *heading = nullptr;
    lxw_format *amount = nullptr;
    lxw_format *date = nullptr;
};

XlsxWriter::XlsxWriter(const QString &path)
    : m_book(std::make_unique<Book>())
{
    Book &b = *m_book;
    b.workbook = workbook_new(path.toLocal8Bit().constData());
    if (!b.workbook) {
        m_error = QStringLiteral("No se pudo crear el libro %1").arg(path);
        return;
    }
    b.sheet = workbook_add_worksheet(b.workbook, nullptr);
    b.heading = workbook_add_format(b.workbook);
    format_set_bold(b.heading);
    format_set_bg_color(b.heading, 0xD9D9D9);
    format_set_bottom(b.heading, LXW_BORDER_THIN);
    b.amount = workbook_add_format(b.workbook);
    format_set_num_format(b.amount, "#,##0.00");
    b.date = workbook_add_format(b.workbook);
    format_set_num_format(b.date, "dd/mm/yyyy");
}

XlsxWriter::~XlsxWriter()
{
    // A book never closed leaves no file behind: libxlsxwriter writes only on close.
    if (m_book->workbook)
        lxw_workbook_free(m_book->workbook);
}

void XlsxWriter::check(int status)
{
    if (status != LXW_NO_ERROR && m_error.isEmpty())
        m_error = QString::fromUtf8(lxw_strerror(lxw_error(status)));
}

void XlsxWriter::heading(int row, int column, const QString &text)
{
    if (m_book->sheet)
        check(worksheet_write_string(m_book->sheet, lxw_row_t(row), lxw_col_t(column),
                                     text.toUtf8().constData(), m_book->heading));
}

void XlsxWriter::text(int row, int column, const QString &text)
{
    if (m_book->sheet && !text.isEmpty())
        check(worksheet_write_string(m_book->sheet, lxw_row_t(row), lxw_col_t(column),
                                     text.toUtf8().constData(), nullptr));
}

void XlsxWriter::amount(int row, int column, qint64 thousandths)
{
    // A spreadsheet number is a double; amounts of up to 15 significant digits keep every
    // thousandth.
    if (m_book->sheet)
        check(worksheet_write_number(m_book->sheet, lxw_row_t(row), lxw_col_t(column),
                                     double(thousandths) / 1000.0, m_book->amount));
}

void XlsxWriter::date(int row, int column, QDate date)
{
    if (!m_book->sheet || !date.isValid())
        return;
    lxw_datetime when{date.year(), date.month(), date.day(), 0, 0, 0.0};
    check(worksheet_write_datetime(m_book->sheet, lxw_row_t(row), lxw_col_t(column), &when,
                                   m_book->date));
}

void XlsxWriter::setColumnWidth(int first, int last, double characters)
{
    if (m_book->sheet)
        check(worksheet_set_column(m_book->sheet, lxw_col_t(first), lxw_col_t(last), characters,
                                   nullptr));
}

bool XlsxWriter::close()
{
    if (!m_book->workbook)
        return false;
    const lxw_error status = workbook_close(m_book->workbook);
    m_book->workbook = nullptr;
    check(status);
    return m_error.isEmpty();
}
