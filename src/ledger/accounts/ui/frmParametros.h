#pragma once

#include "common/ui/ChildWindow.h"
#include "ledger/accounts/Parameters.h"

#include <array>

class CatalogPicker;
class CodeLookupEdit;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The parameters of the installation: account-code length, tax-identification label,
// withholding, closing and exchange-difference accounts, report directory and the external
// Nexlar server. Opens in browse mode; "Modificar" opens the fields.
class frmParametros : public ChildWindow
{
    Q_OBJECT
public:
    frmParametros(Session &session, const QString &nodeCode = ParametersService::NodeCode,
                  QWidget *parent = nullptr);

    QLineEdit *txtCantDigCuenta = nullptr;
    QLineEdit *txtNombreIDEmpresa = nullptr;
    QCheckBox *chkAplicaRetBase = nullptr;
    std::array<CodeLookupEdit *, Parameters::AccountCount> txtCuentas{};
    QLineEdit *txtPorcRetIVA = nullptr;
    QCheckBox *chkCierreAjusteInflacion = nullptr;
    QCheckBox *chkCierreAjusteDifCambio = nullptr;
    QCheckBox *chkExportarConsolidado = nullptr;
    QLineEdit *txtRutaReporte = nullptr;
    QPushButton *cmdVerificarRuta = nullptr;
    QLineEdit *txtServidorNexlar = nullptr;
    QLineEdit *txtUsuarioNexlar = nullptr;
    QLineEdit *txtPasswordNexlar = nullptr;
    QPushButton *cmdVerificarServidor = nullptr;

    // The values as the fields hold them.
    Parameters values() const;
    void setCatalogPicker(CatalogPicker *picker);

protected:
    void onModificar() override;
    void onCancelar() override;
    bool onGuardar() override;

private:
    QWidget *buildGeneral();
    QWidget *buildAccounts();
    QWidget *buildConnections();
    void load();
    void setEditing(bool editing);
    void verifyDirectory();

    ParametersService m_service;
};
