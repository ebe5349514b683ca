#pragma once

#include "common/ui/ChildWindow.h"
#include "shell/admin/CompanyAdmin.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QTreeWidget;
class ReportOutput;

// Companies and branches: the list of every company and the one chosen, with its address,
// closing month, withholding, receivable account, the other systems' databases and its logo
// and signature.
class frmCrearEmpresa : public ChildWindow
{
    Q_OBJECT
public:
    frmCrearEmpresa(Session &session, const QString &nodeCode = CompanyAdmin::NodeCode,
                    QWidget *parent = nullptr, QDate today = {});
    ~frmCrearEmpresa() override;

    QTreeWidget *grdEmpresas = nullptr;
    QRadioButton *optTipo0 = nullptr; // branch
    QRadioButton *optTipo1 = nullptr; // head office
    QComboBox *cmbEmpresa = nullptr;  // head office of a branch
    QLineEdit *txtCodigo = nullptr;
    QLineEdit *txtNombre = nullptr;
    QLineEdit *TxtRepresentante = nullptr;
    QLineEdit *txtDireccion = nullptr;
    QLineEdit *TxtCiudad = nullptr;
    QLineEdit *TxtTelefono1 = nullptr;
    QLineEdit *TxtTelefono2 = nullptr;
    QLineEdit *TxtFax = nullptr;
    QComboBox *cmbMesCierre = nullptr;
    QCheckBox *ChkAgenteRetencion = nullptr;
    QCheckBox *chkExcentaDeImpuesto = nullptr;
    QLineEdit *txtCuentaXCobrar = nullptr;
    QToolButton *cmdCuentaXCobrar = nullptr;
    QLineEdit *TxtServidorNomina = nullptr;
    QLineEdit *TxtBaseDatosNomina = nullptr;
    QLineEdit *TxtBaseDatosOrvan = nullptr;
    QLineEdit *txtPasswordOrvan = nullptr;
    QLineEdit *txtPasswordNomina = nullptr;
    QRadioButton *optEstado0 = nullptr; // active
    QRadioButton *optEstado1 = nullptr; // inactive
    QLabel *picLogo = nullptr;
    QLabel *picFirma = nullptr;
    QPushButton *cmdLogo = nullptr;
    QPushButton *cmdFirma = nullptr;

    QString selectedCode() const;
    bool selectCompany(const QString &code);
    // What choosing a picture file does: `column` is "Logo" or "Firma". The file is stored
    // with the next save.
    void choosePicture(const QString &column, const QString &fileName);
    // Where printing goes; the preview window of the workstation unless set.
    void setReportOutput(ReportOutput *output) { m_output = output; }

protected:
    void onNuevo() override;
    void onModificar() override;
    bool onEliminar() override;
    void onBuscar() override;
    void onImprimir() override;
    void onCancelar() override;
    bool onGuardar() override;
    bool isRecordList() const override { return true; }
    QString recordToDelete() const override;
    bool hasRecords() const override;
    void RefreshRecord() override;

private:
    void buildForm();
    void loadHeadOffices();
    void loadList(const QString &select);
    void showCompany(const QString &code);
    void clearFields();
    // Passwords are never read back: the box stays empty and says whether one is stored.
    void showStoredPassword(QLineEdit *box, bool stored);
    void setEditing(bool editing);
    void followType();
    void copyHeadOffice();
    void askPicture(const QString &column);
    void pickAccount();
    CompanyAdmin::Company typed() const;
    void focusField(CompanyAdmin::Field field);

    CompanyAdmin m_admin;
    CompanyAdmin::Pictures m_pictures;
    ReportOutput *m_output = nullptr;
    std::unique_ptr<ReportOutput> m_ownOutput;
    bool m_editing = false;
    bool m_adding = false;
};
