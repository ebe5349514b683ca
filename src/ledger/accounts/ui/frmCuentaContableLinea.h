#pragma once

#include "common/ui/ChildWindow.h"
#include "ledger/accounts/ProductLineAccounts.h"

#include <memory>

class CatalogPicker;
class CodeLookupEdit;
class QLineEdit;
class QTableView;
class clsSpread;

// The sales account of each product line, as the point-of-sale interfaces post them.
class frmCuentaContableLinea : public ChildWindow
{
    Q_OBJECT
public:
    frmCuentaContableLinea(Session &session,
                           const QString &nodeCode = ProductLineAccounts::NodeCode,
                           QWidget *parent = nullptr);
    ~frmCuentaContableLinea() override;

    QTableView *grdLineas = nullptr;
    QLineEdit *txtCodigoLinea = nullptr;
    QLineEdit *txtNombre = nullptr;
    CodeLookupEdit *txtCuenta = nullptr;

    clsSpread &spread() const { return *m_spread; }
    void setCatalogPicker(CatalogPicker *picker);

    // The sales-account field of a product line, for this window and the small dialog.
    static CodeLookupEdit *salesAccountEdit(Session &session, QWidget *parent);

protected:
    void onNuevo() override;
    void onModificar() override;
    bool onEliminar() override;
    void onBuscar() override;
    void onImprimir() override;
    void onCancelar() override;
    bool onGuardar() override;
    bool isRecordList() const override { return true; }
    bool hasRecords() const override;
    void RefreshRecord() override;

private:
    void showCurrent();
    void setEditing(bool editing, bool newLine);
    QString currentCode() const;

    ProductLineAccounts m_lines;
    std::unique_ptr<clsSpread> m_spread;
    bool m_editing = false;
    bool m_new = false;
};
