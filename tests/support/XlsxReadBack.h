#pragma once

#include <QString>
#include <map>
#include <optional>

// The first worksheet of an .xlsx file as a spreadsheet application would read it: the
// cells of xl/worksheets/sheet1.xml with shared strings resolved and each cell's number
// format taken from xl/styles.xml. Independent of the code that writes workbooks.
class XlsxReadBack
{
public:
    struct Cell
    {
        QString text; // the string, or the number as written
        bool number = false;
        QString format; // number format code ("#,##0.00", "dd/mm/yyyy"), empty for General
    };

    // Nothing (and `error` filled) when the file is no readable workbook.
    static std::optional<XlsxReadBack> open(const QString &path, QString *error = nullptr);

    // The cell at `ref` ("B2"); an empty cell when none is there.
    Cell cell(const QString &ref) const;
    // The highest row number (1-based) that holds a cell.
    int lastRow() const;
    const std::map<QString, Cell> &cells() const { return m_cells; }

private:
    std::map<QString, Cell> m_cells;
};
