#include "shell/ui/FrmEstructura.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"

#include <QDropEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTreeWidget>

namespace {
constexpr int CodeRole = Qt::UserRole;

// A tree whose drops become moves of the menu structure instead of moves of items.
class StructureTree : public QTreeWidget
{
public:
    explicit StructureTree(FrmEstructura *owner)
        : QTreeWidget(owner)
        , m_owner(owner)
    {
        setDragDropMode(QAbstractItemView::InternalMove);
    }

protected:
    void dropEvent(QDropEvent *event) override
    {
        QTreeWidgetItem *target = itemAt(event->position().toPoint());
        QTreeWidgetItem *moving = currentItem();
        event->ignore();
        if (target && moving && target != moving)
            m_owner->moveNode(moving->data(0, CodeRole).toString(),
                              target->data(0, CodeRole).toString());
    }

private:
    FrmEstructura *m_owner;
};
} // namespace

FrmEstructura::FrmEstructura(Session &session, const QString &nodeCode, QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
    , m_structure(session)
{
    setObjectName(QStringLiteral("FrmEstructura"));
    setWindowTitle(QStringLiteral("Estructura del Menú"));

    tvwMenu = new StructureTree(this);
    tvwMenu->setHeaderHidden(true);
    txtCodigo = new QLineEdit(this);
    txtCodigo->setMaxLength(50);
    txtNombre = new QLineEdit(this);
    txtNombre->setMaxLength(100);
    txtFormulario = new QLineEdit(this);
    txtImagen = new QSpinBox(this);
    txtImagen->setRange(0, 999);
    optContenedor = new QRadioButton(QStringLiteral("Contenedor"), this);
    optFuncion = new QRadioButton(QStringLiteral("Función"), this);
    optSeparador = new QRadioButton(QStringLiteral("Separador"), this);
    lstOpciones = new QListWidget(this);
    for (const QString &option : m_structure.allOptions()) {
        auto *item = new QListWidgetItem(option, lstOpciones);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
    }

    auto *kind = new QGroupBox(QStringLiteral("Tipo de nodo"), this);
    auto *kindLayout = new QHBoxLayout(kind);
    kindLayout->addWidget(optContenedor);
    kindLayout->addWidget(optFuncion);
    kindLayout->addWidget(optSeparador);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Código:"), txtCodigo);
    form->addRow(QStringLiteral("Nombre:"), txtNombre);
    form->addRow(QStringLiteral("Formulario:"), txtFormulario);
    form->addRow(QStringLiteral("Imagen:"), txtImagen);
    form->addRow(kind);
    form->addRow(QStringLiteral("Operaciones:"), lstOpciones);

    auto *split = new QHBoxLayout;
    split->addWidget(tvwMenu, 3);
    split->addLayout(form, 2);
    body()->addLayout(split);

    connect(tvwMenu, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *item) { showNode(item); });
    connect(optSeparador, &QRadioButton::toggled, this, [this](bool on) {
        if (on && txtNombre->isEnabled())
            txtNombre->setText(QStringLiteral("_"));
    });
    resize(820, 520);
    loadTree();
    setEditing(false);
    LoadToolbarOptions();
}

void FrmEstructura::loadTree(const QString &select)
{
    tvwMenu->clear();
    auto *root = new QTreeWidgetItem(tvwMenu, {session().gNombreSistema});
    root->setData(0, CodeRole, MenuStructure::Root);
    root->setIcon(0, style()->standardIcon(QStyle::SP_ComputerIcon));
    QHash<QString, QTreeWidgetItem *> items{{MenuStructure::Root, root}};
    for (const MenuStructure::Node &n : m_structure.nodes()) {
        QTreeWidgetItem *parent = items.value(n.parent);
        if (!parent)
            continue;
        auto *item = new QTreeWidgetItem(parent, {n.caption});
        item->setData(0, CodeRole, n.code);
        item->setIcon(0, style()->standardIcon(n.container ? QStyle::SP_DirOpenIcon
                                                           : QStyle::SP_FileIcon));
        items.insert(n.code, item);
    }
    root->setExpanded(true);
    selectNode(select.isEmpty() ? MenuStructure::Root : select);
}

QString FrmEstructura::selectedCode() const
{
    const QTreeWidgetItem *item = tvwMenu->currentItem();
    return item ? item->data(0, CodeRole).toString() : QString();
}

