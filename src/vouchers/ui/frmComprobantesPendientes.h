#pragma once

#include "vouchers/PendingVouchers.h"

#include <QDialog>
#include <vector>

class QPushButton;
class QTableWidget;
struct Session;

// "Comprobantes Pendientes": the vouchers held in the users' work areas. A double click, Enter
// or "Ver" shows the chosen one in a message.
class frmComprobantesPendientes : public QDialog
{
    Q_OBJECT
public:
    explicit frmComprobantesPendientes(Session &session, QWidget *parent = nullptr);

    QTableWidget *grdPendientes = nullptr;
    QPushButton *cmdVer = nullptr;
    QPushButton *cmdSalir = nullptr;

    const std::vector<PendingVoucher> &vouchers() const { return m_vouchers; }

public slots:
    // Reads the work areas again.
    void cargar();
    // Shows the selected voucher; nothing when no row is selected.
    void ver();

private:
    Session &m_session;
    std::vector<PendingVoucher> m_vouchers;
};
