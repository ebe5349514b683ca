#pragma once

#include "common/ui/ChildWindow.h"
#include "ledger/accounts/ChartOfAccounts.h"

class AccountForm;
class AccountTreeModel;
class CatalogPicker;
class QTreeView;

// The chart of accounts: the tree of every account beside the form of the selected one.
// "Nuevo" creates an account under the selected node, "Modificar" changes the selected one.
class frmCuentaContable : public ChildWindow
{
    Q_OBJECT
public:
    static inline const QString SearchTitle = QStringLiteral("Buscar Cuenta");
    static inline const QString SearchPrompt =
        QStringLiteral("Ingrese el codigo de la cuenta a buscar:");

    frmCuentaContable(Session &session, const QString &nodeCode = ChartOfAccounts::NodeCode,
                      QWidget *parent = nullptr);
    ~frmCuentaContable() override;

    QTreeView *tvwCuentas = nullptr;
    AccountForm *frmCuenta = nullptr;

    AccountTreeModel *tree() const { return m_tree; }
    // The code of the selected account; empty on the root.
    QString selectedCode() const;
    // Selects the node of `code` ("Raiz" for the root when empty); false when not in the tree.
    bool selectAccount(const QString &code);

    void setCatalogPicker(CatalogPicker *picker);

protected:
    void onNuevo() override;
    void onModificar() override;
    bool onEliminar() override;
    QString recordToDelete() const override;
    void onBuscar() override;
    void onImprimir() override;
    void onCancelar() override;
    bool onGuardar() override;
    void DespuesDeNavegar(int action) override;

private:
    enum class Mode { Browse, New, Modify };

    void loadTree();
    void showSelected();
    void finishEditing();
    void updateButtons();
    int selectedLevel() const;

    ChartOfAccounts m_chart;
    AccountTreeModel *m_tree = nullptr;
    Mode m_mode = Mode::Browse;
};
