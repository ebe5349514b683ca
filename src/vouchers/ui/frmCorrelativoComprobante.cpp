#include "vouchers/ui/frmCorrelativoComprobante.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/DbError.h"
#include "vouchers/VoucherCounterModel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>

frmCorrelativoComprobante::frmCorrelativoComprobante(Session &session, const QString &node,
                                                     QWidget *parent, QDate today)
    : ChildWindow(session, node, parent)
{
    setObjectName(QStringLiteral("frmCorrelativoComprobante"));
    setWindowTitle(QStringLiteral("Correlativos de Comprobantes"));

    cmbEmpresa = new QComboBox(this);
    cmbEmpresa->setObjectName(QStringLiteral("cmbEmpresa"));
    cmbEmpresa->setMinimumWidth(320);
    txtAno = new QSpinBox(this);
    txtAno->setObjectName(QStringLiteral("txtAno"));
    txtAno->setRange(1900, 9999);
    // A year is read once it is complete, not after every digit.
    txtAno->setKeyboardTracking(false);
    txtAno->setValue(session.gAno > 0 ? session.gAno
                                      : (today.isValid() ? today : QDate::currentDate()).year());

    m_model = new VoucherCounterModel(this);
    SpreadCorrelativo = new QTableView(this);
    SpreadCorrelativo->setObjectName(QStringLiteral("SpreadCorrelativo"));
    SpreadCorrelativo->setModel(m_model);
    SpreadCorrelativo->setSelectionMode(QAbstractItemView::SingleSelection);
    SpreadCorrelativo->setEditTriggers(QAbstractItemView::AllEditTriggers);
    SpreadCorrelativo->verticalHeader()->setVisible(false);
    SpreadCorrelativo->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    SpreadCorrelativo->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    lblMensaje = new QLabel(this);
    lblMensaje->setObjectName(QStringLiteral("lblMensaje"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setVisible(false);

    auto *head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("Empresa:"), this));
    head->addWidget(cmbEmpresa);
    head->addSpacing(16);
    head->addWidget(new QLabel(QStringLiteral("Año:"), this));
    head->addWidget(txtAno);
    head->addStretch(1);
    body()->addLayout(head);
    body()->addWidget(SpreadCorrelativo, 1);
    auto *foot = new QHBoxLayout;
    foot->addWidget(lblMensaje);
    foot->addWidget(ProgressBar1, 1);
    body()->addLayout(foot);
    resize(1100, 420);

    try {
        m_companies = VoucherCounters(session, node).companies();
        int own = -1;
        for (const auto &company : m_companies) {
            if (company.codigo == session.gEmpresa && company.matriz == session.gMatriz)
                own = cmbEmpresa->count();
            cmbEmpresa->addItem(company.key() + QStringLiteral(" - ") + company.nombre);
        }
        cmbEmpresa->setCurrentIndex(own >= 0 ? own : 0);
        loadGrid();
    } catch (const DbError &e) {
        session.prompt().error(e.userText());
    }

    connect(cmbEmpresa, &QComboBox::currentIndexChanged, this,
            &frmCorrelativoComprobante::choiceChanged);
    connect(txtAno, &QSpinBox::valueChanged, this, &frmCorrelativoComprobante::choiceChanged);

    LoadToolbarOptions();
    offerSave();
}

VoucherCounters::Company frmCorrelativoComprobante::chosenCompany() const
{
    const int i = cmbEmpresa->currentIndex();
    return i >= 0 && i < int(m_companies.size()) ? m_companies[size_t(i)]
                                                 : VoucherCounters::Company{};
}

void frmCorrelativoComprobante::choiceChanged()
{
    if (m_model->isModified() && !session().prompt().question(VoucherCounters::DiscardText)) {
        const QSignalBlocker companyBlocker(cmbEmpresa);
        const QSignalBlocker yearBlocker(txtAno);
        cmbEmpresa->setCurrentIndex(m_shownCompany);
        txtAno->setValue(m_shownYear);
        return;
    }
    loadGrid();
}

void frmCorrelativoComprobante::loadGrid()
{
    m_shownCompany = cmbEmpresa->currentIndex();
    m_shownYear = txtAno->value();
    lblMensaje->clear();
    const VoucherCounters::Company company = chosenCompany();
    if (company.codigo.isEmpty()) {
        m_model->setRows({});
        return;
    }
    try {
        m_model->setRows(VoucherCounters(session(), nodeCode()).load(company, m_shownYear));
    } catch (const DbError &e) {
        m_model->setRows({});
        session().prompt().error(e.userText());
    }
}

bool frmCorrelativoComprobante::onGuardar()
{
    // A cell still being typed in counts as typed: taking the focus from its editor hands
    // the text to the grid.
    if (QWidget *focus = QApplication::focusWidget();
        focus && SpreadCorrelativo->viewport()->isAncestorOf(focus))
        SpreadCorrelativo->setFocus();
    lblMensaje->setText(QStringLiteral("Guardando la información..."));
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(true);
    lblMensaje->repaint();
    VoucherCounters counters(session(), nodeCode());
    const auto result =
        counters.save(chosenCompany(), txtAno->value(), m_model->rows(),
                      [this](int done, int total) {
                          ProgressBar1->setMaximum(total);
                          ProgressBar1->setValue(done);
                          ProgressBar1->repaint();
                      });
    ProgressBar1->setVisible(false);
    if (result != VoucherCounters::Result::Saved) {
        lblMensaje->clear();
        // What was typed stays; the counter that was refused is put in front of the user.
        if (const auto &refusal = counters.refusal()) {
            const QModelIndex cell = m_model->counterIndex(refusal->row, refusal->month);
            SpreadCorrelativo->setCurrentIndex(cell);
            SpreadCorrelativo->scrollTo(cell);
        }
        return false;
    }
    loadGrid();
    lblMensaje->setText(QStringLiteral("Información completada.."));
    return true;
}

void frmCorrelativoComprobante::onCancelar()
{
    loadGrid();
}

void frmCorrelativoComprobante::DespuesDeNavegar(int action)
{
    // The grid is always open for changes: saving or discarding keeps the save on offer.
    if (action == Guardar || action == Cancelar)
        offerSave();
}

void frmCorrelativoComprobante::offerSave()
{
    for (const char *key : {"Guardar", "Cancelar"})
        if (QAction *a = button(QLatin1String(key)); a && a->isVisible())
            a->setEnabled(true);
}
