#include "reports/ui/frmExpLibroAuxiliarDetallado.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/DbError.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QUrl>

frmExpLibroAuxiliarDetallado::frmExpLibroAuxiliarDetallado(Session &session, const QString &node,
                                                           QWidget *parent)
    : AuxiliaryBookWindow(session, node, parent)
{
    setObjectName(QStringLiteral("frmExpLibroAuxiliarDetallado"));
    setWindowTitle(QStringLiteral("Exportar Auxiliar Anual Detallado"));

    cmbDesde = monthBox(QStringLiteral("cmbDesde"), 1);
    cmbHasta = monthBox(QStringLiteral("cmbHasta"), session.gMes);
    txtAno = yearField();
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setValue(0);

    auto *form = new QFormLayout;
    auto *months = new QHBoxLayout;
    months->addWidget(cmbDesde);
    months->addWidget(cmbHasta);
    months->addWidget(txtAno);
    months->addStretch(1);
    form->addRow(QStringLiteral("Desde / Hasta / Año:"), months);
    addRangeFields(form);
    body()->addLayout(form);
    body()->addWidget(chkConsolidado);
    body()->addWidget(ProgressBar1);
    body()->addStretch(1);
    setMinimumWidth(460);

    chooseFile = [this] {
        return QFileDialog::getSaveFileName(this, windowTitle(), QString(),
                                            AuxiliaryBookExport::FileFilter);
    };
    openFile = [](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    LoadToolbarOptions();
    // The export runs on the approve button, which the toolbar otherwise keeps for edits.
    if (QAction *approve = button(QStringLiteral("Aprobar")); approve && approve->isVisible())
        approve->setEnabled(true);
}

AuxiliaryExportOptions frmExpLibroAuxiliarDetallado::options() const
{
    AuxiliaryExportOptions o;
    o.company = session().gEmpresa;
    o.headOffice = session().gMatriz;
    o.firstMonth = cmbDesde->currentIndex() + 1;
    o.lastMonth = cmbHasta->currentIndex() + 1;
    o.year = txtAno->text().toInt();
    readRanges(o);
    return o;
}

void frmExpLibroAuxiliarDetallado::onAprobar()
{
    exportar();
}

void frmExpLibroAuxiliarDetallado::exportar()
{
    const AuxiliaryExportOptions o = options();
    try {
        // Told before the file is asked for; the export checks again.
        if (const auto wrong = AuxiliaryBookExport::fault(session().db(), o)) {
            session().prompt().warning(wrong->text, wrong->title);
            (o.year < 1 ? static_cast<QWidget *>(txtAno) : cmbHasta)->setFocus();
            return;
        }
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return;
    }
    QString path = chooseFile ? chooseFile() : QString();
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        path += QStringLiteral(".xlsx");
    ProgressBar1->setValue(0);
    const auto progress = [this](int done, int total) {
        ProgressBar1->setRange(0, total);
        ProgressBar1->setValue(done);
        if (done % 200 == 0 || done == total)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    AuxiliaryBookExport::run(session(), o, path, progress, openFile);
}
