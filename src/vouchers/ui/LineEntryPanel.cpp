#include "vouchers/ui/LineEntryPanel.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/CatalogService.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "common/ui/AmountEdit.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "ledger/masterdata/ui/frmIncTercero.h"
#include "platform/Db.h"
#include "vouchers/entry/AssetRegister.h"
#include "vouchers/ui/frmActivoFijo.h"
#include "vouchers/ui/frmAjusteDifCambio.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString dateText(QDate d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

} // namespace

LineEntryPanel::LineEntryPanel(Session &session, LineEditor &editor, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_editor(editor)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    buildLineEditor();
    buildGrid();
    connectLookups();
}

void LineEntryPanel::buildLineEditor()
{
    auto *frame = new QGroupBox(QStringLiteral("Línea"), this);
    frame->setObjectName(QStringLiteral("fraLinea"));
    auto check = [this](auto apply) {
        return [this, apply](const QString &code) {
            const auto name = apply(code);
            return CodeLookupEdit::Check{name.value_or(QString()), {}, !name.has_value()};
        };
    };
    lblLinea = new QLabel(frame);
    lblLinea->setObjectName(QStringLiteral("lblLinea"));
    txtCuenta = new CodeLookupEdit(
        m_session, EntryLookups::accountCatalog(), check([this](const QString &code) {
            if (m_editor.setAccount(code) != LineEditor::AccountCheck::Accepted)
                return std::optional<QString>();
            QTimer::singleShot(0, this, &LineEntryPanel::accountTaken);
            return std::optional<QString>(m_editor.line().account.name);
        }),
        frame);
    txtCuenta->setParameters(
        [](const QString &typed) { return QVariantList{typed + '%', typed + '%'}; });
    txtTercero = new CodeLookupEdit(
        m_session, EntryLookups::partyCatalog(), check([this](const QString &code) {
            auto answer = m_editor.setParty(code);
            if (answer == LineEditor::PartyCheck::Create) {
                QString created;
                if (m_partyDialog) {
                    created = m_partyDialog(code);
                } else {
                    frmIncTercero dialog(m_session, code, this);
                    if (dialog.exec() == QDialog::Accepted && dialog.tercero())
                        created = dialog.tercero()->codigo;
                }
                answer = created.isEmpty() ? LineEditor::PartyCheck::Refused
                                           : m_editor.setParty(created);
                if (answer == LineEditor::PartyCheck::Accepted)
                    QTimer::singleShot(0, this, [this, created] {
                        txtTercero->setCode(created, m_editor.line().party.name);
                    });
            }
            QTimer::singleShot(0, this, &LineEntryPanel::showLine);
            return answer == LineEditor::PartyCheck::Accepted
                       ? std::optional<QString>(m_editor.line().party.name)
                       : std::nullopt;
        }),
        frame);
    txtTipoDocumento = new CodeLookupEdit(
        m_session, EntryLookups::documentTypeCatalog(), check([this](const QString &code) {
            return m_editor.setDocumentType(code)
                       ? std::optional<QString>(m_editor.line().documentTypeName)
                       : std::nullopt;
        }),
        frame);
    txtConcepto = new CodeLookupEdit(
        m_session, EntryLookups::conceptCatalog(), check([this](const QString &code) {
            return m_editor.setConcept(code) ? std::optional<QString>(m_editor.line().conceptName)
                                             : std::nullopt;
        }),
        frame);
    txtConcepto->setParameters([this](const QString &typed) {
        return QVariantList{m_editor.line().account.code, typed + '%'};
    });
    txtDocumento = new QLineEdit(frame);
    txtDocumento->setObjectName(QStringLiteral("txtDocumento"));
    txtDocumento->setMaxLength(20);
    txtDocumento->setToolTip(QStringLiteral("F2: documentos pendientes"));
    txtDocumento2 = new QLineEdit(frame);
    txtDocumento3 = new QLineEdit(frame);
    for (QLineEdit *e : {txtDocumento2, txtDocumento3})
        e->setMaxLength(20);
    cmbTipo = new QComboBox(frame);
    cmbDestino = new QComboBox(frame);
    if (const auto &lists = m_editor.valueLists()) {
        for (const auto &[code, name] : lists->tipo)
            cmbTipo->addItem(name, code);
        for (const auto &[code, name] : lists->destino)
            cmbDestino->addItem(name, code);
    }
    txtFechaDoc = new QLineEdit(frame);
    txtFechaDoc->setObjectName(QStringLiteral("txtFechaDoc"));
    txtFechaDoc->setPlaceholderText(QStringLiteral("dd/mm/aaaa"));
    txtFechaDoc->setInputMask(QStringLiteral("00/00/0000;_"));
    txtDescripcion = new QLineEdit(frame);
    txtDescripcion->setObjectName(QStringLiteral("txtDescripcion"));
    txtDescripcion->setMaxLength(255);
    txtDebito = new AmountEdit(frame);
    txtDebito->setObjectName(QStringLiteral("txtDebito"));
    txtCredito = new AmountEdit(frame);
    txtCredito->setObjectName(QStringLiteral("txtCredito"));

    auto *grid = new QGridLayout(frame);
    int r = 0;
    auto label = [frame](const char *text) { return new QLabel(QString::fromUtf8(text), frame); };
    grid->addWidget(label("Línea"), r, 0);
    grid->addWidget(lblLinea, r, 1);
    grid->addWidget(label("Cuenta"), ++r, 0);
    grid->addWidget(txtCuenta, r, 1, 1, 3);
    grid->addWidget(label("Tercero"), ++r, 0);
    grid->addWidget(txtTercero, r, 1, 1, 3);
    grid->addWidget(label("Documento"), ++r, 0);
    grid->addWidget(txtTipoDocumento, r, 1);
    grid->addWidget(label("Número"), r, 2);
    grid->addWidget(txtDocumento, r, 3);
    grid->addWidget(label("Anexos"), ++r, 0);
    auto *annex = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{txtDocumento2, txtDocumento3, cmbTipo,
                                                       cmbDestino})
        annex->addWidget(w);
    grid->addLayout(annex, r, 1);
    grid->addWidget(label("Fecha Doc."), r, 2);
    grid->addWidget(txtFechaDoc, r, 3);
    grid->addWidget(label("Retención"), ++r, 0);
    grid->addWidget(txtConcepto, r, 1, 1, 3);
    grid->addWidget(label("Descripción"), ++r, 0);
    grid->addWidget(txtDescripcion, r, 1, 1, 3);
    grid->addWidget(label("Débito"), ++r, 0);
    grid->addWidget(txtDebito, r, 1);
    grid->addWidget(label("Crédito"), r, 2);
    grid->addWidget(txtCredito, r, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    m_layout->addWidget(frame);
    txtDocumento->installEventFilter(this);
}

