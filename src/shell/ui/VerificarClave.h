#pragma once

#include "shell/LoginService.h"

#include "common/ui/FieldDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
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
    Session &m_session;
    LoginService m_service;
    LoginService::Result m_result = LoginService::Result::MissingFields;
};
