#pragma once

#include <QDialog>

struct Session;

// Clears a session row that another workstation left behind. It has no window of its own:
// it offers the rows in the lookup, asks, and is done.
class frmCerrarSesiones : public QDialog
{
    Q_OBJECT
public:
    explicit frmCerrarSesiones(Session &session, QWidget *parent = nullptr);

    int exec() override;

private:
    Session &m_session;
};
