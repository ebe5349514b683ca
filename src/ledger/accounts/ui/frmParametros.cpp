#include "ledger/accounts/ui/frmParametros.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "ledger/accounts/PercentageText.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "ledger/accounts/ui/EnterMovesFocus.h"
#include "platform/Db.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {
const char *const AccountCaptions[Parameters::AccountCount] = {
    "Utilidad del ejercicio:", "Pérdida del ejercicio:",        "Utilidad acumulada:",
    "Pérdida acumulada:",      "Ingreso diferencia en cambio:", "Gasto diferencia en cambio:"};
} // namespace

frmParametros::frmParametros(Session &session, const QString &nodeCode, QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
    , m_service(session, nodeCode)
{
    setObjectName(QStringLiteral("frmParametros"));
    setWindowTitle(QStringLiteral("Parámetros"));
    // Two short groups side by side keep the window within a small screen's work area.
    auto *top = new QHBoxLayout;
    top->addWidget(buildGeneral(), 2);
    top->addWidget(buildConnections(), 3);
    body()->addLayout(top);
    body()->addWidget(buildAccounts());
    body()->addStretch();

    QList<QWidget *> fields{txtCantDigCuenta, txtNombreIDEmpresa, chkAplicaRetBase};
    for (CodeLookupEdit *account : txtCuentas)
        fields << account->txtCodigo;
    fields << txtPorcRetIVA << txtRutaReporte << txtServidorNexlar << txtUsuarioNexlar
           << txtPasswordNexlar;
    EnterMovesFocus::install(this, fields);

    resize(900, 540);
    load();
    setEditing(false);
    LoadToolbarOptions();
}

QWidget *frmParametros::buildGeneral()
{
    auto *box = new QGroupBox(QStringLiteral("General"), this);
    txtCantDigCuenta = new QLineEdit(box);
    txtCantDigCuenta->setObjectName(QStringLiteral("txtCantDigCuenta"));
    // No code is longer than the account column.
    txtCantDigCuenta->setValidator(new QIntValidator(0, 12, txtCantDigCuenta));
    txtCantDigCuenta->setMaxLength(2);
    txtCantDigCuenta->setMaximumWidth(60);
    txtNombreIDEmpresa = new QLineEdit(box);
    txtNombreIDEmpresa->setObjectName(QStringLiteral("txtNombreIDEmpresa"));
    txtNombreIDEmpresa->setMaxLength(20);
    txtNombreIDEmpresa->setMaximumWidth(200);
    chkAplicaRetBase = new QCheckBox(QStringLiteral("Aplicar retención sobre la base"), box);
    txtPorcRetIVA = new QLineEdit(box);
    txtPorcRetIVA->setObjectName(QStringLiteral("txtPorcRetIVA"));
    txtPorcRetIVA->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,3}([.,]\\d{0,6})?")), txtPorcRetIVA));
    txtPorcRetIVA->setMaximumWidth(100);
    txtPorcRetIVA->setAlignment(Qt::AlignRight);
    auto *form = new QFormLayout(box);
    form->addRow(QStringLiteral("Número de dígitos de la cuenta:"), txtCantDigCuenta);
    form->addRow(QStringLiteral("Identificación de la empresa:"), txtNombreIDEmpresa);
    form->addRow(QString(), chkAplicaRetBase);
    form->addRow(QStringLiteral("Porcentaje de retención de IVA:"), txtPorcRetIVA);
    return box;
}

QWidget *frmParametros::buildAccounts()
{
    auto *box = new QGroupBox(QStringLiteral("Cuentas de cierre y diferencia en cambio"), this);
    auto *form = new QFormLayout(box);
    for (int a = 0; a < Parameters::AccountCount; ++a) {
        CodeLookupEdit *edit = CodeLookupEdit::detailAccount(session(), box);
        edit->setObjectName(QStringLiteral("txt") + Parameters::columnOf(Parameters::Account(a)));
        txtCuentas[size_t(a)] = edit;
        form->addRow(QString::fromUtf8(AccountCaptions[a]), edit);
    }
    chkCierreAjusteInflacion =
        new QCheckBox(QStringLiteral("Cierre con ajuste por inflación"), box);
    chkCierreAjusteDifCambio =
        new QCheckBox(QStringLiteral("Cierre con ajuste por diferencia en cambio"), box);
    chkExportarConsolidado = new QCheckBox(QStringLiteral("Exportar consolidado"), box);
    form->addRow(QString(), chkCierreAjusteInflacion);
    form->addRow(QString(), chkCierreAjusteDifCambio);
    form->addRow(QString(), chkExportarConsolidado);
    return box;
}

