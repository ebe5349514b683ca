#pragma once

#include "common/ui/ChildWindow.h"
#include "shell/admin/CompanyUserAssignment.h"

class CompanyAssignmentModel;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;
class QToolButton;

// The companies a user may open: the user is picked through the lookup, his companies are
// ticked in the grid, and "Marcar" / "Desmarcar" tick or untick them all.
class frmEmpresaUsuario : public ChildWindow
{
    Q_OBJECT
public:
    frmEmpresaUsuario(Session &session, const QString &nodeCode = CompanyUserAssignment::NodeCode,
                      QWidget *parent = nullptr);

    QLineEdit *txtUsuario = nullptr;
    QLabel *lblNombreUsuario = nullptr;
    QToolButton *cmdUsuario = nullptr;
    QTableView *grdEmpresas = nullptr;

    CompanyAssignmentModel *model() const { return m_model; }
    QMenu *contextMenu() const { return m_menu; }
    // Shows the companies of a user as the lookup would have picked him.
    void setUser(const QString &code, const QString &name);
    QString user() const { return m_user; }

public slots:
    // The lookup of the users that can be assigned.
    void pickUser();

protected:
    void onModificar() override;
    void onCancelar() override;
    bool onGuardar() override;
    void DespuesDeNavegar(int action) override;

private:
    void reload();
    void updateButtons();

    CompanyUserAssignment m_assignment;
    CompanyAssignmentModel *m_model = nullptr;
    QMenu *m_menu = nullptr;
    QString m_user;
};
