#pragma once

#include <QPrinterInfo>
#include <QString>

// The workstation's printers as the report runner chooses among them.

// True when the workstation has a printer: the default one or, where none is marked as
// default (common on Linux), any installed printer.
bool PrinterAvailable();
// The installed printer whose name equals `name` without regard to case; otherwise the
// default printer, or the first installed one. Null when there is no printer at all.
QPrinterInfo FindPrinter(const QString &name);