void LineEntryPanel::buildGrid()
{
    sprRegistro = new QTableWidget(this);
    sprRegistro->setObjectName(QStringLiteral("sprRegistro"));
    sprRegistro->setColumnCount(10);
    sprRegistro->setHorizontalHeaderLabels(
        {QStringLiteral("Línea"), QStringLiteral("Cuenta"), QStringLiteral("Nombre"),
         QStringLiteral("Tercero"), QStringLiteral("Doc."), QStringLiteral("Número"),
         QStringLiteral("C. Costo"), QStringLiteral("Débito"), QStringLiteral("Crédito"),
         QStringLiteral("Descripción")});
    sprRegistro->setSelectionBehavior(QAbstractItemView::SelectRows);
    sprRegistro->setSelectionMode(QAbstractItemView::SingleSelection);
    sprRegistro->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sprRegistro->verticalHeader()->hide();
    sprRegistro->horizontalHeader()->setStretchLastSection(true);
    m_layout->addWidget(sprRegistro, 1);

    lblTotalDebito = new QLabel(this);
    lblTotalDebito->setObjectName(QStringLiteral("lblTotalDebito"));
    lblTotalCredito = new QLabel(this);
    lblTotalCredito->setObjectName(QStringLiteral("lblTotalCredito"));
    lblDiferencia = new QLabel(this);
    lblDiferencia->setObjectName(QStringLiteral("lblDiferencia"));
    lblDiferencia->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
    for (QLabel *l : {lblTotalDebito, lblTotalCredito}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFrameShape(QFrame::StyledPanel);
        l->setMinimumWidth(140);
    }
    auto *totals = new QHBoxLayout;
    totalsRow = totals;
    totals->addWidget(lblDiferencia, 1);
    totals->addWidget(new QLabel(QStringLiteral("Totales"), this));
    totals->addWidget(lblTotalDebito);
    totals->addWidget(lblTotalCredito);
    m_layout->addLayout(totals);
    connect(sprRegistro, &QTableWidget::cellDoubleClicked, this,
            [this] { emit modifyRequested(); });
}

