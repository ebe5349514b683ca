#pragma once

#include <QSet>
#include <QString>

class Prompter;
class QAbstractItemModel;
class ReportOutput;

// Prints a grid's visible columns on the default printer with the standard grid heading
// (see GridReport). Without a printer the user is told so and false comes back.
bool PrintGrid(ReportOutput &output, Prompter &prompter, const QAbstractItemModel &model,
               const QSet<int> &hiddenColumns, const QString &title);
