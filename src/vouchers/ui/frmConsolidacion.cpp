#include "vouchers/ui/frmConsolidacion.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "platform/Db.h"
#include "vouchers/ui/LineEntryPanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>

frmConsolidacion::frmConsolidacion(Session &session, const QString &receivingCompany,
                                   const QString &receivingHeadOffice, int originLine,
                                   const QString &day, const QString &nodeCode, QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
    , m_editor(session,
               WorkArea::consolidacion(session.gUsuario, session.gEmpresa, session.gMatriz,
                                       receivingCompany, receivingHeadOffice, originLine),
               nodeCode)
{
    setObjectName(QStringLiteral("frmConsolidacion"));
    setWindowTitle(QStringLiteral("Consolidación"));
    LoadToolbarOptions();
    // Approval and the search of posted vouchers belong to the entry window.
    for (const char *key : {"Buscar", "Aprobar"})
        if (QAction *a = button(QLatin1String(key)))
            a->setVisible(false);
    lblComprobante = new QLabel(this);
    lblComprobante->setObjectName(QStringLiteral("lblComprobante"));
    lblEmpresa = new QLabel(this);
    lblEmpresa->setObjectName(QStringLiteral("lblEmpresa"));
    txtDia = new QLineEdit(this);
    txtDia->setMaxLength(2);
    txtDia->setValidator(new QIntValidator(1, 31, txtDia));
    txtDia->setFixedWidth(txtDia->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    auto *header = new QHBoxLayout;
    header->addWidget(new QLabel(QStringLiteral("Comprobante"), this));
    header->addWidget(lblComprobante, 1);
    header->addWidget(new QLabel(QStringLiteral("Empresa"), this));
    header->addWidget(lblEmpresa, 1);
    header->addWidget(new QLabel(QStringLiteral("Día"), this));
    header->addWidget(txtDia);
    body()->addLayout(header);
    panel = new LineEntryPanel(session, m_editor, this);
    body()->addWidget(panel, 1);
    panel->sprRegistro->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel->sprRegistro, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) {
                QMenu menu(this);
                menu.addAction(QStringLiteral("BuscarV"), this, &frmConsolidacion::BuscarV);
                menu.addAction(QStringLiteral("IrAFila"), this, &frmConsolidacion::IrAFila);
                menu.exec(panel->sprRegistro->viewport()->mapToGlobal(at));
            });
    connect(panel, &LineEntryPanel::changed, this, &frmConsolidacion::applyMode);
    connect(panel, &LineEntryPanel::modifyRequested, this,
            [this] { ToolbarAction(QStringLiteral("Modificar")); });
    connect(txtDia, &QLineEdit::editingFinished, this,
            [this] { m_editor.setDay(txtDia->text()); });
    try {
        m_editor.open();
        if (m_editor.headerDay().isEmpty())
            m_editor.setDay(day);
    } catch (const DbError &e) {
        session.prompt().error(e.userText());
    }
    lblEmpresa->setText(
        session.db()
            .scalar(QStringLiteral("SELECT Nombre FROM EMPRESA WHERE Codigo = ? AND CodigoMatriz = ?"),
                    {receivingCompany, receivingHeadOffice})
            .toString());
    showModel();
    applyMode();
}

void frmConsolidacion::showModel()
{
    panel->showModel();
    const LineVoucherType &type = m_editor.voucherType();
    lblComprobante->setText(type.isSet() ? type.code + QStringLiteral(" - ") + type.name : QString());
    txtDia->setText(m_editor.headerDay());
}

void frmConsolidacion::applyMode()
{
    const bool editing = m_editor.mode() != LineEditor::Mode::Browse;
    txtDia->setReadOnly(m_editor.headerLocked());
    panel->applyFields();
    SetToolbarState(editing ? Editing : Browsing);
    const bool lines = !m_editor.rows().empty();
    for (const char *key : {"Modificar", "Eliminar"})
        if (QAction *a = button(QLatin1String(key)))
            a->setEnabled(!editing && lines);
}

void frmConsolidacion::onNuevo()
{
    m_editor.setDay(txtDia->text());
    if (m_editor.startNew())
        panel->showLine();
    panel->txtCuenta->txtCodigo->setFocus();
}

void frmConsolidacion::onModificar()
{
    if (m_editor.startModify(panel->selectedGroup()))
        panel->showLine();
}

void frmConsolidacion::ConfirmDelete()
{
    if (m_editor.removeLine(panel->selectedGroup()))
        showModel();
}

void frmConsolidacion::onCancelar()
{
    m_editor.cancel();
    panel->showLine();
}

bool frmConsolidacion::onGuardar()
{
    panel->readLine();
    m_editor.setDay(txtDia->text());
    const auto outcome = m_editor.save();
    if (outcome.error) {
        if (!panel->focusField(outcome.error->field))
            txtDia->setFocus();
        return false;
    }
    showModel();
    panel->showLine();
    return m_editor.mode() == LineEditor::Mode::Browse;
}

void frmConsolidacion::DespuesDeNavegar(int action)
{
    Q_UNUSED(action);
    applyMode();
}

void frmConsolidacion::BuscarV()
{
    const auto wanted = session().prompt().input(QStringLiteral("Valor a buscar:"),
                                                 QStringLiteral("BuscarV"));
    if (!wanted || wanted->trimmed().isEmpty())
        return;
    QTableWidget *grid = panel->sprRegistro;
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            if (grid->item(r, c) &&
                grid->item(r, c)->text().contains(wanted->trimmed(), Qt::CaseInsensitive)) {
                grid->setCurrentCell(r, c);
                return;
            }
}

void frmConsolidacion::IrAFila()
{
    const auto row = session().prompt().input(QStringLiteral("Fila:"), QStringLiteral("IrAFila"));
    bool ok = false;
    const int n = row ? row->trimmed().toInt(&ok) : 0;
    if (ok && n >= 1 && n <= panel->sprRegistro->rowCount())
        panel->sprRegistro->selectRow(n - 1);
}
