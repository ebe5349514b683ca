#include "reports/ui/frmExpLibroAuxiliarDetallado.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/FormatHelpers.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "platform/DbError.h"
#include "reports/TrialBalanceReport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QUrl>

namespace {

QComboBox *monthField(QWidget *parent, const QString &name, int month)
{
    auto *field = new QComboBox(parent);
    field->setObjectName(name);
    for (int m = 1; m <= 12; ++m)
        field->addItem(MonthName(m));
    field->setCurrentIndex(month >= 1 && month <= 12 ? month - 1 : 0);
    return field;
}

} // namespace

frmExpLibroAuxiliarDetallado::frmExpLibroAuxiliarDetallado(Session &session, const QString &node,
                                                           QWidget *parent)
    : ChildWindow(session, node, parent)
{
    setObjectName(QStringLiteral("frmExpLibroAuxiliarDetallado"));
    setWindowTitle(QStringLiteral("Exportar Auxiliar Anual Detallado"));

    cmbDesde = monthField(this, QStringLiteral("cmbDesde"), 1);
    cmbHasta = monthField(this, QStringLiteral("cmbHasta"), session.gMes);
    txtAno = new QLineEdit(session.gAno ? QString::number(session.gAno) : QString(), this);
    txtAno->setObjectName(QStringLiteral("txtAno"));
    txtAno->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtAno));
    txtAno->setMaxLength(4);
    txtAno->setMaximumWidth(80);

    auto field = [this](const QString &name, int length) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setMaxLength(length);
        edit->setToolTip(QStringLiteral("F2: buscar"));
        edit->installEventFilter(this);
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cmd") + name.mid(3));
        button->setText(QStringLiteral("..."));
        connect(button, &QToolButton::clicked, this, [this, edit] { lookUp(edit); });
        auto *row = new QHBoxLayout;
        row->setSpacing(2);
        row->addWidget(edit, 1);
        row->addWidget(button);
        return std::pair{edit, row};
    };
    auto [fromAccount, fromAccountRow] = field(QStringLiteral("txtDesdeCta"), 12);
    auto [toAccount, toAccountRow] = field(QStringLiteral("txtHastaCta"), 12);
    auto [fromParty, fromPartyRow] = field(QStringLiteral("txtDesdeTerc"), 15);
    auto [toParty, toPartyRow] = field(QStringLiteral("txtHastaTerc"), 15);
    txtDesdeCta = fromAccount;
    txtHastaCta = toAccount;
    txtDesdeTerc = fromParty;
    txtHastaTerc = toParty;

    chkConsolidado = new QCheckBox(QStringLiteral("Consolidado"), this);
    chkConsolidado->setObjectName(QStringLiteral("chkConsolidado"));
    chkConsolidado->setEnabled(TrialBalanceReport::consolidationAllowed(session));
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
    form->addRow(QStringLiteral("Desde cuenta:"), fromAccountRow);
    form->addRow(QStringLiteral("Hasta cuenta:"), toAccountRow);
    form->addRow(QStringLiteral("Desde tercero:"), fromPartyRow);
    form->addRow(QStringLiteral("Hasta tercero:"), toPartyRow);
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
    o.consolidated = chkConsolidado->isEnabled() && chkConsolidado->isChecked();
    o.firstMonth = cmbDesde->currentIndex() + 1;
    o.lastMonth = cmbHasta->currentIndex() + 1;
    o.year = txtAno->text().toInt();
    o.accountFrom = txtDesdeCta->text().trimmed();
    o.accountTo = txtHastaCta->text().trimmed();
    o.partyFrom = txtDesdeTerc->text().trimmed();
    o.partyTo = txtHastaTerc->text().trimmed();
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

void frmExpLibroAuxiliarDetallado::lookUp(QLineEdit *field)
{
    const bool account = field == txtDesdeCta || field == txtHastaCta;
    try {
        const CatalogResult picked =
            ShowCatalog(session(), this, {field->text().trimmed() + QStringLiteral("%")},
                        account ? TrialBalanceReport::AccountLookupQuery() : ThirdPartyLookupQuery);
        if (picked.picked())
            field->setText(picked.element(1));
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

bool frmExpLibroAuxiliarDetallado::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F2) {
        for (QLineEdit *field : {txtDesdeCta, txtHastaCta, txtDesdeTerc, txtHastaTerc})
            if (watched == field) {
                lookUp(field);
                return true;
            }
    }
    return ChildWindow::eventFilter(watched, event);
}
