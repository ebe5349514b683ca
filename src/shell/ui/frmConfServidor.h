#pragma once

#include "shell/ServerConfig.h"

#include <QDialog>

class Connector;
class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
struct Session;

// Server, database and login of the workstation's connection (srvsql.txt).
class frmConfServidor : public QDialog
{
    Q_OBJECT
public:
    frmConfServidor(Session &session, Connector &connector, Prompter &prompter,
                    QWidget *parent = nullptr);

    bool connected() const { return m_connected; }
    ServerConfig typedConfig() const;
    void setTypedConfig(const ServerConfig &config);

    // Controls named as the rest of the system knows them; tests reach them through these.
    QLineEdit *txtServidor = nullptr;
    QLineEdit *txtBaseDatos = nullptr;
    QRadioButton *optAutenticacionSistema = nullptr;
    QRadioButton *optAutenticacionServidor = nullptr;
    QLineEdit *txtUsuario = nullptr;
    QLineEdit *txtPassword = nullptr;
    QComboBox *cmbSQL = nullptr;
    QLabel *lblStatusConexion = nullptr;
    QLabel *lblProposito = nullptr;
    static inline const QString Purpose = QStringLiteral(
        "Indique dónde está la base de datos: \"(local)\" es la base de datos incorporada de "
        "esta estación; el nombre de un servidor PostgreSQL la comparte entre varias.");

public slots:
    void aceptar();

private:
    void authenticationChanged();

    Session &m_session;
    Connector &m_connector;
    Prompter &m_prompter;
    bool m_connected = false;
};
