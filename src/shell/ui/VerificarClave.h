#pragma once

#include "shell/LoginService.h"

#include "common/ui/FieldDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Session;

// The login window.
class VerificarClave : public FieldDialog
{
    Q_OBJECT
public:
    explicit VerificarClave(Session &session, QWidget *parent = nullptr);

    LoginService &service() { return m_service; }
    // The outcome of the last accepted attempt.
    LoginService::Result loginResult() const { return m_result; }

    QLabel *lblSistema = nullptr;
    QLineEdit *txtUsuario = nullptr;
    QLineEdit *txtClave = nullptr;
    QCheckBox *chkRecordar = nullptr;

public slots:
    void aceptar();
    void cancelar();

private:
    // After a refusal "Aceptar" stays disabled for the service's delay while the window keeps
    // running; typing is allowed meanwhile.
    void holdNextAttempt();

    Session &m_session;
    QPushButton *m_accept = nullptr;
    LoginService m_service;
    LoginService::Result m_result = LoginService::Result::MissingFields;
};
