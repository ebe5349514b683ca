#include "common/report/PrintGrid.h"

#include "common/Prompter.h"
#include "common/report/GridReport.h"
#include "common/report/ReportOutput.h"
#include "common/report/RunReport.h"
#include "platform/report/ReportDocument.h"

bool PrintGrid(ReportOutput &output, Prompter &prompter, const QAbstractItemModel &model,
               const QSet<int> &hiddenColumns, const QString &title)
{
    if (!output.printerAvailable()) {
        prompter.warning(ReportMessages::NoPrinter);
        return false;
    }
    output.print(GridReport::build(model, hiddenColumns, title, QDateTime::currentDateTime()),
                 QString());
    return true;
}
