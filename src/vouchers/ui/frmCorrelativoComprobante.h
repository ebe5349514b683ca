#pragma once

#include "common/ui/ChildWindow.h"
#include "vouchers/VoucherCounters.h"

#include <QDate>

class QComboBox;
class QLabel;
class QProgressBar;
class QSpinBox;
class QTableView;
class VoucherCounterModel;

// "Correlativos de Comprobantes": the last number each voucher type issued, per month or
// continuously, for one company and year.
class frmCorrelativoComprobante : public ChildWindow
{
    Q_OBJECT
public:
    explicit frmCorrelativoComprobante(Session &session,
                                       const QString &node = VoucherCounters::NodeCode,
                                       QWidget *parent = nullptr, QDate today = {});

    QComboBox *cmbEmpresa = nullptr;
    QSpinBox *txtAno = nullptr; // the year with its up/down control
    QTableView *SpreadCorrelativo = nullptr;
    QLabel *lblMensaje = nullptr;
    QProgressBar *ProgressBar1 = nullptr;

    VoucherCounterModel *model() const { return m_model; }
    // The company chosen; empty codes when there is none.
    VoucherCounters::Company chosenCompany() const;

public slots:
    void loadGrid();

protected:
    bool onGuardar() override;
    void onCancelar() override;
    void DespuesDeNavegar(int action) override;

private:
    // Asked before the company or year changes under unsaved counters; puts the old choice
    // back when the user keeps them.
    void choiceChanged();
    void offerSave();

    VoucherCounterModel *m_model = nullptr;
    std::vector<VoucherCounters::Company> m_companies;
    int m_shownCompany = -1;
    int m_shownYear = 0;
};
