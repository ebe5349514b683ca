#include "ledger/accounts/ui/frmCuentaContableLinea.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/ui/clsSpread.h"
#include "ledger/accounts/DetailAccountCheck.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "ledger/accounts/ui/EnterMovesFocus.h"
#include "platform/Db.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

namespace {
enum Column { CodeColumn, NameColumn, AccountColumn, AccountNameColumn };
}

frmCuentaContableLinea::frmCuentaContableLinea(Session &session, const QString &nodeCode,
                                               QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
    , m_lines(session, nodeCode)
{
    setObjectName(QStringLiteral("frmCuentaContableLinea"));
    setWindowTitle(QStringLiteral("Cuenta Contable por Categorias"));
    grdLineas = new QTableView(this);
    grdLineas->setObjectName(QStringLiteral("grdLineas"));
    grdLineas->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLineas->setSelectionMode(QAbstractItemView::SingleSelection);
    grdLineas->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLineas->verticalHeader()->setVisible(false);
    m_spread = std::make_unique<clsSpread>(grdLineas, session.prompt());
    m_spread->addGridActions(this);

    txtCodigoLinea = new QLineEdit(this);
    txtCodigoLinea->setObjectName(QStringLiteral("txtCodigoLinea"));
    txtCodigoLinea->setMaxLength(20);
    txtNombre = new QLineEdit(this);
    txtNombre->setObjectName(QStringLiteral("txtNombre"));
    txtNombre->setMaxLength(100);
    txtCuenta = salesAccountEdit(session, this);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Línea:"), txtCodigoLinea);
    form->addRow(QStringLiteral("Nombre:"), txtNombre);
    form->addRow(QStringLiteral("Cuenta contable:"), txtCuenta);
    body()->addWidget(grdLineas, 1);
    body()->addLayout(form);
    EnterMovesFocus::install(this, {txtCodigoLinea, txtNombre, txtCuenta->txtCodigo});
    resize(760, 480);

    session.gVentanaLista = true;
    RefreshRecord();
    setEditing(false, false);
    LoadToolbarOptions();
}

frmCuentaContableLinea::~frmCuentaContableLinea() = default;

CodeLookupEdit *frmCuentaContableLinea::salesAccountEdit(Session &session, QWidget *parent)
{
    Session *s = &session;
    auto *edit = new CodeLookupEdit(
        session, ProductLineAccounts::SalesAccountList,
        [s](const QString &code) {
            const auto name = ProductLineAccounts(*s).salesAccountName(code);
            return CodeLookupEdit::Check{name.value_or(QString()),
                                         name ? QString() : DetailAccountCheck::MissingMessage};
        },
        parent);
    edit->setObjectName(QStringLiteral("txtCuenta"));
    edit->txtCodigo->setMaxLength(12);
    return edit;
}

void frmCuentaContableLinea::setCatalogPicker(CatalogPicker *picker)
{
    txtCuenta->setPicker(picker);
}

bool frmCuentaContableLinea::hasRecords() const
{
    return grdLineas->model() && grdLineas->model()->rowCount() > 0;
}

QString frmCuentaContableLinea::currentCode() const
{
    const QModelIndex current = grdLineas->currentIndex();
    return current.isValid() ? current.siblingAtColumn(CodeColumn).data().toString() : QString();
}

void frmCuentaContableLinea::RefreshRecord()
{
    const QString keep = currentCode();
    try {
        m_spread->CargarDataDesdeCatalogo(session().db(), ProductLineAccounts::ListStatement);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return;
    }
    grdLineas->horizontalHeader()->setSectionResizeMode(AccountNameColumn, QHeaderView::Stretch);
    connect(grdLineas->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmCuentaContableLinea::showCurrent, Qt::UniqueConnection);
    GridModel *rows = m_spread->OrigenDeLosDatosSpread();
    rows->fetchAll();
    int row = 0;
    for (int r = 0; r < rows->rowCount(); ++r)
        if (rows->value(r, CodeColumn).toString() == keep)
            row = r;
    if (rows->rowCount() > 0)
        grdLineas->setCurrentIndex(rows->index(row, 0));
    showCurrent();
}

void frmCuentaContableLinea::showCurrent()
{
    if (m_editing)
        return;
    const QModelIndex current = grdLineas->currentIndex();
    const auto text = [&](int column) {
        return current.isValid() ? current.siblingAtColumn(column).data().toString() : QString();
    };
    txtCodigoLinea->setText(text(CodeColumn));
    txtNombre->setText(text(NameColumn));
    txtCuenta->setCode(text(AccountColumn), text(AccountNameColumn));
}

void frmCuentaContableLinea::setEditing(bool editing, bool newLine)
{
    m_editing = editing;
    m_new = newLine;
    txtCodigoLinea->setReadOnly(!(editing && newLine));
    txtNombre->setReadOnly(!editing);
    txtCuenta->setEditable(editing);
    grdLineas->setEnabled(!editing);
}

void frmCuentaContableLinea::onNuevo()
{
    setEditing(true, true);
    txtCodigoLinea->clear();
    txtNombre->clear();
    txtCuenta->clear();
    txtCodigoLinea->setFocus();
}

void frmCuentaContableLinea::onModificar()
{
    setEditing(true, false);
    txtNombre->setFocus();
}

bool frmCuentaContableLinea::onEliminar()
{
    const QString code = currentCode();
    try {
        return !code.isEmpty() && m_lines.remove(code);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
}

void frmCuentaContableLinea::onBuscar()
{
    m_spread->FindValue();
}

void frmCuentaContableLinea::onImprimir()
{
    m_spread->PrintGrid(windowTitle());
}

void frmCuentaContableLinea::onCancelar()
{
    setEditing(false, false);
    showCurrent();
}

bool frmCuentaContableLinea::onGuardar()
{
    const ProductLine line{txtCodigoLinea->text(), txtNombre->text(), txtCuenta->code(), {}};
    ProductLineAccounts::Outcome outcome;
    try {
        outcome = m_new ? m_lines.add(line) : m_lines.update(line);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
    if (outcome.result != ProductLineAccounts::Result::Saved) {
        if (outcome.field) {
            QLineEdit *box = *outcome.field == ProductLineAccounts::Field::Code ? txtCodigoLinea
                             : *outcome.field == ProductLineAccounts::Field::Name
                                 ? txtNombre
                                 : txtCuenta->txtCodigo;
            box->setFocus();
            box->selectAll();
        }
        return false;
    }
    setEditing(false, false);
    // The grid is read again by the browse state; keep the saved line selected.
    const QString saved = line.code.trimmed();
    RefreshRecord();
    GridModel *rows = m_spread->OrigenDeLosDatosSpread();
    for (int r = 0; rows && r < rows->rowCount(); ++r)
        if (rows->value(r, CodeColumn).toString() == saved)
            grdLineas->setCurrentIndex(rows->index(r, 0));
    return true;
}
