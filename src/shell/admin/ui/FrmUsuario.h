#pragma once

#include "common/ui/ChildWindow.h"
#include "shell/admin/UserAdmin.h"

class QLineEdit;
class QListWidget;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

// Users: the tree of the users the caller may see, and one user's name, password, state and
// groups.
class FrmUsuario : public ChildWindow
{
    Q_OBJECT
public:
    static inline const QString RootText = QStringLiteral("USUARIOS");

    FrmUsuario(Session &session, const QString &nodeCode = UserAdmin::NodeCode,
               QWidget *parent = nullptr);

    QTreeWidget *tvwUsuarios = nullptr;
    QLineEdit *TxtCodUsuario = nullptr;
    QLineEdit *TxtNombUsuario = nullptr;
    QLineEdit *TxtClave = nullptr;
    QLineEdit *TxtVerificarClave = nullptr;
    QRadioButton *OptActivo = nullptr;
    QRadioButton *OptInactivo = nullptr;
    QListWidget *lstOpciones = nullptr; // the groups, ticked where the user belongs

    QString selectedCode() const;
    // Selects the user's entry; false when the tree has none for that code.
    bool selectUser(const QString &code);
    // Ticks exactly these groups (codes).
    void tickGroups(const QStringList &codes);

protected:
    void onNuevo() override;
    void onModificar() override;
    bool onEliminar() override;
    void onBuscar() override;
    void onCancelar() override;
    bool onGuardar() override;
    void DespuesDeNavegar(int action) override;
    bool isRecordList() const override { return true; }
    bool hasRecords() const override;
    void RefreshRecord() override;

private:
    void loadGroups();
    void loadTree(const QString &select);
    void showSelected();
    void setEditing(bool editing);
    void updateButtons();
    UserAdmin::Input typed() const;
    void focusField(UserAdmin::Field field);

    UserAdmin m_users;
    QTreeWidgetItem *m_root = nullptr;
    bool m_editing = false;
    bool m_adding = false;
};
