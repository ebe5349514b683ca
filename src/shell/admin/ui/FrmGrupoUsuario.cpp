#include "shell/admin/ui/FrmGrupoUsuario.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "platform/DbError.h"
#include "shell/UserRights.h"
#include "shell/admin/PermissionTreeModel.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeView>
#include <QTreeWidget>

FrmGrupoUsuario::FrmGrupoUsuario(Session &session, const QString &nodeCode, QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
    , m_groups(session, nodeCode)
{
    setObjectName(QStringLiteral("FrmGrupoUsuario"));
    setWindowTitle(QStringLiteral("Grupos de Usuarios"));

    lstGrupos = new QTreeWidget(this);
    lstGrupos->setObjectName(QStringLiteral("lstGrupos"));
    lstGrupos->setHeaderLabels({QStringLiteral("Código"), QStringLiteral("Nombre")});
    lstGrupos->setRootIsDecorated(false);
    lstGrupos->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    TxtCodGrupo = new QLineEdit(this);
    TxtCodGrupo->setObjectName(QStringLiteral("TxtCodGrupo"));
    TxtCodGrupo->setMaxLength(20);
    TxtNomGrupo = new QLineEdit(this);
    TxtNomGrupo->setObjectName(QStringLiteral("TxtNomGrupo"));
    TxtNomGrupo->setMaxLength(100);
    chkImprimirCheque = new QCheckBox(QStringLiteral("Imprimir cheques"), this);
    chkModificarMovimiento = new QCheckBox(QStringLiteral("Modificar movimientos"), this);
    chkMostrarUltMov = new QCheckBox(QStringLiteral("Mostrar últimos movimientos"), this);
    chkIncTerceroMov = new QCheckBox(QStringLiteral("Incluir terceros en movimientos"), this);
    optTipoModificacion0 = new QRadioButton(QStringLiteral("Solo sus comprobantes"), this);
    optTipoModificacion1 = new QRadioButton(QStringLiteral("Todos los comprobantes"), this);
    m_tree = new PermissionTreeModel(this);
    tvwPermisos = new QTreeView(this);
    tvwPermisos->setObjectName(QStringLiteral("tvwPermisos"));
    tvwPermisos->setHeaderHidden(true);
    tvwPermisos->setModel(m_tree);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Código:"), TxtCodGrupo);
    form->addRow(QStringLiteral("Nombre:"), TxtNomGrupo);
    auto *flags = new QGroupBox(QStringLiteral("Permisos"), this);
    auto *flagsLayout = new QVBoxLayout(flags);
    for (QCheckBox *box :
         {chkImprimirCheque, chkModificarMovimiento, chkMostrarUltMov, chkIncTerceroMov})
        flagsLayout->addWidget(box);
    auto *kind = new QGroupBox(QStringLiteral("Tipo de modificación"), this);
    auto *kindLayout = new QVBoxLayout(kind);
    kindLayout->addWidget(optTipoModificacion0);
    kindLayout->addWidget(optTipoModificacion1);
    auto *left = new QVBoxLayout;
    left->addWidget(lstGrupos, 1);
    left->addLayout(form);
    left->addWidget(flags);
    left->addWidget(kind);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addWidget(tvwPermisos, 3);
    body()->addLayout(columns, 1);
    resize(820, 560);

    // The kind of modification means nothing without the right to modify.
    connect(chkModificarMovimiento, &QCheckBox::toggled, this, [this](bool on) {
        optTipoModificacion0->setEnabled(on && m_editing);
        optTipoModificacion1->setEnabled(on && m_editing);
        if (!on)
            optTipoModificacion0->setChecked(true);
    });
    connect(tvwPermisos, &QTreeView::clicked, m_tree,
            qOverload<const QModelIndex &>(&PermissionTreeModel::toggle));
    connect(lstGrupos, &QTreeWidget::currentItemChanged, this, [this] {
        if (!m_editing)
            showGroup(selectedCode());
    });
    try {
        loadList({});
    } catch (const DbError &e) {
        session.prompt().error(e.userText());
    }
    setEditing(false);
    LoadToolbarOptions();
}

void FrmGrupoUsuario::loadList(const QString &select)
{
    {
        const QSignalBlocker block(lstGrupos);
        lstGrupos->clear();
        for (const GroupAdmin::Group &g : m_groups.groups()) {
            auto *item = new QTreeWidgetItem(lstGrupos, {g.code, g.name});
            if (g.code == select)
                lstGrupos->setCurrentItem(item);
        }
        if (!lstGrupos->currentItem() && lstGrupos->topLevelItemCount() > 0)
            lstGrupos->setCurrentItem(lstGrupos->topLevelItem(0));
    }
    showGroup(selectedCode());
}

QString FrmGrupoUsuario::selectedCode() const
{
    const QTreeWidgetItem *item = lstGrupos->currentItem();
    return item ? item->text(0) : QString();
}

bool FrmGrupoUsuario::selectGroup(const QString &code)
{
    const auto found = lstGrupos->findItems(GroupAdmin::NormalizeCode(code), Qt::MatchExactly, 0);
    if (found.isEmpty())
        return false;
    lstGrupos->setCurrentItem(found.front());
    return true;
}

void FrmGrupoUsuario::showGroup(const QString &code)
{
    std::optional<GroupAdmin::Group> g;
    try {
        if (!code.isEmpty())
            g = m_groups.group(code);
        m_tree->setEntries(m_groups.permissionEntries(g ? g->code : QString()));
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
    const GroupAdmin::Group shown = g.value_or(GroupAdmin::Group{});
    TxtCodGrupo->setText(shown.code);
    TxtNomGrupo->setText(shown.name);
    chkImprimirCheque->setChecked(shown.imprimirCheque);
    chkModificarMovimiento->setChecked(shown.modificarMovimiento);
    chkMostrarUltMov->setChecked(shown.mostrarUltMov);
    chkIncTerceroMov->setChecked(shown.incTerceroMov);
    (shown.tipoModificacion ? optTipoModificacion1 : optTipoModificacion0)->setChecked(true);
    tvwPermisos->expandToDepth(0);
}

void FrmGrupoUsuario::setEditing(bool editing)
{
    m_editing = editing;
    m_tree->setEditable(editing);
    TxtCodGrupo->setEnabled(editing && m_adding);
    for (QWidget *w :
         std::initializer_list<QWidget *>{TxtNomGrupo, chkImprimirCheque, chkModificarMovimiento,
                                          chkMostrarUltMov, chkIncTerceroMov})
        w->setEnabled(editing);
    const bool kind = editing && chkModificarMovimiento->isChecked();
    optTipoModificacion0->setEnabled(kind);
    optTipoModificacion1->setEnabled(kind);
    lstGrupos->setEnabled(!editing);
}

bool FrmGrupoUsuario::hasRecords() const
{
    return lstGrupos->topLevelItemCount() > 0;
}

void FrmGrupoUsuario::RefreshRecord()
{
    try {
        loadList(selectedCode());
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void FrmGrupoUsuario::onNuevo()
{
    m_adding = true;
    showGroup({});
    setEditing(true);
    TxtCodGrupo->setFocus();
}

void FrmGrupoUsuario::onModificar()
{
    m_adding = false;
    setEditing(true);
    TxtNomGrupo->setFocus();
}

void FrmGrupoUsuario::onCancelar()
{
    m_adding = false;
    setEditing(false);
    showGroup(selectedCode());
}

GroupAdmin::Group FrmGrupoUsuario::typed() const
{
    GroupAdmin::Group g;
    g.code = TxtCodGrupo->text();
    g.name = TxtNomGrupo->text();
    g.imprimirCheque = chkImprimirCheque->isChecked();
    g.modificarMovimiento = chkModificarMovimiento->isChecked();
    g.mostrarUltMov = chkMostrarUltMov->isChecked();
    g.incTerceroMov = chkIncTerceroMov->isChecked();
    g.tipoModificacion = g.modificarMovimiento && optTipoModificacion1->isChecked();
    return g;
}

bool FrmGrupoUsuario::onGuardar()
{
    const GroupAdmin::Group g = typed();
    const GroupAdmin::Marks marks{m_tree->markedNodes(), m_tree->markedOptions()};
    GroupAdmin::Result result;
    try {
        result = m_adding ? m_groups.create(g, marks) : m_groups.modify(g, marks);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
    if (result != GroupAdmin::Result::Saved) {
        (m_groups.failedField() == GroupAdmin::Field::Name ? TxtNomGrupo : TxtCodGrupo)->setFocus();
        return false;
    }
    m_adding = false;
    setEditing(false);
    loadList(GroupAdmin::NormalizeCode(g.code));
    return true;
}

bool FrmGrupoUsuario::onEliminar()
{
    try {
        return m_groups.remove(selectedCode()) == GroupAdmin::Result::Deleted;
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
}

void FrmGrupoUsuario::onBuscar()
{
    QString statement = QStringLiteral("SELECT CodGrupo AS Codigo, NombreGrupo AS Nombre "
                                       "FROM GRUPOS");
    QVariantList params;
    if (!UserRights::IsSystemsUser(session().db(), session().gUsuario)) {
        statement += QStringLiteral(" WHERE CodGrupo <> ?");
        params << UserRights::SystemsGroup;
    }
    statement += QStringLiteral(" ORDER BY CodGrupo");
    try {
        const CatalogResult picked = ShowCatalog(session(), this, params, statement);
        if (picked.picked())
            selectGroup(picked.element(1));
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}
