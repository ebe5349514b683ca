#include "common/report/RunReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <functional>

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/report/ReportAudit.h"
#include "common/report/ReportHeading.h"
#include "common/report/ReportOutput.h"
#include "platform/Db.h"
#include "platform/Workstation.h"
#include "platform/report/LayoutReader.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportError.h"
#include "platform/report/RowFilter.h"

namespace {

constexpr int PreviewZoom = 150;

class BusyPointer
{
public:
    explicit BusyPointer(ReportOutput &output)
        : m_output(output)
    {
        m_output.setBusy(true);
    }
    ~BusyPointer() { m_output.setBusy(false); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    ReportOutput &m_output;
};

QString fileNameOf(const QString &path)
{
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1);
}

// Where the layouts shipped with the program are, for a database that names no report
// directory of its own.
QString shippedReportDirectory()
{
    QStringList candidates{qEnvironmentVariable("VALDORIA_REPORTES")};
    const QString programDir = QCoreApplication::applicationDirPath();
    candidates << QDir(programDir).filePath(QStringLiteral("reportes"))
               << QDir(programDir).filePath(QStringLiteral("../share/valdoria/reportes"))
               << QStringLiteral(VALDORIA_SOURCE_REPORTES);
    for (const QString &dir : candidates)
        if (!dir.isEmpty() && QFileInfo(dir).isDir())
            return QDir::cleanPath(dir);
    return {};
}

// Vouchers printed in portrait use the half-page layout that sits beside the full one.
QString layoutPath(const QString &reportFile, const QString &fileName, int orientation)
{
    QString path = reportFile;
    if (orientation == 1 && fileName.toLower().contains(QLatin1String("comprobante")))
        path = path.chopped(4) + QStringLiteral("_MEDIA.rpt");
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // No report directory in the database or on the workstation: the shipped layouts.
    if (path.lastIndexOf(QLatin1Char('/')) <= 0)
        path = QDir(shippedReportDirectory()).filePath(fileNameOf(path));
    return path;
}

void addParameters(ReportData &data, const Session &session, const ReportLayout &layout,
                   const QString &title)
{
    for (const ReportValue &v : ReportLayoutValues(session))
        data.setParameter(v.name, v.value);
    data.setParameter(QStringLiteral("TituloReporte"), title);

    const QStringList names = layout.fieldNames();
    const bool wantsPictures = names.contains(QLatin1String("Logo"), Qt::CaseInsensitive) ||
                               names.contains(QLatin1String("Firma"), Qt::CaseInsensitive);
    if (!wantsPictures)
        return;
    // A company without pictures prints without them.
    data.setParameter(QStringLiteral("Logo"), QVariant());
    data.setParameter(QStringLiteral("Firma"), QVariant());
    if (!session.hasCompany())
        return;
    const auto rows = session.db().rows(
        QStringLiteral("SELECT Logo, Firma FROM EMPRESA WHERE Codigo = ? AND CodigoMatriz = ?"),
        {session.gEmpresa, session.gMatriz});
    if (!rows.empty()) {
        data.setParameter(QStringLiteral("Logo"), rows.front().value(0));
        data.setParameter(QStringLiteral("Firma"), rows.front().value(1));
    }
}

void applyPageSetup(ReportDocument &document, int orientation, int paperSize)
{
    if (orientation == 1)
        document.setOrientation(ReportOrientation::Portrait);
    else if (orientation == 2)
        document.setOrientation(ReportOrientation::Landscape);
    if (paperSize == 1)
        document.setPaper(ReportPaper::Letter);
    else if (paperSize == 5)
        document.setPaper(ReportPaper::Legal);
    else if (paperSize == 9)
        document.setPaper(ReportPaper::A4);
}

} // namespace

namespace {

// The run shared by statements and computed rows: `fetch` yields the rows once the audit is
// written and the printer is known to be there.
ReportOutcome runLayout(const Session &session, ReportOutput &output, const QString &auditText,
                        const std::function<ReportData()> &fetch, const QString &reportFile,
                        const QString &title, int destination, int orientation,
                        const QString &printerName, bool warnWhenEmpty, int paperSize)
{
    const QString fileName = fileNameOf(reportFile);
    const QString path = layoutPath(reportFile, fileName, orientation);

    ReportAudit::write(session.db(), session.gUsuario, Workstation::LocalIpAddress(),
                       Workstation::LocalHostName(), fileName, auditText);

    // Laying pages out needs no printer; only printing them does.
    if (destination == 1 && !output.printerAvailable()) {
        session.prompt().warning(ReportMessages::NoPrinter);
        return ReportOutcome::NoPrinter;
    }

    const BusyPointer busy(output);
    try {
        ReportLayout layout = LayoutReader::readFile(path);

        ReportData data = fetch();
        if (data.isEmpty()) {
            if (warnWhenEmpty)
                session.prompt().warning(ReportMessages::Empty, ReportMessages::Title);
            return ReportOutcome::Empty;
        }

        addParameters(data, session, layout, title);
        auto document = std::make_shared<ReportDocument>(std::move(layout), std::move(data));
        const QStringList missing = document->missingFields();
        if (!missing.isEmpty())
            throw ReportError(QStringLiteral("El diseño de reporte \"%1\" usa datos que la "
                                             "consulta no trae: %2.")
                                  .arg(fileNameOf(path), missing.join(QStringLiteral(", "))));
        document->setTitle(title);
        applyPageSetup(*document, orientation, paperSize);

        if (destination == 0) {
            output.preview(document, title, PreviewZoom, printerName);
            return ReportOutcome::Previewed;
        }
        if (destination == 1) {
            output.print(document, printerName);
            return ReportOutcome::Printed;
        }
        return ReportOutcome::Prepared;
    } catch (const ReportError &e) {
        session.prompt().error(e.message(), ReportMessages::Title);
        return ReportOutcome::Failed;
    }
}

} // namespace

ReportOutcome RunReport(const Session &session, ReportOutput &output, const ReportQuery &query,
                        const QString &reportFile, const QString &title, int destination,
                        int orientation, const QString &printerName, bool warnWhenEmpty,
                        int paperSize, const QString &filter)
{
    auto fetch = [&] {
        ReportData data = ReportData::fromRecords(session.db().rows(query.text, query.values));
        if (!query.text.toUpper().contains(QLatin1String("SELECT")))
            RowFilter::apply(data, filter);
        return data;
    };
    return runLayout(session, output, ReportAudit::statementText(query.text, query.values), fetch,
                     reportFile, title, destination, orientation, printerName, warnWhenEmpty,
                     paperSize);
}

ReportOutcome RunReport(const Session &session, ReportOutput &output, ComputedRows rows,
                        const QString &reportFile, const QString &title, int destination,
                        int orientation, const QString &printerName, bool warnWhenEmpty,
                        int paperSize)
{
    auto fetch = [&] { return std::move(rows.data); };
    return runLayout(session, output, ReportAudit::statementText(rows.description, {}), fetch,
                     reportFile, title, destination, orientation, printerName, warnWhenEmpty,
                     paperSize);
}
