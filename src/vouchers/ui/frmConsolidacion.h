#pragma once

#include "common/ui/ChildWindow.h"
#include "vouchers/entry/LineEditor.h"

class LineEntryPanel;
class QLabel;
class QLineEdit;

// The lines a voucher of the session's company generates in another company of the head
// office, completed with the same line editor as voucher entry, on the consolidation area.
// Approval happens in the entry window.
class frmConsolidacion : public ChildWindow
{
    Q_OBJECT
public:
    frmConsolidacion(Session &session, const QString &receivingCompany,
                     const QString &receivingHeadOffice, int originLine, const QString &day,
                     const QString &nodeCode = QStringLiteral("mnu_registro"),
                     QWidget *parent = nullptr);

    LineEditor &editor() { return m_editor; }
    LineEntryPanel *panel = nullptr;
    QLabel *lblComprobante = nullptr;
    QLabel *lblEmpresa = nullptr;
    QLineEdit *txtDia = nullptr;

    // The grid's context menu: find a value ("BuscarV") and go to a row ("IrAFila").
    void BuscarV();
    void IrAFila();

protected:
    void onNuevo() override;
    void onModificar() override;
    void ConfirmDelete() override;
    void onCancelar() override;
    bool onGuardar() override;
    void DespuesDeNavegar(int action) override;

private:
    void showModel();
    void applyMode();

    LineEditor m_editor;
};
