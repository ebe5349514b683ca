#include "ledger/accounts/ui/CodeLookupEdit.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "ledger/accounts/DetailAccountCheck.h"
#include "platform/Db.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

CodeLookupEdit::CodeLookupEdit(Session &session, QString lookup, Checker checker, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_lookup(std::move(lookup))
    , m_checker(std::move(checker))
{
    txtCodigo = new QLineEdit(this);
    txtCodigo->setObjectName(QStringLiteral("txtCodigo"));
    txtCodigo->setMaxLength(15);
    txtCodigo->setFixedWidth(txtCodigo->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 16);
    cmdBuscar = new QToolButton(this);
    cmdBuscar->setObjectName(QStringLiteral("cmdBuscar"));
    cmdBuscar->setText(QStringLiteral("..."));
    cmdBuscar->setToolTip(QStringLiteral("Buscar"));
    cmdBuscar->setFocusPolicy(Qt::NoFocus);
    lblNombre = new QLabel(this);
    lblNombre->setObjectName(QStringLiteral("lblNombre"));
    lblNombre->setMinimumWidth(200);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(txtCodigo);
    row->addWidget(cmdBuscar);
    row->addWidget(lblNombre, 1);
    connect(txtCodigo, &QLineEdit::editingFinished, this, &CodeLookupEdit::checkTyped);
    connect(cmdBuscar, &QToolButton::clicked, this, &CodeLookupEdit::lookup);
}

CodeLookupEdit *CodeLookupEdit::detailAccount(Session &session, QWidget *parent)
{
    Session *s = &session;
    auto *edit = new CodeLookupEdit(
        session, DetailAccountCheck::LookupStatement,
        [s](const QString &code) {
            const DetailAccountCheck check = DetailAccountCheck::run(s->db(), code);
            return Check{check.name, check.message()};
        },
        parent);
    edit->txtCodigo->setMaxLength(12);
    return edit;
}

QString CodeLookupEdit::code() const
{
    return txtCodigo->text().trimmed();
}

void CodeLookupEdit::setCode(const QString &code, const QString &name)
{
    txtCodigo->setText(code);
    lblNombre->setText(name);
    m_checked = code.trimmed();
}

void CodeLookupEdit::showCode(const QString &code)
{
    const QString c = code.trimmed();
    QString name;
    try {
        name = c.isEmpty() ? QString() : m_checker(c).name;
    } catch (const DbError &) {
        // The code is shown without its name; checking it again tells what is wrong.
    }
    setCode(c, name);
}

void CodeLookupEdit::setEditable(bool editable)
{
    txtCodigo->setReadOnly(!editable);
    cmdBuscar->setEnabled(editable);
}

bool CodeLookupEdit::checkTyped()
{
    if (txtCodigo->isReadOnly() || code() == m_checked)
        return true;
    return accept(code());
}

bool CodeLookupEdit::accept(const QString &code)
{
    m_checked = code;
    if (code.isEmpty()) {
        setCode({}, {});
        emit codeAccepted({}, {});
        return true;
    }
    Check check;
    try {
        check = m_checker(code);
    } catch (const DbError &e) {
        check.refusal = e.userText();
    }
    if (!check.refusal.isEmpty() || check.told) {
        lblNombre->clear();
        if (!check.told)
            m_session.prompt().warning(check.refusal);
        txtCodigo->selectAll();
        return false;
    }
    setCode(code, check.name);
    emit codeAccepted(code, check.name);
    return true;
}

void CodeLookupEdit::lookup()
{
    if (txtCodigo->isReadOnly())
        return;
    CatalogResult result;
    try {
        // A list with no "?" shows every row whatever was typed.
        const QVariantList parameters = m_parameters ? m_parameters(code())
                                        : m_lookup.contains(QLatin1Char('?'))
                                            ? QVariantList{code() + QLatin1Char('%')}
                                            : QVariantList{};
        if (m_picker) {
            result =
                ShowCatalog(m_session.db(), m_session.prompt(), *m_picker, parameters, m_lookup);
        } else {
            CatalogWindowPicker picker(m_session.prompt(), window());
            result = ShowCatalog(m_session.db(), m_session.prompt(), picker, parameters, m_lookup);
        }
    } catch (const DbError &e) {
        m_session.prompt().error(e.userText());
        return;
    }
    if (result.recordCount)
        m_session.gCatalogoRegistros = *result.recordCount;
    if (!result.picked())
        return;
    txtCodigo->setText(result.element(1));
    accept(result.element(1));
    txtCodigo->setFocus();
}