void FrmEstructura::selectNode(const QString &code)
{
    for (QTreeWidgetItemIterator it(tvwMenu); *it; ++it)
        if ((*it)->data(0, CodeRole).toString() == code) {
            tvwMenu->setCurrentItem(*it);
            for (QTreeWidgetItem *up = (*it)->parent(); up; up = up->parent())
                up->setExpanded(true);
            return;
        }
}

void FrmEstructura::showNode(QTreeWidgetItem *item)
{
    if (!item || txtNombre->isEnabled())
        return;
    const auto node = m_structure.node(item->data(0, CodeRole).toString());
    txtCodigo->setText(node ? node->code : MenuStructure::Root);
    txtNombre->setText(node ? node->caption : session().gNombreSistema);
    txtFormulario->setText(node ? node->form : QString());
    txtImagen->setValue(node ? node->image : 0);
    const bool separator = node && !node->container && node->caption == QLatin1String("_");
    (!node || node->container ? optContenedor : separator ? optSeparador : optFuncion)
        ->setChecked(true);
    const QStringList options = node ? m_structure.optionsOf(node->code) : QStringList();
    for (int i = 0; i < lstOpciones->count(); ++i)
        lstOpciones->item(i)->setCheckState(
            options.contains(lstOpciones->item(i)->text()) ? Qt::Checked : Qt::Unchecked);
}

void FrmEstructura::setEditing(bool editing)
{
    txtCodigo->setEnabled(editing && m_adding);
    for (QWidget *w : std::initializer_list<QWidget *>{txtNombre, txtFormulario, txtImagen,
                                                       optContenedor, optFuncion, optSeparador,
                                                       lstOpciones})
        w->setEnabled(editing);
    tvwMenu->setEnabled(!editing);
}

MenuStructure::NodeInput FrmEstructura::typed() const
{
    MenuStructure::NodeInput in;
    in.code = txtCodigo->text();
    in.caption = txtNombre->text();
    in.form = txtFormulario->text().trimmed();
    in.image = txtImagen->value();
    in.kind = optContenedor->isChecked()  ? MenuStructure::Kind::Container
              : optSeparador->isChecked() ? MenuStructure::Kind::Separator
                                          : MenuStructure::Kind::Function;
    for (int i = 0; i < lstOpciones->count(); ++i)
        if (lstOpciones->item(i)->checkState() == Qt::Checked)
            in.options << lstOpciones->item(i)->text();
    return in;
}

void FrmEstructura::onNuevo()
{
    m_adding = true;
    setEditing(true);
    txtCodigo->setText(QStringLiteral("mnu_"));
    txtNombre->clear();
    txtFormulario->clear();
    txtImagen->setValue(0);
    optFuncion->setChecked(true);
    txtCodigo->setFocus();
}

void FrmEstructura::onModificar()
{
    if (selectedCode() == MenuStructure::Root) {
        session().prompt().warning(QStringLiteral("No puede modificar el nodo raiz del sistema"));
        SetToolbarState(Browsing);
        return;
    }
    m_adding = false;
    setEditing(true);
    txtNombre->setFocus();
}

void FrmEstructura::ConfirmDelete()
{
    try {
        if (m_structure.deleteNode(selectedCode())) {
            session().prompt().info(QStringLiteral("Registro eliminado con exito!"));
            loadTree();
        }
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void FrmEstructura::onCancelar()
{
    m_adding = false;
    setEditing(false);
    showNode(tvwMenu->currentItem());
}

bool FrmEstructura::onGuardar()
{
    const MenuStructure::NodeInput in = typed();
    bool saved = false;
    try {
        saved = m_adding ? m_structure.addNode(selectedCode(), in) : m_structure.modifyNode(in);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
    if (saved) {
        m_adding = false;
        setEditing(false);
        loadTree(in.code.trimmed());
    }
    return saved;
}

void FrmEstructura::onOtherAction(const QString &key)
{
    const QString code = selectedCode();
    bool moved = false;
    if (key == QLatin1String("Subir"))
        moved = m_structure.moveUp(code);
    else if (key == QLatin1String("Bajar"))
        moved = m_structure.moveDown(code);
    if (moved)
        loadTree(code);
}

void FrmEstructura::moveNode(const QString &code, const QString &container)
{
    try {
        if (m_structure.moveTo(code, container))
            loadTree(code);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}
