#pragma once

#include <QDialog>

class QComboBox;
struct Session;

// Picks the branch of the head office that receives the lines of a voucher.
class frmCargarSucursal : public QDialog
{
    Q_OBJECT
public:
    explicit frmCargarSucursal(Session &session, QWidget *parent = nullptr);

    QComboBox *cmbSucursal = nullptr;

    // The chosen branch's code; empty while none is chosen.
    QString branch() const;
    // Accepts a chosen branch; an empty choice is refused and the list selected again.
    void Aceptar();

private:
    Session &m_session;
};
