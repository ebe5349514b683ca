#pragma once

#include <QDate>
#include "common/ui/FieldDialog.h"

class QLineEdit;
struct Session;

// "Cambiar Periodo": the user picks the month and year he will work in. Modal.
class frmCambiarPeriodo : public FieldDialog
{
    Q_OBJECT
public:
    // `today` stands in for the calendar in tests; a null date means the real one.
    explicit frmCambiarPeriodo(Session &session, QWidget *parent = nullptr, QDate today = {});

    QLineEdit *TxtMesNuevo = nullptr;
    QLineEdit *TxtAnoNuevo = nullptr;

public slots:
    void aceptar();

private:
    Session &m_session;
    QDate m_today;
};
