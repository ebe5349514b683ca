#pragma once

#include "common/Money.h"
#include "common/Rate.h"

#include <QDialog>

class AmountEdit;

// The exchange rate and foreign amount of a line on an account adjusted for exchange
// difference; "Aceptar" hands both back.
class frmAjusteDifCambio : public QDialog
{
    Q_OBJECT
public:
    frmAjusteDifCambio(Rate proposedRate, Money foreign, QWidget *parent = nullptr);

    AmountEdit *txtTRM = nullptr;
    AmountEdit *txtValor = nullptr;

    Rate rate() const;
    Money foreign() const;
};
