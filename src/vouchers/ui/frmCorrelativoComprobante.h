#pragma once

#include "common/ui/YearGridWindow.h"
#include "vouchers/VoucherCounters.h"

#include <QDate>

class QTableView;
class VoucherCounterModel;

// "Correlativos de Comprobantes": the last number each voucher type issued, per month or
// continuously, for one company and year.
class frmCorrelativoComprobante : public YearGridWindow
{
    Q_OBJECT
public:
    explicit frmCorrelativoComprobante(Session &session,
                                       const QString &node = VoucherCounters::NodeCode,
                                       QWidget *parent = nullptr, QDate today = {});

    QTableView *SpreadCorrelativo = nullptr;

    VoucherCounterModel *model() const { return m_model; }
    // The company chosen; empty codes when there is none.
    VoucherCounters::Company chosenCompany() const;

public slots:
    void loadGrid();

protected:
    bool onGuardar() override;
    void onCancelar() override;

private:
    // Asked before the company or year changes under unsaved counters; puts the old choice
    // back when the user keeps them.
    void choiceChanged();

    VoucherCounterModel *m_model = nullptr;
    std::vector<VoucherCounters::Company> m_companies;
    int m_shownCompany = -1;
    int m_shownYear = 0;
};
