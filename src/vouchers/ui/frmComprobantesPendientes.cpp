#include "vouchers/ui/frmComprobantesPendientes.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/DbError.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmComprobantesPendientes::frmComprobantesPendientes(Session &session, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmComprobantesPendientes"));
    setWindowTitle(PendingVouchers::Caption);

    grdPendientes = new QTableWidget(0, 7, this);
    grdPendientes->setObjectName(QStringLiteral("grdPendientes"));
    grdPendientes->setHorizontalHeaderLabels(
        {QStringLiteral("Empresa"), QStringLiteral("Nombre"), QStringLiteral("Comprobante"),
         QStringLiteral("Número"), QStringLiteral("Usuario"), QStringLiteral("Nombre Usuario"),
         QStringLiteral("Fecha")});
    grdPendientes->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdPendientes->setSelectionMode(QAbstractItemView::SingleSelection);
    grdPendientes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdPendientes->verticalHeader()->hide();
    grdPendientes->horizontalHeader()->setStretchLastSection(false);
    grdPendientes->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    cmdVer = new QPushButton(QStringLiteral("&Ver"), this);
    cmdVer->setObjectName(QStringLiteral("cmdVer"));
    cmdVer->setDefault(true);
    cmdSalir = new QPushButton(QStringLiteral("&Salir"), this);
    cmdSalir->setObjectName(QStringLiteral("cmdSalir"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdVer);
    buttons->addWidget(cmdSalir);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grdPendientes);
    layout->addLayout(buttons);
    resize(760, 340);

    connect(cmdVer, &QPushButton::clicked, this, &frmComprobantesPendientes::ver);
    connect(cmdSalir, &QPushButton::clicked, this, &QDialog::reject);
    connect(grdPendientes, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        grdPendientes->selectRow(row);
        ver();
    });
    cargar();
}

void frmComprobantesPendientes::cargar()
{
    try {
        m_vouchers = PendingVouchers::list(m_session.db());
    } catch (const DbError &e) {
        m_vouchers.clear();
        m_session.prompt().error(e.userText());
    }
    grdPendientes->setRowCount(int(m_vouchers.size()));
    for (int r = 0; r < int(m_vouchers.size()); ++r) {
        const PendingVoucher &v = m_vouchers[size_t(r)];
        const QStringList cells{v.company,
                                v.companyName,
                                v.type,
                                v.number,
                                v.user,
                                v.userName,
                                v.date.toString(QStringLiteral("dd/MM/yyyy"))};
        for (int c = 0; c < cells.size(); ++c)
            grdPendientes->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    grdPendientes->resizeColumnsToContents();
    grdPendientes->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    if (!m_vouchers.empty())
        grdPendientes->selectRow(0);
    cmdVer->setEnabled(!m_vouchers.empty());
}

void frmComprobantesPendientes::ver()
{
    const int row = grdPendientes->currentRow();
    if (row < 0 || row >= int(m_vouchers.size()))
        return;
    m_session.prompt().info(PendingVouchers::message(m_vouchers[size_t(row)]),
                            PendingVouchers::Caption);
}