QWidget *frmParametros::buildConnections()
{
    auto *box = new QGroupBox(QStringLiteral("Reportes y servidor Nexlar"), this);
    txtRutaReporte = new QLineEdit(box);
    txtRutaReporte->setObjectName(QStringLiteral("txtRutaReporte"));
    txtRutaReporte->setMaxLength(255);
    cmdVerificarRuta = new QPushButton(QStringLiteral("Verificar"), box);
    cmdVerificarRuta->setObjectName(QStringLiteral("cmdVerificarRuta"));
    auto *path = new QHBoxLayout;
    path->addWidget(txtRutaReporte, 1);
    path->addWidget(cmdVerificarRuta);

    txtServidorNexlar = new QLineEdit(box);
    txtServidorNexlar->setObjectName(QStringLiteral("txtServidorNexlar"));
    txtServidorNexlar->setMaxLength(100);
    txtUsuarioNexlar = new QLineEdit(box);
    txtUsuarioNexlar->setObjectName(QStringLiteral("txtUsuarioNexlar"));
    txtUsuarioNexlar->setMaxLength(50);
    txtPasswordNexlar = new QLineEdit(box);
    txtPasswordNexlar->setObjectName(QStringLiteral("txtPasswordNexlar"));
    txtPasswordNexlar->setMaxLength(100);
    txtPasswordNexlar->setEchoMode(QLineEdit::Password);
    cmdVerificarServidor = new QPushButton(QStringLiteral("Verificar"), box);
    cmdVerificarServidor->setObjectName(QStringLiteral("cmdVerificarServidor"));
    auto *server = new QHBoxLayout;
    server->addWidget(txtServidorNexlar, 1);
    server->addWidget(cmdVerificarServidor);

    auto *form = new QFormLayout(box);
    form->addRow(QStringLiteral("Ruta de reportes:"), path);
    form->addRow(QStringLiteral("Servidor Nexlar:"), server);
    form->addRow(QStringLiteral("Usuario:"), txtUsuarioNexlar);
    form->addRow(QStringLiteral("Contraseña:"), txtPasswordNexlar);

    connect(cmdVerificarRuta, &QPushButton::clicked, this, &frmParametros::verifyDirectory);
    connect(cmdVerificarServidor, &QPushButton::clicked, this, [this] {
        m_service.verifyNexlarServer(txtServidorNexlar->text(), txtUsuarioNexlar->text(),
                                     txtPasswordNexlar->text());
    });
    return box;
}

void frmParametros::setCatalogPicker(CatalogPicker *picker)
{
    for (CodeLookupEdit *account : txtCuentas)
        account->setPicker(picker);
}

void frmParametros::load()
{
    Parameters p;
    try {
        p = m_service.load().value_or(Parameters{});
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
    txtCantDigCuenta->setText(QString::number(p.CantDigCuenta));
    txtNombreIDEmpresa->setText(p.NombreIDEmpresa);
    chkAplicaRetBase->setChecked(p.AplicaRetBase);
    for (int a = 0; a < Parameters::AccountCount; ++a)
        txtCuentas[size_t(a)]->showCode(p.accounts[size_t(a)]);
    txtPorcRetIVA->setText(PercentageText(p.PorcRetIVA));
    chkCierreAjusteInflacion->setChecked(p.CierreAjusteInflacion);
    chkCierreAjusteDifCambio->setChecked(p.CierreAjusteDifCambio);
    chkExportarConsolidado->setChecked(p.ExportarConsolidado);
    txtRutaReporte->setText(p.RutaReporte);
    txtServidorNexlar->setText(p.ServidorNexlar);
    txtUsuarioNexlar->setText(p.UsuarioNexlar);
    txtPasswordNexlar->setText(p.PasswordNexlar);
}

Parameters frmParametros::values() const
{
    Parameters p;
    // The validator lets "13" through while it is being typed; no code is that long.
    p.CantDigCuenta = qBound(0, txtCantDigCuenta->text().toInt(), 12);
    p.NombreIDEmpresa = txtNombreIDEmpresa->text();
    p.AplicaRetBase = chkAplicaRetBase->isChecked();
    for (int a = 0; a < Parameters::AccountCount; ++a)
        p.accounts[size_t(a)] = txtCuentas[size_t(a)]->code();
    const QString rate = txtPorcRetIVA->text().trimmed();
    p.PorcRetIVA = rate.isEmpty() ? Rate() : Rate::parseTyped(rate).value_or(Rate());
    p.CierreAjusteInflacion = chkCierreAjusteInflacion->isChecked();
    p.CierreAjusteDifCambio = chkCierreAjusteDifCambio->isChecked();
    p.ExportarConsolidado = chkExportarConsolidado->isChecked();
    p.RutaReporte = txtRutaReporte->text();
    p.ServidorNexlar = txtServidorNexlar->text();
    p.UsuarioNexlar = txtUsuarioNexlar->text();
    p.PasswordNexlar = txtPasswordNexlar->text();
    return p;
}

void frmParametros::setEditing(bool editing)
{
    for (QLineEdit *box : {txtCantDigCuenta, txtNombreIDEmpresa, txtPorcRetIVA, txtRutaReporte,
                           txtServidorNexlar, txtUsuarioNexlar, txtPasswordNexlar})
        box->setReadOnly(!editing);
    for (QCheckBox *box : {chkAplicaRetBase, chkCierreAjusteInflacion, chkCierreAjusteDifCambio,
                           chkExportarConsolidado})
        box->setEnabled(editing);
    for (CodeLookupEdit *account : txtCuentas)
        account->setEditable(editing);
}

void frmParametros::verifyDirectory()
{
    if (!m_service.verifyReportDirectory(txtRutaReporte->text())) {
        txtRutaReporte->setFocus();
        txtRutaReporte->selectAll();
    }
}

void frmParametros::onModificar()
{
    setEditing(true);
    txtCantDigCuenta->setFocus();
    txtCantDigCuenta->selectAll();
}

void frmParametros::onCancelar()
{
    load();
    setEditing(false);
}

bool frmParametros::onGuardar()
{
    ParametersService::SaveOutcome outcome;
    try {
        outcome = m_service.save(values());
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
    if (outcome.result != ParametersService::SaveResult::Saved) {
        if (outcome.field) {
            QLineEdit *box = txtCuentas[size_t(*outcome.field)]->txtCodigo;
            box->setFocus();
            box->selectAll();
        }
        return false;
    }
    setEditing(false);
    return true;
}
