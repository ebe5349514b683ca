#pragma once

#include "common/ui/ChildWindow.h"
#include "shell/MenuStructure.h"

class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

// The menu structure: the navigation tree with its nodes' captions, windows and operations.
class FrmEstructura : public ChildWindow
{
    Q_OBJECT
public:
    FrmEstructura(Session &session, const QString &nodeCode, QWidget *parent = nullptr);

    QTreeWidget *tvwMenu = nullptr;
    QLineEdit *txtCodigo = nullptr;
    QLineEdit *txtNombre = nullptr;
    QLineEdit *txtFormulario = nullptr;
    QSpinBox *txtImagen = nullptr;
    QRadioButton *optContenedor = nullptr;
    QRadioButton *optFuncion = nullptr;
    QRadioButton *optSeparador = nullptr;
    QListWidget *lstOpciones = nullptr;

    // Reloads the tree, keeping `select` selected when given.
    void loadTree(const QString &select = {});
    QString selectedCode() const;
    void selectNode(const QString &code);
    // What dropping one node onto another does.
    void moveNode(const QString &code, const QString &container);

protected:
    void onNuevo() override;
    void onModificar() override;
    void ConfirmDelete() override;
    void onCancelar() override;
    bool onGuardar() override;
    void onOtherAction(const QString &key) override;

private:
    void showNode(QTreeWidgetItem *item);
    void setEditing(bool editing);
    MenuStructure::NodeInput typed() const;

    MenuStructure m_structure;
    bool m_adding = false;
};
