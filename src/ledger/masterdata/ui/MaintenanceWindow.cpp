#include "ledger/masterdata/ui/MaintenanceWindow.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/CatalogService.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "common/report/ui/WorkstationReportOutput.h"
#include "ledger/masterdata/ConceptMaintenance.h"
#include "ledger/masterdata/ui/MaintenanceForm.h"
#include "platform/Db.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

MaintenanceWindow::MaintenanceWindow(Session &session, const QString &nodeCode,
                                     std::unique_ptr<TableMaintenance> service, QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
    , m_service(std::move(service))
{
    setWindowTitle(m_service->table().caption);
    grdLista = new QTableWidget(0, 2, this);
    grdLista->setObjectName(QStringLiteral("grdLista"));
    const auto &fields = m_service->table().fields;
    grdLista->setHorizontalHeaderLabels(
        {fields.front().caption, fields.size() > 1 ? fields[1].caption : QString()});
    grdLista->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLista->setSelectionMode(QAbstractItemView::SingleSelection);
    grdLista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLista->verticalHeader()->hide();
    grdLista->setWordWrap(false);
    grdLista->horizontalHeader()->setStretchLastSection(true);
    grdLista->setMinimumWidth(160);
    m_form = new MaintenanceForm(*m_service, this);
    addListAndForm(grdLista, m_form, 300);
    resize(fields.size() <= 3 ? 760 : 960, 380);

    connect(grdLista, &QTableWidget::currentCellChanged, this, [this](int r) {
        if (r >= 0 && r != m_currentRow && grdLista->isEnabled())
            showCode(grdLista->item(r, 0)->text());
    });
    connect(m_form, &MaintenanceForm::accountLookupRequested, this,
            &MaintenanceWindow::pickAccount);

    session.gVentanaLista = true;
    session.gConsultaLista = m_service->listQuery();
    try {
        loadList();
        showCode(QString());
    } catch (const DbError &e) {
        session.prompt().error(e.userText());
    }
    setEditing(false);
    LoadToolbarOptions();
}

MaintenanceWindow::~MaintenanceWindow() = default;

CatalogPicker &MaintenanceWindow::picker()
{
    if (m_picker)
        return *m_picker;
    if (!m_ownPicker)
        m_ownPicker = std::make_unique<CatalogWindowPicker>(session().prompt(), this);
    return *m_ownPicker;
}

ReportOutput &MaintenanceWindow::output()
{
    if (m_output)
        return *m_output;
    if (!m_ownOutput)
        m_ownOutput = std::make_unique<WorkstationReportOutput>(session().prompt(), window());
    return *m_ownOutput;
}

void MaintenanceWindow::loadList()
{
    const auto rows = m_service->list();
    const QSignalBlocker block(grdLista);
    grdLista->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        grdLista->setItem(i, 0, new QTableWidgetItem(rows[size_t(i)].code));
        grdLista->setItem(i, 1, new QTableWidgetItem(rows[size_t(i)].name));
    }
    grdLista->resizeColumnToContents(0);
}

bool MaintenanceWindow::hasRecords() const
{
    return grdLista->rowCount() > 0;
}

void MaintenanceWindow::showCode(const QString &code)
{
    int row = -1;
    for (int i = 0; i < grdLista->rowCount(); ++i)
        if (grdLista->item(i, 0)->text() == code)
            row = i;
    if (row < 0 && grdLista->rowCount() > 0)
        row = qBound(0, m_currentRow, grdLista->rowCount() - 1);
    m_currentRow = row;
    m_current = row < 0 ? QString() : grdLista->item(row, 0)->text();
    {
        const QSignalBlocker block(grdLista);
        grdLista->setCurrentCell(row, 0);
    }
    const std::optional<MasterRecord> record =
        m_current.isEmpty() ? std::nullopt : m_service->load(m_current);
    if (record)
        m_form->showRecord(*record);
    else
        m_form->clear();
}

void MaintenanceWindow::RefreshRecord()
{
    try {
        m_form->reloadChoices();
        loadList();
        showCode(m_current);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void MaintenanceWindow::setEditing(bool editing, bool keyEditable)
{
    m_form->setEditable(editing, keyEditable);
    grdLista->setEnabled(!editing);
}

void MaintenanceWindow::onNuevo()
{
    m_adding = true;
    m_form->reloadChoices();
    m_form->clear();
    setEditing(true, true);
    m_form->focusField(m_service->table().codeField().column);
}

void MaintenanceWindow::onModificar()
{
    m_adding = false;
    setEditing(true, false);
    if (m_service->table().fields.size() > 1)
        m_form->focusField(m_service->table().fields[1].column);
}

void MaintenanceWindow::onCancelar()
{
    setEditing(false);
    showCode(m_current);
}

bool MaintenanceWindow::onGuardar()
{
    MasterRecord record = m_form->record();
    TableMaintenance::Outcome outcome;
    try {
        outcome = m_service->save(record, m_adding ? TableMaintenance::Mode::New
                                                   : TableMaintenance::Mode::Modify);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
    if (!outcome.saved) {
        m_form->takeFlag(record, outcome.field);
        m_form->focusField(outcome.field);
        return false;
    }
    m_current = record.text(m_service->table().codeField().column);
    m_currentRow = -1;
    setEditing(false);
    return true;
}

bool MaintenanceWindow::onEliminar()
{
    return !m_current.isEmpty() && m_service->remove(m_current);
}

void MaintenanceWindow::onBuscar()
{
    try {
        const CatalogResult picked =
            ShowCatalog(session().db(), session().prompt(), picker(), {}, m_service->listQuery());
        if (picked.picked())
            showCode(picked.element(1));
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void MaintenanceWindow::onImprimir()
{
    try {
        m_service->print(output(), m_current);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void MaintenanceWindow::pickAccount(const QString &column)
{
    QLineEdit *edit = m_form->lineEdit(column);
    if (!edit || !edit->isEnabled())
        return;
    try {
        const CatalogResult picked = ShowCatalog(session().db(), session().prompt(), picker(),
                                                 {edit->text().trimmed() + QStringLiteral("%")},
                                                 ConceptMaintenance::AccountLookupQuery());
        if (picked.picked())
            edit->setText(picked.element(1));
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

QString MaintenanceWindow::recordToDelete() const
{
    const auto &fields = m_service->table().fields;
    QString text = m_current;
    if (fields.size() > 1)
        if (QLineEdit *name = m_form->lineEdit(fields[1].column))
            text += QStringLiteral(" ") + name->text();
    return text;
}
