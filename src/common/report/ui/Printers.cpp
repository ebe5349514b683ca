#include "common/report/ui/Printers.h"

bool PrinterAvailable()
{
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

QPrinterInfo FindPrinter(const QString &name)
{
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (!name.trimmed().isEmpty()) {
        for (const QPrinterInfo &p : printers) {
            if (p.printerName().compare(name.trimmed(), Qt::CaseInsensitive) == 0)
                return p;
        }
    }
    const QPrinterInfo fallback = QPrinterInfo::defaultPrinter();
    if (!fallback.isNull() || printers.isEmpty())
        return fallback;
    return printers.front();
}
