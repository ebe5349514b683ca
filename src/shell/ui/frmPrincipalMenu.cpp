// The main window's menus: the fixed entries, the user's navigation menu and what each
// choice does, and the opening of child windows by node.
#include "shell/ui/frmPrincipal.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/SettingsStore.h"
#include "platform/Version.h"
#include "shell/CompanySelection.h"
#include "shell/HelpFile.h"
#include "shell/NavigationMenu.h"
#include "shell/UserRights.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

QAction *frmPrincipal::addFixed(QMenu *menu, const QString &key, const QString &caption,
                                const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(key);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, caption, key] { menuChoice(caption, key); });
    return action;
}

QMenu *frmPrincipal::addHelpMenu()
{
    QMenu *help = menuBar()->addMenu(QStringLiteral("A&yuda"));
    addFixed(help, QStringLiteral("B1"), QStringLiteral("Ayuda..."), QKeySequence(Qt::Key_F1));
    addFixed(help, QStringLiteral("B2"), QStringLiteral("Acerca de..."),
             QKeySequence(Qt::CTRL | Qt::Key_A));
    return help;
}

void frmPrincipal::clearMenus()
{
    // clear() only removes the actions; the menus themselves must go too.
    const auto menus = menuBar()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly);
    menuBar()->clear();
    qDeleteAll(menus);
    m_menuSistema = nullptr;
}

void frmPrincipal::BuildFixedMenu()
{
    clearMenus();
    m_menuSistema = menuBar()->addMenu(QStringLiteral("&Sistema"));
    addFixed(m_menuSistema, QStringLiteral("A1"), QStringLiteral("Nueva Sesión"),
             QKeySequence(Qt::CTRL | Qt::Key_N));
    addFixed(m_menuSistema, QStringLiteral("A2"), QStringLiteral("Salir del Sistema"),
             QKeySequence(Qt::CTRL | Qt::Key_Q));
    addHelpMenu();
    applyMenuFont(menuBar()->font());
}

namespace {

// Whether `menu` or one of its submenus already offers `caption`.
bool offers(const QMenu *menu, const QString &caption)
{
    for (const QAction *a : menu->actions()) {
        if (a->text() == caption)
            return true;
        if (a->menu() && offers(a->menu(), caption))
            return true;
    }
    return false;
}

} // namespace

