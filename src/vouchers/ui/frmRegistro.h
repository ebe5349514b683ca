#pragma once

#include "common/ui/ChildWindow.h"
#include "vouchers/entry/LineEditor.h"
#include "vouchers/ui/LineEntryPanel.h"

#include <functional>
#include <optional>

class CodeLookupEdit;
class QLabel;
class QLineEdit;
class QPushButton;

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

    // Header
    CodeLookupEdit *txtTipoComprobante = nullptr;
    QLabel *lblNumero = nullptr;
    QLineEdit *txtDia = nullptr;
    // Line editor, grid and totals
    LineEntryPanel *panel = nullptr;
    using CopyDialog = std::function<std::optional<VoucherCopyRequest>()>;
    void setCopyDialog(CopyDialog dialog) { m_copyDialog = std::move(dialog); }
    QPushButton *cmdDescartar = nullptr;
    QPushButton *cmdConsolidacion = nullptr;

    void Descartar();
    // Opens the consolidation window for the selected line: its receiving company is the one
    // whose receivable account the line uses, or the branch the user picks.
    void openConsolidation();
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

private:
    void buildHeader();
    void showModel();
    void showLine();
    void applyMode();

    LineEditor m_editor;
    bool m_opened = false;
    CopyDialog m_copyDialog;
};
