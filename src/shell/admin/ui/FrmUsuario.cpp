#include "shell/admin/ui/FrmUsuario.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/DbError.h"

#include <QAction>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTreeWidget>

namespace {
constexpr int CodeRole = Qt::UserRole;

// Tree keys are the user's code followed by "C", so that no user is mistaken for the root.
QString keyOf(const QString &code)
{
    return code + QLatin1Char('C');
}
} // namespace

FrmUsuario::FrmUsuario(Session &session, const QString &nodeCode, QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
    , m_users(session, nodeCode)
{
    setObjectName(QStringLiteral("FrmUsuario"));
    setWindowTitle(QStringLiteral("Usuarios"));

    tvwUsuarios = new QTreeWidget(this);
    tvwUsuarios->setObjectName(QStringLiteral("tvwUsuarios"));
    tvwUsuarios->setHeaderHidden(true);
    tvwUsuarios->setMinimumWidth(160);
    TxtCodUsuario = new QLineEdit(this);
    TxtCodUsuario->setObjectName(QStringLiteral("TxtCodUsuario"));
    TxtCodUsuario->setMaxLength(20);
    // The login looks codes up upper-cased; show them as they will be kept.
    connect(TxtCodUsuario, &QLineEdit::textEdited, this, [this](const QString &text) {
        const int cursor = TxtCodUsuario->cursorPosition();
        TxtCodUsuario->setText(text.toUpper());
        TxtCodUsuario->setCursorPosition(cursor);
    });
    TxtNombUsuario = new QLineEdit(this);
    TxtNombUsuario->setObjectName(QStringLiteral("TxtNombUsuario"));
    TxtNombUsuario->setMaxLength(100);
    TxtClave = new QLineEdit(this);
    TxtClave->setObjectName(QStringLiteral("TxtClave"));
    TxtVerificarClave = new QLineEdit(this);
    TxtVerificarClave->setObjectName(QStringLiteral("TxtVerificarClave"));
    for (QLineEdit *box : {TxtClave, TxtVerificarClave}) {
        box->setEchoMode(QLineEdit::Password);
        box->setMaxLength(50);
    }
    OptActivo = new QRadioButton(QStringLiteral("Activo"), this);
    OptActivo->setObjectName(QStringLiteral("OptActivo"));
    OptInactivo = new QRadioButton(QStringLiteral("Inactivo"), this);
    OptInactivo->setObjectName(QStringLiteral("OptInactivo"));
    lstOpciones = new QListWidget(this);
    lstOpciones->setObjectName(QStringLiteral("lstOpciones"));

    auto *state = new QHBoxLayout;
    state->addWidget(OptActivo);
    state->addWidget(OptInactivo);
    state->addStretch();
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Código:"), TxtCodUsuario);
    form->addRow(QStringLiteral("Nombre:"), TxtNombUsuario);
    form->addRow(QStringLiteral("Clave:"), TxtClave);
    form->addRow(QStringLiteral("Verificar clave:"), TxtVerificarClave);
    form->addRow(QStringLiteral("Estado:"), state);
    auto *groups = new QGroupBox(QStringLiteral("Grupos"), this);
    auto *groupsLayout = new QVBoxLayout(groups);
    groupsLayout->addWidget(lstOpciones);
    auto *right = new QVBoxLayout;
    right->addLayout(form);
    right->addWidget(groups, 1);
    auto *page = new QWidget(this);
    right->setContentsMargins(0, 0, 0, 0);
    page->setLayout(right);
    addListAndForm(tvwUsuarios, page, 260);
    resize(680, 430);

    connect(tvwUsuarios, &QTreeWidget::currentItemChanged, this, [this] {
        if (!m_editing)
            showSelected();
        updateButtons();
    });
    try {
        loadGroups();
        loadTree({});
    } catch (const DbError &e) {
        session.prompt().error(e.userText());
    }
    setEditing(false);
    LoadToolbarOptions();
    updateButtons();
}

void FrmUsuario::loadGroups()
{
    lstOpciones->clear();
    for (const UserAdmin::Group &g : m_users.groups()) {
        auto *item = new QListWidgetItem(g.name, lstOpciones);
        item->setData(CodeRole, g.code);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
    }
}

void FrmUsuario::loadTree(const QString &select)
{
    const QSignalBlocker block(tvwUsuarios);
    tvwUsuarios->clear();
    m_root = new QTreeWidgetItem(tvwUsuarios, {RootText});
    QTreeWidgetItem *chosen = nullptr;
    for (const UserAdmin::User &u : m_users.users()) {
        auto *item = new QTreeWidgetItem(m_root, {u.code + QStringLiteral(" - ") + u.name});
        item->setData(0, CodeRole, keyOf(u.code));
        if (!u.active)
            item->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
        if (u.code == select)
            chosen = item;
    }
    m_root->setExpanded(true);
    // Without a user to keep (first load, after a delete) the first one is shown.
    if (!chosen && m_root->childCount() > 0)
        chosen = m_root->child(0);
    tvwUsuarios->setCurrentItem(chosen ? chosen : m_root);
    showSelected();
}

QString FrmUsuario::selectedCode() const
{
    const QTreeWidgetItem *item = tvwUsuarios->currentItem();
    if (!item || item == m_root)
        return {};
    return item->data(0, CodeRole).toString().chopped(1);
}

bool FrmUsuario::selectUser(const QString &code)
{
    const QString key = keyOf(UserAdmin::NormalizeCode(code));
    for (int i = 0; m_root && i < m_root->childCount(); ++i)
        if (m_root->child(i)->data(0, CodeRole).toString() == key) {
            tvwUsuarios->setCurrentItem(m_root->child(i));
            return true;
        }
    return false;
}

void FrmUsuario::tickGroups(const QStringList &codes)
{
    for (int i = 0; i < lstOpciones->count(); ++i) {
        QListWidgetItem *item = lstOpciones->item(i);
        item->setCheckState(codes.contains(item->data(CodeRole).toString()) ? Qt::Checked
                                                                            : Qt::Unchecked);
    }
}

void FrmUsuario::showSelected()
{
    TxtClave->clear();
    TxtVerificarClave->clear();
    const QString code = selectedCode();
    std::optional<UserAdmin::User> user;
    try {
        if (!code.isEmpty())
            user = m_users.user(code);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
    TxtCodUsuario->setText(user ? user->code : QString());
    TxtNombUsuario->setText(user ? user->name : QString());
    (user && !user->active ? OptInactivo : OptActivo)->setChecked(true);
    tickGroups(user ? user->groups : QStringList());
}

void FrmUsuario::setEditing(bool editing)
{
    m_editing = editing;
    TxtCodUsuario->setEnabled(editing && m_adding);
    for (QWidget *w : std::initializer_list<QWidget *>{TxtNombUsuario, TxtClave, TxtVerificarClave,
                                                       OptActivo, OptInactivo, lstOpciones})
        w->setEnabled(editing);
    tvwUsuarios->setEnabled(!editing);
    // On a change the password boxes stay empty; typing in them replaces the password.
    TxtClave->setPlaceholderText(editing && !m_adding ? QStringLiteral("(sin cambios)")
                                                      : QString());
}

void FrmUsuario::updateButtons()
{
    if (m_editing)
        return;
    const QTreeWidgetItem *item = tvwUsuarios->currentItem();
    const bool onUser = item && item != m_root && selectedCode() != QLatin1String("SISTEMAS");
    for (const char *key : {"Modificar", "Eliminar"})
        if (QAction *a = button(QLatin1String(key)))
            a->setEnabled(onUser);
}

bool FrmUsuario::hasRecords() const
{
    return m_root && m_root->childCount() > 0;
}

void FrmUsuario::RefreshRecord()
{
    try {
        loadTree(selectedCode());
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void FrmUsuario::onNuevo()
{
    m_adding = true;
    for (QLineEdit *box : {TxtCodUsuario, TxtNombUsuario, TxtClave, TxtVerificarClave})
        box->clear();
    OptActivo->setChecked(true);
    tickGroups({});
    setEditing(true);
    TxtCodUsuario->setFocus();
}

void FrmUsuario::onModificar()
{
    m_adding = false;
    setEditing(true);
    TxtNombUsuario->setFocus();
}

void FrmUsuario::onCancelar()
{
    m_adding = false;
    setEditing(false);
    showSelected();
}

UserAdmin::Input FrmUsuario::typed() const
{
    UserAdmin::Input in;
    in.code = TxtCodUsuario->text();
    in.name = TxtNombUsuario->text();
    in.password = TxtClave->text();
    in.verification = TxtVerificarClave->text();
    in.active = OptActivo->isChecked();
    for (int i = 0; i < lstOpciones->count(); ++i)
        if (lstOpciones->item(i)->checkState() == Qt::Checked)
            in.groups << lstOpciones->item(i)->data(CodeRole).toString();
    return in;
}

void FrmUsuario::focusField(UserAdmin::Field field)
{
    switch (field) {
    case UserAdmin::Field::Code:
        TxtCodUsuario->setFocus();
        break;
    case UserAdmin::Field::Name:
        TxtNombUsuario->setFocus();
        break;
    case UserAdmin::Field::Password:
        TxtClave->setFocus();
        break;
    case UserAdmin::Field::Groups:
        lstOpciones->setFocus();
        break;
    case UserAdmin::Field::None:
        break;
    }
}

bool FrmUsuario::onGuardar()
{
    const UserAdmin::Input in = typed();
    UserAdmin::Result result;
    try {
        result = m_adding ? m_users.create(in) : m_users.modify(in);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
    if (result != UserAdmin::Result::Saved) {
        focusField(m_users.failedField());
        return false;
    }
    m_adding = false;
    setEditing(false);
    loadTree(UserAdmin::NormalizeCode(in.code));
    return true;
}

bool FrmUsuario::onEliminar()
{
    try {
        return m_users.remove(selectedCode()) == UserAdmin::Result::Deleted;
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
}

void FrmUsuario::onBuscar()
{
    const std::optional<QString> code = session().prompt().input(
        QStringLiteral("Ingrese el usuario a buscar:"), QStringLiteral("Buscar Usuario"));
    if (code && !code->trimmed().isEmpty())
        selectUser(*code);
}

void FrmUsuario::DespuesDeNavegar(int)
{
    updateButtons();
}
