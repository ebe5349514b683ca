#include "common/ui/ChildWindow.h"

#include "common/ui/ApplicationLook.h"

#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QStyle>
#include <QShortcut>
#include <QShowEvent>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
const QHash<QString, int> &actionCodes()
{
    static const QHash<QString, int> codes{
        {QStringLiteral("Nuevo"), ChildWindow::Nuevo},
        {QStringLiteral("Modificar"), ChildWindow::Modificar},
        {QStringLiteral("Eliminar"), ChildWindow::Eliminar},
        {QStringLiteral("Buscar"), ChildWindow::Buscar},
        {QStringLiteral("Imprimir"), ChildWindow::Imprimir},
        {QStringLiteral("Cancelar"), ChildWindow::Cancelar},
        {QStringLiteral("Guardar"), ChildWindow::Guardar},
        {QStringLiteral("Aprobar"), ChildWindow::Aprobar},
        {QStringLiteral("Salir"), ChildWindow::Salir},
        {QStringLiteral("Reprobar"), ChildWindow::Reprobar},
    };
    return codes;
}

// Alt + initial of each operation.
const QHash<int, QString> &shortcutKeys()
{
    static const QHash<int, QString> keys{
        {Qt::Key_N, QStringLiteral("Nuevo")},    {Qt::Key_M, QStringLiteral("Modificar")},
        {Qt::Key_E, QStringLiteral("Eliminar")}, {Qt::Key_B, QStringLiteral("Buscar")},
        {Qt::Key_I, QStringLiteral("Imprimir")}, {Qt::Key_C, QStringLiteral("Cancelar")},
        {Qt::Key_G, QStringLiteral("Guardar")},  {Qt::Key_A, QStringLiteral("Aprobar")},
    };
    return keys;
}
} // namespace

ChildWindow::ChildWindow(Session &session, const QString &nodeCode, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_node(nodeCode)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("tlbregistro"));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setVisible(false);
    layout->addWidget(m_toolbar);
    m_body = new QVBoxLayout;
    m_body->setContentsMargins(9, 9, 9, 9);
    layout->addLayout(m_body, 1);
}

void ChildWindow::LoadToolbarOptions()
{
    if (!m_buttons.isEmpty())
        return;
    Db &db = m_session.db();
    m_allowed = OptionRights::AllowedOptions(db, m_session.gUsuario, m_node);
    m_toolbar->setVisible(true);
    for (const QString &name : OptionRights::AllOptions(db)) {
        auto *action = m_toolbar->addAction(ApplicationLook::operationIcon(name), name);
        action->setObjectName(name);
        action->setToolTip(name);
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, name] { ToolbarAction(name); });
        m_buttons.insert(name, action);
    }
    // Alt+letter works from inside any field: a shortcut is offered before the field sees the
    // key, and a text box does not claim Alt combinations for itself.
    for (auto it = shortcutKeys().cbegin(); it != shortcutKeys().cend(); ++it) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::ALT | it.key()), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        const int key = it.key();
        connect(shortcut, &QShortcut::activated, this,
                [this, key] { ToolbarKey(key, Qt::AltModifier); });
    }
    if (m_allowed.isEmpty()) {
        if (QAction *exit = button(QStringLiteral("Salir")))
            exit->setVisible(true);
    } else {
        for (const QString &name : std::as_const(m_allowed))
            if (QAction *a = button(name))
                a->setVisible(true);
    }
    disableWithoutRecords();
    for (const char *key : {"Cancelar", "Guardar", "Aprobar"})
        if (QAction *a = button(QLatin1String(key)))
            a->setEnabled(false);
}

void ChildWindow::setEnabledIfVisible(const QStringList &keys, bool enabled)
{
    for (const QString &key : keys)
        if (QAction *a = button(key); a && a->isVisible())
            a->setEnabled(enabled);
}

void ChildWindow::disableWithoutRecords()
{
    if (isRecordList() && !hasRecords())
        setEnabledIfVisible({QStringLiteral("Modificar"), QStringLiteral("Eliminar"),
                             QStringLiteral("Buscar"), QStringLiteral("Imprimir")},
                            false);
}

void ChildWindow::SetToolbarState(int mode)
{
    if (mode != Editing && mode != Browsing)
        return;
    const bool browsing = mode == Browsing;
    for (const char *key : {"Nuevo", "Modificar", "Eliminar", "Buscar", "Imprimir", "Salir"})
        if (QAction *a = button(QLatin1String(key)))
            a->setEnabled(browsing);
    for (const char *key : {"Cancelar", "Guardar", "Aprobar"})
        if (QAction *a = button(QLatin1String(key)))
            a->setEnabled(!browsing);
    if (browsing) {
        RefreshRecord();
        disableWithoutRecords();
    }
}

