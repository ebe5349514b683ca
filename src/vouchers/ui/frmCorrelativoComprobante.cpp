#include "vouchers/ui/frmCorrelativoComprobante.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/ui/WholeNumberDelegate.h"
#include "platform/DbError.h"
#include "vouchers/VoucherCounterModel.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>

frmCorrelativoComprobante::frmCorrelativoComprobante(Session &session, const QString &node,
                                                     QWidget *parent, QDate today)
    : YearGridWindow(session, node, parent,
                     session.gAno > 0 ? session.gAno
                                      : (today.isValid() ? today : QDate::currentDate()).year(),
                     QStringLiteral("SpreadCorrelativo"))
{
    setObjectName(QStringLiteral("frmCorrelativoComprobante"));
    setWindowTitle(QStringLiteral("Correlativos de Comprobantes"));

    m_model = new VoucherCounterModel(this);
    setGridModel(m_model);
    SpreadCorrelativo = grid();
    SpreadCorrelativo->setEditTriggers(QAbstractItemView::AllEditTriggers);
    SpreadCorrelativo->setItemDelegate(new WholeNumberDelegate(SpreadCorrelativo));
    // Sixteen columns do not fit a window: names are shown whole and the grid scrolls.
    SpreadCorrelativo->setWordWrap(false);
    SpreadCorrelativo->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    resize(980, 420);

    try {
        m_companies = VoucherCounters(session, node).companies();
        int own = -1;
        for (const auto &company : m_companies) {
            if (company.codigo == session.gEmpresa && company.matriz == session.gMatriz)
                own = cmbEmpresa->count();
            cmbEmpresa->addItem(company.caption());
        }
        cmbEmpresa->setCurrentIndex(own >= 0 ? own : 0);
        loadGrid();
    } catch (const DbError &e) {
        session.prompt().error(e.userText());
    }

    connect(cmbEmpresa, &QComboBox::currentIndexChanged, this,
            &frmCorrelativoComprobante::choiceChanged);
    connect(txtAno, &QSpinBox::valueChanged, this, &frmCorrelativoComprobante::choiceChanged);

    finishSetup();
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
    const auto progress = beginSaving();
    VoucherCounters counters(session(), nodeCode());
    const auto result = counters.save(chosenCompany(), txtAno->value(), m_model->rows(), progress);
    endSaving();
    if (result != VoucherCounters::Result::Saved) {
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
