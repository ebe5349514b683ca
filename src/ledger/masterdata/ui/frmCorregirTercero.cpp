#include "ledger/masterdata/ui/frmCorregirTercero.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/CatalogService.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "platform/Db.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

frmCorregirTercero::frmCorregirTercero(Session &session, const QString &nodeCode, QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
    , m_correction(session, nodeCode)
{
    setObjectName(QStringLiteral("frmCorregirTercero"));
    setWindowTitle(QStringLiteral("Corregir Tercero"));

    txtCodigo = new QLineEdit(this);
    txtCodigo->setObjectName(QStringLiteral("txtCodigo"));
    txtCodigo->setMaxLength(15);
    txtCodigo->setToolTip(QStringLiteral("F2: buscar el tercero por su nombre"));
    cmdBuscar = new QToolButton(this);
    cmdBuscar->setObjectName(QStringLiteral("cmdBuscar"));
    cmdBuscar->setText(QStringLiteral("..."));
    txtNombre = new QLineEdit(this);
    txtNombre->setObjectName(QStringLiteral("txtNombre"));
    txtNombre->setReadOnly(true);
    txtNombre->setFocusPolicy(Qt::NoFocus);
    TxtNuevoCodigo = new QLineEdit(this);
    TxtNuevoCodigo->setObjectName(QStringLiteral("TxtNuevoCodigo"));
    TxtNuevoCodigo->setMaxLength(15);
    TxtNuevoCodigo->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^.]*")), this));

    auto *frame = new QGroupBox(QStringLiteral("Tercero"), this);
    frame->setObjectName(QStringLiteral("fraEntrada"));
    fraEntrada = frame;
    auto *codeRow = new QHBoxLayout;
    codeRow->setSpacing(2);
    codeRow->addWidget(txtCodigo, 1);
    codeRow->addWidget(cmdBuscar);
    auto *form = new QFormLayout(frame);
    form->addRow(QStringLiteral("Código actual:"), codeRow);
    form->addRow(QStringLiteral("Nombre:"), txtNombre);
    form->addRow(QStringLiteral("Nuevo código:"), TxtNuevoCodigo);
    body()->addWidget(frame);
    body()->addStretch();
    resize(520, 200);

    connect(cmdBuscar, &QToolButton::clicked, this, &frmCorregirTercero::searchCode);
    connect(txtCodigo, &QLineEdit::editingFinished, this, &frmCorregirTercero::takeCode);
    connect(TxtNuevoCodigo, &QLineEdit::editingFinished, this,
            [this] { TxtNuevoCodigo->setText(TxtNuevoCodigo->text().toUpper()); });
    txtCodigo->installEventFilter(this);
    TxtNuevoCodigo->installEventFilter(this);
    TxtNuevoCodigo->setEnabled(false);
    LoadToolbarOptions();
}

frmCorregirTercero::~frmCorregirTercero() = default;

void frmCorregirTercero::searchCode()
{
    if (!m_picker && !m_ownPicker)
        m_ownPicker = std::make_unique<CatalogWindowPicker>(session().prompt(), this);
    try {
        const CatalogResult picked =
            ShowCatalog(session().db(), session().prompt(), m_picker ? *m_picker : *m_ownPicker, {},
                        PartyCodeCorrection::LookupQuery());
        if (!picked.picked())
            return;
        txtCodigo->setText(picked.element(1));
        takeCode();
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void frmCorregirTercero::takeCode()
{
    const QString code = txtCodigo->text().trimmed();
    std::optional<QString> name;
    try {
        if (!code.isEmpty())
            name = m_correction.nameOf(code);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
    txtNombre->setText(name.value_or(QString()));
    TxtNuevoCodigo->setEnabled(name.has_value());
    if (name && allowedOptions().contains(QStringLiteral("Guardar")))
        SetToolbarState(Editing);
}

void frmCorregirTercero::clearFields()
{
    txtCodigo->clear();
    txtNombre->clear();
    TxtNuevoCodigo->clear();
    TxtNuevoCodigo->setEnabled(false);
}

void frmCorregirTercero::onCancelar()
{
    clearFields();
}

bool frmCorregirTercero::onGuardar()
{
    TxtNuevoCodigo->setText(TxtNuevoCodigo->text().toUpper());
    PartyCodeCorrection::Result result;
    try {
        result = m_correction.CorregirTercero(txtCodigo->text(), TxtNuevoCodigo->text());
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
    switch (result) {
    case PartyCodeCorrection::Result::Corrected:
        clearFields();
        txtCodigo->setFocus();
        return true;
    case PartyCodeCorrection::Result::Missing:
        (txtCodigo->text().trimmed().isEmpty() ? txtCodigo : TxtNuevoCodigo)->setFocus();
        return false;
    case PartyCodeCorrection::Result::Refused:
        TxtNuevoCodigo->setFocus();
        TxtNuevoCodigo->selectAll();
        return false;
    default:
        return false;
    }
}

bool frmCorregirTercero::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F2 && watched == txtCodigo) {
            searchCode();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            focusNextChild();
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}
