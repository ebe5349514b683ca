#pragma once

#include "common/ui/ChildWindow.h"
#include "vouchers/entry/LineEditor.h"

#include <functional>
#include <optional>

class AmountEdit;
class CatalogPicker;
class CodeLookupEdit;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// "Registro de Comprobantes": the voucher entry window. It shows the line editor of the
// user's work area and forwards keys and fields to it; every rule lives in LineEditor.
class frmRegistro : public ChildWindow
{
    Q_OBJECT
public:
    static inline const QString NodeCode = QStringLiteral("mnu_registro");

    explicit frmRegistro(Session &session, const QString &nodeCode = NodeCode,
                         QWidget *parent = nullptr);

    // False when the opening checks refused the period; the window then closes itself.
    bool opened() const { return m_opened; }
    LineEditor &editor() { return m_editor; }

    // Seams for the dialogs the window opens (tests answer them without a window).
    using AssetDialog = std::function<std::optional<AssetData>(const AssetData &proposal)>;
    using RateDialog = std::function<std::optional<std::pair<Rate, Money>>(Rate, Money)>;
    using PartyDialog = std::function<QString(const QString &code)>;
    using CopyDialog = std::function<std::optional<VoucherCopyRequest>()>;
    void setCopyDialog(CopyDialog dialog) { m_copyDialog = std::move(dialog); }
    void setAssetDialog(AssetDialog dialog) { m_assetDialog = std::move(dialog); }
    void setRateDialog(RateDialog dialog) { m_rateDialog = std::move(dialog); }
    void setPartyDialog(PartyDialog dialog) { m_partyDialog = std::move(dialog); }
    void setCatalogPicker(CatalogPicker *picker);

    // Header
    CodeLookupEdit *txtTipoComprobante = nullptr;
    QLabel *lblNumero = nullptr;
    QLineEdit *txtDia = nullptr;
    // Line editor
    QLabel *lblLinea = nullptr;
    CodeLookupEdit *txtCuenta = nullptr;
    CodeLookupEdit *txtTercero = nullptr;
    CodeLookupEdit *txtTipoDocumento = nullptr;
    QLineEdit *txtDocumento = nullptr;
    QLineEdit *txtDocumento2 = nullptr;
    QLineEdit *txtDocumento3 = nullptr;
    QComboBox *cmbTipo = nullptr;
    QComboBox *cmbDestino = nullptr;
    QLineEdit *txtFechaDoc = nullptr;
    CodeLookupEdit *txtConcepto = nullptr;
    QLineEdit *txtDescripcion = nullptr;
    AmountEdit *txtDebito = nullptr;
    AmountEdit *txtCredito = nullptr;
    // Grid and totals
    QTableWidget *sprRegistro = nullptr;
    QLabel *lblTotalDebito = nullptr;
    QLabel *lblTotalCredito = nullptr;
    QLabel *lblDiferencia = nullptr;
    QPushButton *cmdDescartar = nullptr;

    // The group of the grid's selected row; 0 when none.
    int selectedGroup() const;
    // The open-documents lookup of the number field (F2).
    void lookupOpenDocuments();
    void Descartar();
    // "Modificar Comprobante" or "Copiar Comprobante" of "Buscar".
    void retrieve(LineEditor::Retrieval how);

protected:
    void onNuevo() override;
    void onModificar() override;
    void ConfirmDelete() override;
    void onBuscar() override;
    void onCancelar() override;
    bool onGuardar() override;
    void onAprobar() override;
    void DespuesDeNavegar(int action) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildHeader();
    void buildLineEditor();
    void buildGrid();
    void connectLookups();
    void accountTaken();
    // Model → window.
    void showModel();
    void showLine();
    void applyMode();
    // Window → model, for the fields that are not checked on their own.
    void readLine();
    void focusField(EntryField field);

    LineEditor m_editor;
    bool m_opened = false;
    CatalogPicker *m_picker = nullptr;
    AssetDialog m_assetDialog;
    RateDialog m_rateDialog;
    PartyDialog m_partyDialog;
    CopyDialog m_copyDialog;
};
