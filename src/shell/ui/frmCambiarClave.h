#pragma once

#include "common/ui/FieldDialog.h"

class QLineEdit;
struct Session;

// The logged-in user changes his own password.
class frmCambiarClave : public FieldDialog
{
    Q_OBJECT
public:
    explicit frmCambiarClave(Session &session, QWidget *parent = nullptr);

    QLineEdit *TxtClave = nullptr;
    QLineEdit *TxtClaveNueva = nullptr;
    QLineEdit *TxtConfirmarClave = nullptr;

public slots:
    void aceptar();

private:
    Session &m_session;
};
