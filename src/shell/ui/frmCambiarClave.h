#pragma once

#include <QDialog>

class QLineEdit;
struct Session;

// The logged-in user changes his own password.
class frmCambiarClave : public QDialog
{
    Q_OBJECT
public:
    explicit frmCambiarClave(Session &session, QWidget *parent = nullptr);

    QLineEdit *TxtClave = nullptr;
    QLineEdit *TxtClaveNueva = nullptr;
    QLineEdit *TxtConfirmarClave = nullptr;

public slots:
    void aceptar();

protected:
    // Enter belongs to the boxes (next field, or accept from the last one), never to the
    // dialog's default button.
    void keyPressEvent(QKeyEvent *event) override;

private:
    Session &m_session;
};
