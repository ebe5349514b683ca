#include "vouchers/ui/frmRegistro.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "common/ui/AmountEdit.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "platform/Db.h"
#include "vouchers/entry/EntryTexts.h"
#include "vouchers/print/VoucherPrint.h"
#include "vouchers/ui/frmCargarSucursal.h"
#include "vouchers/ui/frmConsolidacion.h"
#include "vouchers/ui/frmCopiarComprobante.h"

#include <QAction>
#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>

frmRegistro::frmRegistro(Session &session, const QString &nodeCode, QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
    , m_editor(session, WorkArea::registro(session.gUsuario, session.gEmpresa, session.gMatriz),
               nodeCode)
{
    setObjectName(QStringLiteral("frmRegistro"));
    setWindowTitle(QStringLiteral("Registro de Comprobantes"));
    LoadToolbarOptions();
    buildHeader();
    panel = new LineEntryPanel(session, m_editor, this);
    body()->addWidget(panel, 1);
    cmdDescartar = new QPushButton(QStringLiteral("Descartar comprobante"), this);
    cmdDescartar->setObjectName(QStringLiteral("cmdDescartar"));
    cmdDescartar->setVisible(allowedOptions().contains(QStringLiteral("Eliminar")));
    panel->totalsRow->insertWidget(0, cmdDescartar);
    connect(cmdDescartar, &QPushButton::clicked, this, &frmRegistro::Descartar);
    cmdConsolidacion = new QPushButton(QStringLiteral("Consolidación"), this);
    cmdConsolidacion->setObjectName(QStringLiteral("cmdConsolidacion"));
    cmdConsolidacion->setToolTip(QStringLiteral("Líneas que la línea seleccionada genera en otra empresa"));
    panel->totalsRow->insertWidget(1, cmdConsolidacion);
    connect(cmdConsolidacion, &QPushButton::clicked, this, &frmRegistro::openConsolidation);
    connect(panel, &LineEntryPanel::changed, this, &frmRegistro::applyMode);
    connect(panel, &LineEntryPanel::modifyRequested, this,
            [this] { ToolbarAction(QStringLiteral("Modificar")); });
    try {
        m_opened = m_editor.open();
    } catch (const DbError &e) {
        session.prompt().error(e.userText());
    }
    if (!m_opened) {
        QTimer::singleShot(0, this, [this] { ToolbarAction(QStringLiteral("Salir")); });
        return;
    }
    showModel();
    applyMode();
}

void frmRegistro::showModel()
{
    panel->showModel();
    txtTipoComprobante->setCode(m_editor.voucherType().code, m_editor.voucherType().name);
    lblNumero->setText(m_editor.header().number);
    txtDia->setText(m_editor.headerDay());
}

void frmRegistro::showLine()
{
    panel->showLine();
}

void frmRegistro::applyMode()
{
    const bool editing = m_editor.mode() != LineEditor::Mode::Browse;
    const bool headerOpen = !m_editor.headerLocked();
    txtTipoComprobante->setEditable(headerOpen);
    txtDia->setReadOnly(!headerOpen);
    panel->applyFields();
    SetToolbarState(editing ? Editing : Browsing);
    const bool lines = !m_editor.rows().empty();
    for (const char *key : {"Aprobar", "Modificar", "Eliminar"})
        if (QAction *a = button(QLatin1String(key)))
            a->setEnabled(!editing && lines);
    cmdDescartar->setEnabled(!editing && lines);
    cmdConsolidacion->setEnabled(!editing && lines);
}

void frmRegistro::buildHeader()
{
    auto *frame = new QGroupBox(QStringLiteral("Comprobante"), this);
    frame->setObjectName(QStringLiteral("fraEncabezado"));
    txtTipoComprobante = new CodeLookupEdit(
        session(), EntryLookups::voucherTypeCatalog(),
        [this](const QString &code) {
            const bool ok = m_editor.setVoucherType(code);
            return CodeLookupEdit::Check{ok ? m_editor.voucherType().name : QString(), {}, !ok};
        },
        frame);
    lblNumero = new QLabel(frame);
    lblNumero->setObjectName(QStringLiteral("lblNumero"));
    lblNumero->setMinimumWidth(80);
    lblNumero->setFrameShape(QFrame::StyledPanel);
    txtDia = new QLineEdit(frame);
    txtDia->setObjectName(QStringLiteral("txtDia"));
    txtDia->setMaxLength(2);
    txtDia->setValidator(new QIntValidator(1, 31, txtDia));
    txtDia->setFixedWidth(txtDia->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    auto *period = new QLabel(QStringLiteral("/%1/%2")
                                  .arg(session().gMes, 2, 10, QLatin1Char('0'))
                                  .arg(session().gAno),
                              frame);
    auto *row = new QHBoxLayout(frame);
    row->addWidget(new QLabel(QStringLiteral("Tipo"), frame));
    row->addWidget(txtTipoComprobante, 1);
    row->addWidget(new QLabel(QStringLiteral("Número"), frame));
    row->addWidget(lblNumero);
    row->addWidget(new QLabel(QStringLiteral("Día"), frame));
    row->addWidget(txtDia);
    row->addWidget(period);
    body()->addWidget(frame);
    connect(txtDia, &QLineEdit::editingFinished, this,
            [this] { m_editor.setDay(txtDia->text()); });
}

void frmRegistro::onNuevo()
{
    // The header typed before "Nuevo" is taken first.
    txtTipoComprobante->checkTyped();
    m_editor.setDay(txtDia->text());
    if (m_editor.startNew())
        showLine();
    panel->txtCuenta->txtCodigo->setFocus();
}

void frmRegistro::onModificar()
{
    if (m_editor.startModify(panel->selectedGroup()))
        showLine();
    panel->txtDescripcion->setFocus();
}

void frmRegistro::ConfirmDelete()
{
    if (m_editor.removeLine(panel->selectedGroup()))
        showModel();
}

void frmRegistro::onBuscar()
{
    QMenu options(this);
    QAction *modify = options.addAction(QStringLiteral("Modificar Comprobante"));
    options.addAction(QStringLiteral("Copiar Comprobante"));
    QWidget *anchor = tlbregistro()->widgetForAction(button(QStringLiteral("Buscar")));
    QAction *chosen =
        options.exec(anchor ? anchor->mapToGlobal(QPoint(0, anchor->height())) : QCursor::pos());
    if (chosen)
        retrieve(chosen == modify ? LineEditor::Retrieval::Modify : LineEditor::Retrieval::Copy);
}

void frmRegistro::retrieve(LineEditor::Retrieval how)
{
    VoucherCopyRequest copy;
    if (how == LineEditor::Retrieval::Copy) {
        if (m_copyDialog) {
            const auto asked = m_copyDialog();
            if (!asked)
                return;
            copy = *asked;
        } else {
            frmCopiarComprobante dialog(session(), this);
            if (dialog.exec() != QDialog::Accepted)
                return;
            copy = dialog.request();
        }
    }
    CatalogWindowPicker window(session().prompt(), this);
    CatalogPicker *picker = panel->catalogPicker();
    if (m_editor.retrieve(how, picker ? *picker : window, copy)) {
        showModel();
        showLine();
    }
}

void frmRegistro::onCancelar()
{
    m_editor.cancel();
    showLine();
}

bool frmRegistro::onGuardar()
{
    panel->readLine();
    m_editor.setDay(txtDia->text());
    const auto outcome = m_editor.save();
    if (outcome.error) {
        if (!panel->focusField(outcome.error->field)) {
            QLineEdit *box = outcome.error->field == EntryField::Day
                                 ? txtDia
                                 : txtTipoComprobante->txtCodigo;
            box->setFocus();
            box->selectAll();
        }
        return false;
    }
    showModel();
    showLine();
    if (m_editor.mode() == LineEditor::Mode::New)
        panel->txtCuenta->txtCodigo->setFocus();
    return m_editor.mode() == LineEditor::Mode::Browse;
}

void frmRegistro::onAprobar()
{
    const int year = m_editor.year(), month = m_editor.month();
    const ApprovalOutcome outcome = m_editor.approve();
    if (!outcome.approved())
        return;
    showModel();
    showLine();
    try {
        PrintApprovedVoucher(session(), outcome.type, outcome.number, year, month);
    } catch (const DbError &e) {
        // The voucher is in the books; only its print failed.
        session().prompt().error(e.userText());
    }
}

void frmRegistro::openConsolidation()
{
    const int group = panel->selectedGroup();
    if (group == 0) {
        session().prompt().warning(EntryTexts::NoLineSelected);
        return;
    }
    // The receivable account of a company names it; any other line asks for the branch.
    QString receiving = m_editor.receivingCompanyOf(group);
    if (receiving.isEmpty()) {
        frmCargarSucursal picker(session(), this);
        if (picker.exec() != QDialog::Accepted)
            return;
        receiving = picker.branch();
    }
    auto *window = new frmConsolidacion(session(), receiving, session().gMatriz, group,
                                        m_editor.headerDay(), nodeCode());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowFlag(Qt::Window);
    window->setWindowModality(Qt::ApplicationModal);
    window->resize(size());
    window->show();
}

void frmRegistro::DespuesDeNavegar(int action)
{
    Q_UNUSED(action);
    applyMode();
}

void frmRegistro::Descartar()
{
    if (m_editor.discard()) {
        showModel();
        showLine();
    }
}
