#pragma once

#include <QDialog>

class QTreeWidget;
struct Session;

// The companies as a tree of head offices and their branches; picking one makes it the
// working company without registering the workstation's session.
class frmSeleccionarEmpresa : public QDialog
{
    Q_OBJECT
public:
    explicit frmSeleccionarEmpresa(Session &session, QWidget *parent = nullptr);

    QTreeWidget *tvwEmpresas = nullptr;

public slots:
    void aceptar();

private:
    Session &m_session;
};
