#pragma once

#include "common/ui/ChildWindow.h"
#include "shell/admin/GroupAdmin.h"

class PermissionTreeModel;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTreeView;
class QTreeWidget;

// Groups of users: their flags and the tree of menu entries and toolbar operations they may
// use. A click on an entry of the tree, while editing, grants or withdraws it with everything
// below it.
class FrmGrupoUsuario : public ChildWindow
{
    Q_OBJECT
public:
    FrmGrupoUsuario(Session &session, const QString &nodeCode = GroupAdmin::NodeCode,
                    QWidget *parent = nullptr);

    QTreeWidget *lstGrupos = nullptr;
    QLineEdit *TxtCodGrupo = nullptr;
    QLineEdit *TxtNomGrupo = nullptr;
    QCheckBox *chkImprimirCheque = nullptr;
    QCheckBox *chkModificarMovimiento = nullptr;
    QCheckBox *chkMostrarUltMov = nullptr;
    QCheckBox *chkIncTerceroMov = nullptr;
    QRadioButton *optTipoModificacion0 = nullptr; // only the user's own vouchers
    QRadioButton *optTipoModificacion1 = nullptr; // everybody's vouchers
    QTreeView *tvwPermisos = nullptr;

    PermissionTreeModel *permissions() const { return m_tree; }
    QString selectedCode() const;
    bool selectGroup(const QString &code);

protected:
    void onNuevo() override;
    void onModificar() override;
    bool onEliminar() override;
    void onBuscar() override;
    void onCancelar() override;
    bool onGuardar() override;
    bool isRecordList() const override { return true; }
    bool hasRecords() const override;
    void RefreshRecord() override;

private:
    void loadList(const QString &select);
    void showGroup(const QString &code);
    void setEditing(bool editing);
    GroupAdmin::Group typed() const;

    GroupAdmin m_groups;
    PermissionTreeModel *m_tree = nullptr;
    bool m_editing = false;
    bool m_adding = false;
};
