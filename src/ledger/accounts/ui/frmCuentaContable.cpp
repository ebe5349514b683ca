#include "ledger/accounts/ui/frmCuentaContable.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/report/ReportOutput.h"
#include "ledger/accounts/AccountTreeModel.h"
#include "ledger/accounts/DetailAccountCheck.h"
#include "ledger/accounts/ui/AccountForm.h"
#include "platform/Db.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QHeaderView>
#include <QStyle>
#include <QTreeView>

frmCuentaContable::frmCuentaContable(Session &session, const QString &nodeCode, QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
    , m_chart(session, nodeCode)
{
    setObjectName(QStringLiteral("frmCuentaContable"));
    setWindowTitle(QStringLiteral("Plan de Cuentas"));
    m_tree = new AccountTreeModel(this);
    QStyle *style = QApplication::style();
    m_tree->setImages(style->standardIcon(QStyle::SP_DriveHDIcon),
                      style->standardIcon(QStyle::SP_DirIcon),
                      style->standardIcon(QStyle::SP_FileIcon));
    tvwCuentas = new QTreeView(this);
    tvwCuentas->setObjectName(QStringLiteral("tvwCuentas"));
    tvwCuentas->setHeaderHidden(true);
    tvwCuentas->setUniformRowHeights(true); // keeps a chart of thousands quick to scroll
    tvwCuentas->setModel(m_tree);
    frmCuenta = new AccountForm(session, m_chart, this);

    addListAndForm(tvwCuentas, frmCuenta, 340);
    resize(1000, 580);

    connect(tvwCuentas->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { showSelected(); });
    loadTree();
    LoadToolbarOptions();
    updateButtons();
}

frmCuentaContable::~frmCuentaContable() = default;

void frmCuentaContable::setCatalogPicker(CatalogPicker *picker)
{
    frmCuenta->setPicker(picker);
}

void frmCuentaContable::loadTree()
{
    try {
        m_tree->load(session().db());
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
    tvwCuentas->expand(m_tree->rootIndex());
    tvwCuentas->setCurrentIndex(m_tree->rootIndex());
}

QString frmCuentaContable::selectedCode() const
{
    return tvwCuentas->currentIndex().data(AccountTreeModel::CodeRole).toString();
}

int frmCuentaContable::selectedLevel() const
{
    return tvwCuentas->currentIndex().data(AccountTreeModel::LevelRole).toInt();
}

bool frmCuentaContable::selectAccount(const QString &code)
{
    const QModelIndex index = code.isEmpty() ? m_tree->rootIndex() : m_tree->indexOf(code);
    if (!index.isValid())
        return false;
    tvwCuentas->setCurrentIndex(index);
    tvwCuentas->scrollTo(index);
    return true;
}

void frmCuentaContable::showSelected()
{
    if (m_mode != Mode::Browse)
        return;
    const QString code = selectedCode();
    std::optional<Account> account;
    try {
        if (!code.isEmpty())
            account = m_chart.load(code);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
    if (account)
        frmCuenta->showAccount(*account, m_chart.structure());
    else
        frmCuenta->clearAccount();
    updateButtons();
}

void frmCuentaContable::updateButtons()
{
    if (m_mode != Mode::Browse)
        return;
    const int level = selectedLevel();
    const auto enable = [this](const char *key, bool on) {
        if (QAction *a = button(QLatin1String(key)); a && a->isVisible())
            a->setEnabled(on);
    };
    // Nothing hangs below level 5, and the root is no account to change or delete.
    enable("Nuevo", level < AccountCodeStructure::LevelCount);
    enable("Modificar", level > 0);
    enable("Eliminar", level > 0);
}

void frmCuentaContable::onNuevo()
{
    const int level = selectedLevel() + 1;
    if (level > AccountCodeStructure::LevelCount)
        return;
    std::optional<Account> parent;
    try {
        if (level > 1)
            parent = m_chart.load(selectedCode());
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return;
    }
    if (level > 1 && !parent)
        return;
    m_mode = Mode::New;
    tvwCuentas->setEnabled(false);
    frmCuenta->startNew(parent ? &*parent : nullptr, level, m_chart.structure());
}

void frmCuentaContable::onModificar()
{
    if (selectedCode().isEmpty())
        return;
    m_mode = Mode::Modify;
    tvwCuentas->setEnabled(false);
    frmCuenta->startModify();
}

void frmCuentaContable::DespuesDeNavegar(int action)
{
    // "Nuevo" and "Modificar" that found nothing to work on leave the window browsing.
    if ((action == Nuevo || action == Modificar) && m_mode == Mode::Browse) {
        SetToolbarState(Browsing);
        setEditState(0);
    }
    updateButtons();
}

void frmCuentaContable::finishEditing()
{
    m_mode = Mode::Browse;
    frmCuenta->stopEditing();
    tvwCuentas->setEnabled(true);
    tvwCuentas->setFocus();
}

void frmCuentaContable::onCancelar()
{
    finishEditing();
    showSelected();
}

bool frmCuentaContable::onGuardar()
{
    AccountDraft draft;
    draft.mode = m_mode == Mode::New ? AccountEditMode::New : AccountEditMode::Modify;
    draft.segment = frmCuenta->segment();
    draft.account = frmCuenta->account();
    ChartOfAccounts::SaveOutcome outcome;
    try {
        outcome = m_chart.save(draft);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
    if (outcome.result != ChartOfAccounts::SaveResult::Saved) {
        if (outcome.failure)
            frmCuenta->focusField(*outcome.failure);
        return false;
    }
    const Account &a = draft.account;
    m_tree->upsert(outcome.code, a.name.trimmed(), a.parentCode, a.level, a.summary);
    finishEditing();
    selectAccount(outcome.code);
    showSelected();
    return true;
}

bool frmCuentaContable::onEliminar()
{
    const QString code = selectedCode();
    if (code.isEmpty())
        return false;
    try {
        if (m_chart.remove(code) != ChartOfAccounts::DeleteResult::Deleted)
            return false;
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
    const QModelIndex parent = tvwCuentas->currentIndex().parent();
    const QString parentCode = parent.data(AccountTreeModel::CodeRole).toString();
    m_tree->remove(code);
    selectAccount(parentCode);
    showSelected();
    return true;
}

void frmCuentaContable::onBuscar()
{
    const std::optional<QString> code = session().prompt().input(SearchPrompt, SearchTitle);
    if (!code || code->trimmed().isEmpty())
        return;
    if (!selectAccount(code->trimmed()))
        session().prompt().warning(DetailAccountCheck::MissingMessage);
}

void frmCuentaContable::onImprimir()
{
    if (!session().reports)
        return;
    try {
        m_chart.print(*session().reports);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

QString frmCuentaContable::recordToDelete() const
{
    const QString code = selectedCode();
    return code.isEmpty() ? QString() : code + QStringLiteral(" ") + frmCuenta->txtNombre->text();
}
