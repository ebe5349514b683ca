#include "ledger/accounts/ui/AccountGridPages.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/CatalogService.h"
#include "ledger/accounts/ChartOfAccounts.h"
#include "ledger/accounts/CostCentreShareModel.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QPushButton *removeButton(QWidget *parent)
{
    auto *button = new QPushButton(QStringLiteral("Quitar"), parent);
    button->setObjectName(QStringLiteral("cmdQuitar"));
    return button;
}
} // namespace

CostCentrePage::CostCentrePage(Session &session, ChartOfAccounts &chart, QWidget *parent)
    : QWidget(parent)
{
    ChartOfAccounts *c = &chart;
    txtCentroCosto = new CodeLookupEdit(
        session, ChartOfAccounts::CostCentreList,
        [c](const QString &code) {
            const auto centre = c->costCentre(code);
            return CodeLookupEdit::Check{centre ? centre->name : QString(),
                                         centre ? QString() : CatalogNoDataMessage};
        },
        this);
    txtCentroCosto->setObjectName(QStringLiteral("txtCentroCosto"));
    cmdQuitar = removeButton(this);
    m_model = new CostCentreShareModel(this);
    grdCentroCosto = new QTableView(this);
    grdCentroCosto->setObjectName(QStringLiteral("grdCentroCosto"));
    grdCentroCosto->setModel(m_model);
    grdCentroCosto->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdCentroCosto->setSelectionMode(QAbstractItemView::SingleSelection);
    grdCentroCosto->horizontalHeader()->setSectionResizeMode(CostCentreShareModel::NameColumn,
                                                             QHeaderView::Stretch);
    grdCentroCosto->verticalHeader()->setVisible(false);
    lblTotal = new QLabel(this);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotal->setMinimumWidth(90);

    auto *entry = new QHBoxLayout;
    entry->addWidget(new QLabel(QStringLiteral("Centro de costo:"), this));
    entry->addWidget(txtCentroCosto, 1);
    entry->addWidget(cmdQuitar);
    auto *total = new QHBoxLayout;
    total->addStretch();
    total->addWidget(new QLabel(QStringLiteral("Total %:"), this));
    total->addWidget(lblTotal);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addWidget(grdCentroCosto, 1);
    layout->addLayout(total);

    connect(txtCentroCosto, &CodeLookupEdit::codeAccepted, this, &CostCentrePage::add);
    connect(cmdQuitar, &QPushButton::clicked, this, &CostCentrePage::removeCurrent);
    connect(m_model, &CostCentreShareModel::totalChanged, this,
            [this] { lblTotal->setText(m_model->totalText()); });
    lblTotal->setText(m_model->totalText());
}

void CostCentrePage::setEditing(bool editing)
{
    txtCentroCosto->setEditable(editing);
    cmdQuitar->setEnabled(editing);
    m_model->setEditable(editing);
}

void CostCentrePage::setPicker(CatalogPicker *picker)
{
    txtCentroCosto->setPicker(picker);
}

void CostCentrePage::add(const QString &code, const QString &name)
{
    if (code.isEmpty())
        return;
    txtCentroCosto->clear();
    m_model->add({code, name, {}});
    // A cost centre already in the grid is not added twice: its share is what to change.
    const QModelIndex share =
        m_model->index(m_model->find(code), CostCentreShareModel::PercentageColumn);
    grdCentroCosto->setCurrentIndex(share);
    if (grdCentroCosto->isVisible())
        grdCentroCosto->edit(share);
}

void CostCentrePage::removeCurrent()
{
    const QModelIndex current = grdCentroCosto->currentIndex();
    if (current.isValid())
        m_model->removeShare(current.row());
}

ConceptPage::ConceptPage(Session &session, ChartOfAccounts &chart, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
{
    ChartOfAccounts *c = &chart;
    txtConcepto = new CodeLookupEdit(
        session, ChartOfAccounts::ConceptList,
        [c](const QString &code) {
            const auto found = c->retentionConcept(code);
            return CodeLookupEdit::Check{found ? found->description : QString(),
                                         found ? QString() : CatalogNoDataMessage};
        },
        this);
    txtConcepto->setObjectName(QStringLiteral("txtConcepto"));
    cmdQuitar = removeButton(this);
    grdConceptos = new QTableWidget(0, 2, this);
    grdConceptos->setObjectName(QStringLiteral("grdConceptos"));
    grdConceptos->setHorizontalHeaderLabels(
        {QStringLiteral("Código"), QStringLiteral("Descripción")});
    grdConceptos->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grdConceptos->verticalHeader()->setVisible(false);
    grdConceptos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdConceptos->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdConceptos->setSelectionMode(QAbstractItemView::SingleSelection);

    auto *entry = new QHBoxLayout;
    entry->addWidget(new QLabel(QStringLiteral("Concepto:"), this));
    entry->addWidget(txtConcepto, 1);
    entry->addWidget(cmdQuitar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addWidget(grdConceptos, 1);

    connect(txtConcepto, &CodeLookupEdit::codeAccepted, this, &ConceptPage::add);
    connect(cmdQuitar, &QPushButton::clicked, this, [this] {
        if (grdConceptos->currentRow() >= 0)
            grdConceptos->removeRow(grdConceptos->currentRow());
    });
}

std::vector<AccountConcept> ConceptPage::concepts() const
{
    std::vector<AccountConcept> list;
    for (int r = 0; r < grdConceptos->rowCount(); ++r)
        list.push_back({grdConceptos->item(r, 0)->text(), grdConceptos->item(r, 1)->text()});
    return list;
}

void ConceptPage::setConcepts(const std::vector<AccountConcept> &concepts)
{
    grdConceptos->setRowCount(0);
    for (const AccountConcept &c : concepts)
        append(c);
}

int ConceptPage::count() const
{
    return grdConceptos->rowCount();
}

void ConceptPage::setEditing(bool editing)
{
    txtConcepto->setEditable(editing);
    cmdQuitar->setEnabled(editing);
}

void ConceptPage::setPicker(CatalogPicker *picker)
{
    txtConcepto->setPicker(picker);
}

void ConceptPage::append(const AccountConcept &concept_)
{
    const int row = grdConceptos->rowCount();
    grdConceptos->insertRow(row);
    grdConceptos->setItem(row, 0, new QTableWidgetItem(concept_.code));
    grdConceptos->setItem(row, 1, new QTableWidgetItem(concept_.description));
}

void ConceptPage::add(const QString &code, const QString &description)
{
    if (code.isEmpty())
        return;
    txtConcepto->clear();
    for (int r = 0; r < grdConceptos->rowCount(); ++r) {
        if (grdConceptos->item(r, 0)->text() == code) {
            m_session.prompt().warning(AlreadyIncluded);
            grdConceptos->selectRow(r);
            return;
        }
    }
    append({code, description});
}
