#pragma once

#include "common/report/ReportOutput.h"
#include "common/report/RunReport.h"

#include <QStringList>
#include <QTextStream>
#include <memory>

class ReportData;

// What the report commands share once a report has run: the document the window would have
// previewed, and the PDF or CSV file made of it.
namespace ReportFile {

// Keeps what the runner would have previewed.
class KeptReport : public ReportOutput
{
public:
    std::shared_ptr<const ReportDocument> document;

    bool printerAvailable() override { return false; }
    void preview(std::shared_ptr<const ReportDocument> d, const QString &, int,
                 const QString &) override
    {
        document = std::move(d);
    }
    void print(std::shared_ptr<const ReportDocument> d, const QString &) override
    {
        document = std::move(d);
    }
};

// The columns of the rows a CSV file holds: the first `leading` ones, or those `named`.
// Amounts (thousandths) are written with their decimals.
struct CsvColumns
{
    int leading = 0;
    QStringList named;
    QStringList amounts;
};

// Writes `data` as ";"-separated text, all or nothing. Throws ReportError.
void writeCsv(const ReportData &data, const QString &path, const CsvColumns &columns);

// The exit code of a run that ended in `outcome`, with the file written and named on `out`
// when there was something to write: 0 written, 4 no row, 1 failed. Throws ReportError.
int finish(const KeptReport &kept, ReportOutcome outcome, const QString &pdf, const QString &csv,
           const CsvColumns &columns, QTextStream &out);

} // namespace ReportFile