void frmPrincipal::appendFixedEntries(QMenu *first, bool withStructure)
{
    if (!first->isEmpty())
        first->addSeparator();
    // The navigation tree may already hold some of them: each is listed once.
    const auto addOnce = [this, first](const QString &key, const QString &caption,
                                       const QKeySequence &shortcut = {}) {
        if (!offers(first, caption))
            addFixed(first, key, caption, shortcut);
    };
    // No shortcut: Ctrl+S belongs to whoever is typing in a form.
    addOnce(QStringLiteral("A"), QStringLiteral("Seleccionar Empresa"));
    if (withStructure)
        addOnce(QStringLiteral("A2"), QStringLiteral("Estructura del Menú"));
    first->addSeparator();
    addOnce(QStringLiteral("A3"), QStringLiteral("Fuente del Menú Principal..."));
    addOnce(QStringLiteral("A4"), QStringLiteral("Calculadora..."),
             QKeySequence(Qt::Key_F12));
    addOnce(QStringLiteral("A5"), QStringLiteral("Nueva Sesión"),
             QKeySequence(Qt::CTRL | Qt::Key_N));
    addOnce(QStringLiteral("A6"), QStringLiteral("Salir del Sistema"),
             QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void frmPrincipal::BuildNavigationMenu()
{
    clearMenus();
    Db &db = m_session.db();
    QHash<QString, QMenu *> menus;
    for (const NavigationMenu::Entry &e : NavigationMenu::Build(db, m_session.gUsuario)) {
        if (e.level == 1) {
            QMenu *top = menuBar()->addMenu(e.caption);
            top->setObjectName(e.code);
            menus.insert(e.code, top);
            if (!m_menuSistema)
                m_menuSistema = top;
            continue;
        }
        QMenu *parent = menus.value(e.parent);
        if (!parent)
            continue;
        if (e.separator) {
            parent->addSeparator()->setObjectName(e.code);
            continue;
        }
        if (e.container) {
            QMenu *sub = parent->addMenu(e.caption);
            sub->setObjectName(e.code);
            sub->setEnabled(e.enabled);
            menus.insert(e.code, sub);
            continue;
        }
        QAction *action = parent->addAction(e.caption);
        action->setObjectName(e.code);
        action->setEnabled(e.enabled);
        if (e.enabled && !e.form.isEmpty() && m_hasWindow && !m_hasWindow(e.form)) {
            // Not built yet: said before the click, not after it.
            action->setEnabled(false);
            action->setToolTip(UnavailableText);
            parent->setToolTipsVisible(true);
        }
        connect(action, &QAction::triggered, this,
                [this, caption = e.caption, code = e.code] { menuChoice(caption, code); });
    }
    if (!m_menuSistema) {
        m_menuSistema = menuBar()->addMenu(QStringLiteral("&Sistema"));
        m_menuSistema->setObjectName(QStringLiteral("A0"));
    }
    appendFixedEntries(m_menuSistema, UserRights::IsSystemsUser(db, m_session.gUsuario));
    addHelpMenu();
    applyMenuFont(menuBar()->font());
}

void frmPrincipal::menuChoice(const QString &caption, const QString &code)
{
    if (caption == QLatin1String("Ayuda...")) {
        showHelp();
    } else if (caption == QStringLiteral("Fuente del Menú Principal...")) {
        chooseMenuFont();
    } else if (caption == QLatin1String("Acerca de...")) {
        showAbout();
    } else if (caption == QLatin1String("Calculadora...")) {
        // One calculator: F12 again brings the open one forward.
        if (QMdiSubWindow *open = findChildWindow(QStringLiteral("frmCalculadora"))) {
            open->showNormal();
            m_mdi->setActiveSubWindow(open);
            open->widget()->setFocus();
        } else if (QWidget *w =
                       m_factory ? m_factory(QStringLiteral("frmCalculadora"), QString()) : nullptr) {
            showChild(w);
        }
    } else if (caption == QStringLiteral("Estructura del Menú")) {
        const QString node = m_session.db()
                                 .scalar(QStringLiteral("SELECT CodNodo FROM SEG WHERE Forma = ?"),
                                         {QStringLiteral("FrmEstructura")})
                                 .toString();
        if (QMdiSubWindow *open = findChildWindow(QStringLiteral("FrmEstructura")))
            m_mdi->setActiveSubWindow(open);
        else if (QWidget *w = m_factory ? m_factory(QStringLiteral("FrmEstructura"), node) : nullptr)
            CenterChild(showChild(w));
    } else if (caption == QStringLiteral("Nueva Sesión")) {
        runLogin();
    } else if (caption == QLatin1String("Seleccionar Empresa")) {
        emit companySelectionRequested();
    } else if (caption == QLatin1String("Salir del Sistema")) {
        close();
    } else {
        if (const auto mode = NavigationMenu::OptionModeFor(caption))
            m_session.gModoOpcion = *mode;
        QString refusal = NavigationMenu::OpenRefusal(m_session);
        // The first head office is created before there is any company to work in.
        if (!refusal.isEmpty() && code == CompanySelection::CompaniesNode &&
            CompanySelection::NeedsFirstCompany(m_session))
            refusal.clear();
        if (!refusal.isEmpty()) {
            m_prompter.warning(refusal);
            return;
        }
        OpenNode(code);
    }
}

QMdiSubWindow *frmPrincipal::findChildWindow(const QString &form) const
{
    for (QMdiSubWindow *sub : m_mdi->subWindowList())
        if (sub->widget() && sub->widget()->objectName().compare(form, Qt::CaseInsensitive) == 0)
            return sub;
    return nullptr;
}

QMdiSubWindow *frmPrincipal::showChild(QWidget *window)
{
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        dialog->setParent(this, dialog->windowFlags());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->exec();
        return nullptr;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The size the window asked for, which the frame would otherwise shrink to its hint.
    const QSize wanted = window->size().expandedTo(window->sizeHint());
    QMdiSubWindow *sub = m_mdi->addSubWindow(window);
    sub->setWindowTitle(window->windowTitle());
    sub->show();
    sub->resize(wanted + (sub->size() - window->size()));
    return sub;
}

void frmPrincipal::OpenNode(const QString &nodeCode)
{
    Db &db = m_session.db();
    const QString form = NavigationMenu::FormOf(db, nodeCode);
    if (form.isEmpty())
        return;
    m_session.gFormaActual = form;
    m_session.gNodoActual = nodeCode;
    if (QMdiSubWindow *open = findChildWindow(form)) {
        open->showNormal();
        CenterChild(open);
        m_mdi->setActiveSubWindow(open);
        return;
    }
    QWidget *window = m_factory ? m_factory(form, nodeCode) : nullptr;
    if (!window) {
        m_prompter.warning(UnavailableText);
        return;
    }
    if (QMdiSubWindow *sub = showChild(window)) {
        CenterChild(sub);
        m_mdi->setActiveSubWindow(sub);
    }
}

void frmPrincipal::CenterChild(QMdiSubWindow *child)
{
    if (!child)
        return;
    const QSize area = m_mdi->viewport()->size();
    child->move(std::max(0, (area.width() - child->width()) / 2),
                std::max(0, (area.height() - child->height()) / 2));
}

void frmPrincipal::chooseMenuFont()
{
    std::optional<QFont> chosen;
    if (m_fontPicker) {
        chosen = m_fontPicker(menuBar()->font());
    } else {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, menuBar()->font(), this,
                                                QStringLiteral("Fuente del Menú Principal"));
        if (ok)
            chosen = font;
    }
    if (!chosen)
        return;
    const QFont font = *chosen;
    applyMenuFont(font);
    m_settings.setValue(QStringLiteral("NombreFuente"), font.family());
    m_settings.setValue(QStringLiteral("TamañoFuente"), font.pointSize());
    m_settings.setValue(QStringLiteral("BoldFuente"), font.bold());
    m_settings.setValue(QStringLiteral("ItalicFuente"), font.italic());
    m_settings.sync();
}

void frmPrincipal::showHelp()
{
    QString path = HelpFile::Locate(QCoreApplication::applicationDirPath());
    if (path.isEmpty()) {
        if (!m_prompter.question(HelpFile::MissingQuestion))
            return;
        path = QFileDialog::getOpenFileName(this, QStringLiteral("Ayuda"), QString(),
                                            QStringLiteral("Ayuda (*.htm *.html *.pdf)"));
        if (path.isEmpty())
            return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void frmPrincipal::showAbout()
{
    const QFileInfo program(QCoreApplication::applicationFilePath());
    m_prompter.info(QStringLiteral("%1\nVersión %2\nÚltima modificación: %3")
                        .arg(m_session.gDescripcionSistema, ApplicationVersion(),
                             program.lastModified().toString(QStringLiteral("dd/MM/yy hh:mm AP"))),
                    QStringLiteral("Versión ") + ApplicationVersion());
}
