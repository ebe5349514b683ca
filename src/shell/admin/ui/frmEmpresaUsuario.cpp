#include "shell/admin/ui/frmEmpresaUsuario.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "platform/DbError.h"
#include "shell/admin/CompanyAssignmentModel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QToolButton>

frmEmpresaUsuario::frmEmpresaUsuario(Session &session, const QString &nodeCode, QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
    , m_assignment(session, nodeCode)
{
    setObjectName(QStringLiteral("frmEmpresaUsuario"));
    setWindowTitle(QStringLiteral("Empresas por Usuario"));

    txtUsuario = new QLineEdit(this);
    txtUsuario->setObjectName(QStringLiteral("txtUsuario"));
    txtUsuario->setReadOnly(true);
    txtUsuario->setMaximumWidth(160);
    cmdUsuario = new QToolButton(this);
    cmdUsuario->setObjectName(QStringLiteral("cmdUsuario"));
    cmdUsuario->setText(QStringLiteral("..."));
    cmdUsuario->setToolTip(QStringLiteral("Buscar usuario"));
    lblNombreUsuario = new QLabel(this);
    lblNombreUsuario->setObjectName(QStringLiteral("lblNombreUsuario"));

    m_model = new CompanyAssignmentModel(this);
    grdEmpresas = new QTableView(this);
    grdEmpresas->setObjectName(QStringLiteral("grdEmpresas"));
    grdEmpresas->setModel(m_model);
    grdEmpresas->verticalHeader()->setVisible(false);
    grdEmpresas->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdEmpresas->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grdEmpresas->horizontalHeader()->setStretchLastSection(true);
    grdEmpresas->setContextMenuPolicy(Qt::CustomContextMenu);

    m_menu = new QMenu(this);
    for (const auto &[key, tick] : {std::pair{"Marcar", true}, std::pair{"Desmarcar", false}}) {
        QAction *a = m_menu->addAction(QLatin1String(key));
        a->setObjectName(QLatin1String(key));
        connect(a, &QAction::triggered, m_model,
                [this, tick = tick] { m_model->setAllAssigned(tick); });
    }
    connect(grdEmpresas, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (m_model->isEditable())
            m_menu->popup(grdEmpresas->viewport()->mapToGlobal(pos));
    });
    connect(cmdUsuario, &QToolButton::clicked, this, &frmEmpresaUsuario::pickUser);

    auto *head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("Usuario:"), this));
    head->addWidget(txtUsuario);
    head->addWidget(cmdUsuario);
    head->addWidget(lblNombreUsuario, 1);
    body()->addLayout(head);
    body()->addWidget(grdEmpresas, 1);
    resize(620, 420);

    reload();
    LoadToolbarOptions();
    updateButtons();
}

void frmEmpresaUsuario::pickUser()
{
    if (m_model->isEditable())
        return;
    try {
        const CatalogResult picked =
            ShowCatalog(session(), this, CompanyUserAssignment::UserLookupParameters(),
                        CompanyUserAssignment::UserLookupStatement());
        if (picked.picked())
            setUser(picked.element(1), picked.element(2));
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void frmEmpresaUsuario::setUser(const QString &code, const QString &name)
{
    m_user = code;
    txtUsuario->setText(code);
    lblNombreUsuario->setText(name);
    reload();
    updateButtons();
}

void frmEmpresaUsuario::reload()
{
    try {
        m_model->setCompanies(m_assignment.companies(m_user));
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void frmEmpresaUsuario::updateButtons()
{
    // Nothing to change until somebody is chosen.
    if (!m_model->isEditable())
        if (QAction *a = button(QStringLiteral("Modificar")))
            a->setEnabled(!m_user.isEmpty());
}

void frmEmpresaUsuario::onModificar()
{
    m_model->setEditable(true);
    cmdUsuario->setEnabled(false);
}

void frmEmpresaUsuario::onCancelar()
{
    m_model->setEditable(false);
    cmdUsuario->setEnabled(true);
    reload();
}

bool frmEmpresaUsuario::onGuardar()
{
    try {
        if (m_assignment.save(m_user, m_model->companies()) != CompanyUserAssignment::Result::Saved)
            return false;
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
    m_model->setEditable(false);
    cmdUsuario->setEnabled(true);
    reload();
    return true;
}

void frmEmpresaUsuario::DespuesDeNavegar(int)
{
    updateButtons();
}