void LineEntryPanel::connectLookups()
{
    connect(txtDocumento, &QLineEdit::returnPressed, this, [this] {
        readLine();
        m_editor.checkDocument();
    });
}

void LineEntryPanel::setCatalogPicker(CatalogPicker *picker)
{
    m_picker = picker;
    for (CodeLookupEdit *e : {txtCuenta, txtTercero, txtTipoDocumento, txtConcepto})
        e->setPicker(picker);
}

void LineEntryPanel::accountTaken()
{
    EntryLine &line = m_editor.line();
    if (m_editor.needsAsset()) {
        std::optional<AssetData> asset;
        if (m_assetDialog) {
            asset = m_assetDialog(line.asset);
        } else {
            const auto categories = AssetRegister::categories(m_session.db());
            frmActivoFijo dialog(
                line.account.code, line.account.name, categories, line.asset,
                [this](const QString &serial) { return m_editor.findAsset(serial); },
                [this]() {
                    CatalogWindowPicker window(m_session.prompt(), this);
                    CatalogPicker &picker = m_picker ? *m_picker : window;
                    const CatalogResult picked = ShowCatalog(
                        m_session.db(), m_session.prompt(), picker,
                        {m_editor.area().company(), m_editor.area().headOffice()},
                        AssetRegister::catalog());
                    return picked.element(1);
                },
                this);
            if (dialog.exec() == QDialog::Accepted)
                asset = dialog.asset();
        }
        if (asset)
            line.asset = *asset;
    }
    if (m_editor.needsRate()) {
        const Rate proposed = line.trm.isZero() ? m_editor.proposedRate() : line.trm;
        std::optional<std::pair<Rate, Money>> rate;
        if (m_rateDialog) {
            rate = m_rateDialog(proposed, line.foreign);
        } else {
            frmAjusteDifCambio dialog(proposed, line.foreign, this);
            if (dialog.exec() == QDialog::Accepted)
                rate = std::make_pair(dialog.rate(), dialog.foreign());
        }
        if (rate) {
            line.trm = rate->first;
            line.foreign = rate->second;
        }
    }
    readLine();
    showLine();
}

int LineEntryPanel::selectedGroup() const
{
    const int row = sprRegistro->currentRow();
    const auto &rows = m_editor.rows();
    return row >= 0 && row < int(rows.size()) ? rows[size_t(row)].grupoLinea : 0;
}

void LineEntryPanel::showLine()
{
    const EntryLine &l = m_editor.line();
    const bool editing = m_editor.mode() != LineEditor::Mode::Browse;
    lblLinea->setText(editing ? QString::number(l.linea) : QString());
    txtCuenta->setCode(l.account.code, l.account.name);
    txtTercero->setCode(l.party.code, l.party.name);
    txtTipoDocumento->setCode(l.documentType, l.documentTypeName);
    txtDocumento->setText(l.document);
    txtDocumento2->setText(l.documento2);
    txtDocumento3->setText(l.documento3);
    cmbTipo->setCurrentIndex(cmbTipo->findData(l.outflowType));
    cmbDestino->setCurrentIndex(cmbDestino->findData(l.destination));
    txtFechaDoc->setText(dateText(l.fechaDoc));
    txtConcepto->setCode(l.retentionConcept, l.conceptName);
    txtDescripcion->setText(l.descripcion);
    txtDebito->setMoney(l.debit);
    txtCredito->setMoney(l.credit);
    applyFields();
    emit changed();
}

void LineEntryPanel::readLine()
{
    EntryLine &l = m_editor.line();
    l.document = txtDocumento->text().trimmed();
    l.documento2 = txtDocumento2->text().trimmed();
    l.documento3 = txtDocumento3->text().trimmed();
    l.outflowType = cmbTipo->isVisible() ? cmbTipo->currentData().toString() : QString();
    l.destination = cmbDestino->isVisible() ? cmbDestino->currentData().toString() : QString();
    l.fechaDoc = QDate::fromString(txtFechaDoc->text(), QStringLiteral("dd/MM/yyyy"));
    l.descripcion = txtDescripcion->text().trimmed();
    l.debit = txtDebito->money();
    l.credit = txtCredito->money();
}