void ChildWindow::ToolbarAction(const QString &key)
{
    const int code = actionCodes().value(key, 0);
    if (code != Salir && !m_allowed.contains(key))
        return; // not granted here: a hidden button is not the only guard
    if (code == 0) {
        onOtherAction(key);
        return;
    }
    switch (code) {
    case Nuevo:
        m_editState = 1;
        onNuevo();
        SetToolbarState(Editing);
        break;
    case Modificar:
        m_editState = 2;
        onModificar();
        SetToolbarState(Editing);
        break;
    case Eliminar:
        m_editState = 3;
        ConfirmDelete();
        break;
    case Buscar:
        m_editState = 4;
        onBuscar();
        break;
    case Imprimir:
        onImprimir();
        m_editState = 5;
        break;
    case Cancelar:
        SetToolbarState(Browsing);
        m_editState = 6;
        onCancelar();
        break;
    case Guardar:
        if (onGuardar()) {
            m_editState = 7;
            SetToolbarState(Browsing);
        }
        break;
    case Aprobar:
        if (isRecordList())
            SetToolbarState(Browsing);
        m_editState = 8;
        onAprobar();
        break;
    case Reprobar:
        onReprobar();
        break;
    case Salir:
        m_editState = 9;
        if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
            frame->close();
        else
            close();
        return;
    }
    DespuesDeNavegar(code);
}

bool ChildWindow::ToolbarKey(int key, Qt::KeyboardModifiers modifiers)
{
    QString name;
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier)
        name = QStringLiteral("Salir");
    else if (modifiers == Qt::AltModifier)
        name = shortcutKeys().value(key);
    QAction *a = name.isEmpty() ? nullptr : button(name);
    if (!a || !a->isVisible() || !a->isEnabled())
        return false;
    ToolbarAction(name);
    return true;
}

void ChildWindow::ConfirmDelete()
{
    Prompter &prompt = m_session.prompt();
    // A deletion is never one Enter away: No is the default answer. The question names the
    // record under it, so that nobody deletes the wrong row of a list.
    QString question = DeleteQuestion;
    if (const QString record = recordToDelete().trimmed(); !record.isEmpty())
        question += QStringLiteral("\n\n") + record;
    if (!prompt.question(question, QStringLiteral("Eliminar ") + m_session.gNombreSistema, false))
        return;
    if (onEliminar()) {
        prompt.info(QStringLiteral("Registro eliminado con exito!"));
        if (isRecordList())
            RefreshRecord();
    } else {
        prompt.info(QStringLiteral("Registro no se puede eliminar!"));
    }
}

void ChildWindow::keyPressEvent(QKeyEvent *event)
{
    if (ToolbarKey(event->key(), event->modifiers()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void ChildWindow::closeEvent(QCloseEvent *event)
{
    m_editState = 0;
    if (m_listSplitter && m_session.settings && m_listWidthRestored) {
        m_session.settings->setValue(listWidthKey(), m_listSplitter->sizes().value(0));
        m_session.settings->sync();
    }
    QWidget::closeEvent(event);
}

QSplitter *ChildWindow::addListAndForm(QWidget *list, QWidget *form, int listWidth)
{
    m_listSplitter = new QSplitter(Qt::Horizontal, this);
    m_listSplitter->setObjectName(QStringLiteral("splLista"));
    m_listSplitter->setChildrenCollapsible(false);
    m_listSplitter->addWidget(list);
    m_listSplitter->addWidget(form);
    m_listSplitter->setStretchFactor(0, 0);
    m_listSplitter->setStretchFactor(1, 1);
    m_listWidth = listWidth;
    body()->addWidget(m_listSplitter, 1);
    return m_listSplitter;
}

QString ChildWindow::listWidthKey() const
{
    return QStringLiteral("Ventanas/%1/AnchoLista").arg(objectName());
}

void ChildWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window's name is known only once it is built, so the width is read at first show.
    if (m_listSplitter && !m_listWidthRestored) {
        m_listWidthRestored = true;
        int width = m_listWidth;
        if (m_session.settings && m_session.settings->contains(listWidthKey()))
            width = m_session.settings->value(listWidthKey()).toInt();
        const int total = m_listSplitter->width();
        width = std::clamp(width, 80, std::max(80, total - 200));
        m_listSplitter->setSizes({width, std::max(1, total - width)});
    }
}
