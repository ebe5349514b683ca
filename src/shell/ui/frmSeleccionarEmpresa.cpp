#include "shell/ui/frmSeleccionarEmpresa.h"

#include "common/Session.h"
#include "common/ShellHost.h"
#include "common/ui/AcceptCancelButtons.h"
#include "platform/Db.h"

#include <QDialogButtonBox>
#include <QHash>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

frmSeleccionarEmpresa::frmSeleccionarEmpresa(Session &session, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmSeleccionarEmpresa"));
    setWindowTitle(QStringLiteral("Seleccionar Empresa"));
    tvwEmpresas = new QTreeWidget(this);
    tvwEmpresas->setHeaderHidden(true);
    auto *root = new QTreeWidgetItem(tvwEmpresas, {m_session.gNombreSistema});
    root->setData(0, Qt::UserRole, QStringLiteral("Raiz"));

    // Head offices come first, so each branch finds its parent already in the tree.
    QHash<QString, QTreeWidgetItem *> heads;
    for (const QSqlRecord &r :
         m_session.db().rows(QStringLiteral("SELECT Codigo, Nombre, Tipo, CodigoMatriz FROM "
                                            "EMPRESA ORDER BY Tipo DESC, Nombre"))) {
        const QString code = r.value(0).toString();
        if (r.value(2).toInt() == 1) {
            auto *item = new QTreeWidgetItem(root, {r.value(1).toString()});
            item->setData(0, Qt::UserRole, QStringLiteral("M-") + code);
            item->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
            heads.insert(code, item);
        } else if (QTreeWidgetItem *head = heads.value(r.value(3).toString())) {
            auto *item = new QTreeWidgetItem(head, {r.value(1).toString()});
            item->setData(0, Qt::UserRole, QStringLiteral("S-") + code);
            item->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
        }
    }
    tvwEmpresas->expandAll();
    tvwEmpresas->setCurrentItem(root);

    QDialogButtonBox *buttons = AcceptCancelButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmSeleccionarEmpresa::aceptar);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tvwEmpresas, &QTreeWidget::itemDoubleClicked, this, &frmSeleccionarEmpresa::aceptar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tvwEmpresas);
    layout->addWidget(buttons);
    resize(420, 460);
}

void frmSeleccionarEmpresa::aceptar()
{
    QTreeWidgetItem *item = tvwEmpresas->currentItem();
    if (!item)
        return;
    const QString key = item->data(0, Qt::UserRole).toString();
    if (key.startsWith(QLatin1String("M-"))) {
        m_session.gEmpresa = key.mid(2);
        m_session.gMatriz = key.mid(2);
    } else if (key.startsWith(QLatin1String("S-"))) {
        m_session.gEmpresa = key.mid(2);
        m_session.gMatriz = item->parent()->data(0, Qt::UserRole).toString().mid(2);
    } else {
        return; // the root names no company
    }
    m_session.gNombreEmpresa = item->text(0);
    if (m_session.host) {
        m_session.host->setCaption(m_session.gDescripcionSistema + QStringLiteral("   Empresa : ") +
                                   item->text(0));
        m_session.host->setUserPanel(m_session.userPeriodText());
    }
    accept();
}