bool LineEntryPanel::focusField(EntryField field)
{
    QLineEdit *box = nullptr;
    switch (field) {
    case EntryField::OutflowType:
        cmbTipo->setFocus();
        return true;
    case EntryField::Destination:
        cmbDestino->setFocus();
        return true;
    case EntryField::VoucherType:
    case EntryField::Day:
        return false; // the window's header

    case EntryField::Account:
    case EntryField::Asset:
        box = txtCuenta->txtCodigo;
        break;
    case EntryField::Party:
        box = txtTercero->txtCodigo;
        break;
    case EntryField::DocumentType:
        box = txtTipoDocumento->txtCodigo;
        break;
    case EntryField::Document:
        box = txtDocumento;
        break;
    case EntryField::Concept:
        box = txtConcepto->txtCodigo;
        break;
    case EntryField::Debit:
        box = txtDebito;
        break;
    }
    box->setFocus();
    box->selectAll();
    return true;
}

void LineEntryPanel::lookupOpenDocuments()
{
    if (!txtDocumento->isEnabled())
        return;
    readLine();
    CatalogWindowPicker window(m_session.prompt(), this);
    CatalogPicker &picker = m_picker ? *m_picker : window;
    CatalogResult picked;
    try {
        picked = ShowCatalog(m_session.db(), m_session.prompt(), picker,
                             m_editor.openDocumentParameters(),
                             EntryLookups::openDocumentsCatalog(), {QStringLiteral("Saldo")});
    } catch (const DbError &e) {
        m_session.prompt().error(e.userText());
        return;
    }
    if (!picked.picked())
        return;
    m_editor.setDocumentType(picked.element(1));
    m_editor.line().document = picked.element(2);
    txtTipoDocumento->setCode(m_editor.line().documentType, m_editor.line().documentTypeName);
    txtDocumento->setText(picked.element(2));
}

bool LineEntryPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtDocumento && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_F2) {
        lookupOpenDocuments();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void LineEntryPanel::showModel()
{
    const QLocale locale;
    const auto &rows = m_editor.rows();
    sprRegistro->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const WorkAreaRow &r = rows[size_t(i)];
        const QStringList cells{QString::number(r.linea),
                                r.cuenta,
                                r.cuentaNombre,
                                r.tercero == QLatin1String("*") ? QString() : r.terceroNombre,
                                r.tipoDocumento == QLatin1String("*") ? QString() : r.tipoDocumento,
                                r.documento,
                                r.centroCosto == QLatin1String("*") ? QString() : r.centroCosto,
                                r.valorDebito.format(locale),
                                r.valorCredito.format(locale),
                                r.descripcion};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c == 7 || c == 8)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            sprRegistro->setItem(i, c, item);
        }
    }
    sprRegistro->resizeColumnsToContents();
    lblTotalDebito->setText(m_editor.totals().debit.format(locale));
    lblTotalCredito->setText(m_editor.totals().credit.format(locale));
    lblDiferencia->setText(m_editor.totals().differenceText(locale));
}

void LineEntryPanel::applyFields()
{
    const bool editing = m_editor.mode() != LineEditor::Mode::Browse;
    const EntryLine &l = m_editor.line();
    auto enable = [editing](QWidget *w, bool on) { w->setEnabled(editing && on); };
    enable(txtCuenta, m_editor.mode() == LineEditor::Mode::New ||
                          m_editor.mode() == LineEditor::Mode::Modify);
    txtCuenta->setEditable(m_editor.mode() == LineEditor::Mode::New);
    enable(txtTercero, l.partyEnabled());
    enable(txtTipoDocumento, l.documentEnabled());
    enable(txtDocumento, l.documentEnabled());
    const bool lists = m_editor.listsShown();
    enable(txtDocumento2, l.annexEnabled());
    enable(txtDocumento3, l.annexEnabled());
    txtDocumento2->setVisible(!lists);
    txtDocumento3->setVisible(!lists);
    cmbTipo->setVisible(lists);
    cmbDestino->setVisible(lists);
    enable(cmbTipo, true);
    enable(cmbDestino, true);
    enable(txtFechaDoc, l.documentEnabled());
    enable(txtConcepto, l.conceptEnabled());
    for (QWidget *w : std::initializer_list<QWidget *>{txtDescripcion, txtDebito, txtCredito})
        enable(w, true);
    sprRegistro->setEnabled(!editing);
}
