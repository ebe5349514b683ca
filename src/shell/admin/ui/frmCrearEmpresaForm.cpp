// The controls of frmCrearEmpresa and their arrangement.
#include "shell/admin/ui/frmCrearEmpresa.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>

namespace {
QLineEdit *textBox(QWidget *parent, const char *name, int length)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(length);
    return box;
}

QLabel *pictureBox(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFixedSize(150, 80);
    label->setFrameShape(QFrame::StyledPanel);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

void frmCrearEmpresa::buildForm()
{
    grdEmpresas = new QTreeWidget(this);
    grdEmpresas->setObjectName(QStringLiteral("grdEmpresas"));
    grdEmpresas->setHeaderLabels(
        {QStringLiteral("Código"), QStringLiteral("Nombre"), QStringLiteral("Tipo")});
    grdEmpresas->setRootIsDecorated(false);
    grdEmpresas->header()->setStretchLastSection(false);
    grdEmpresas->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grdEmpresas->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    grdEmpresas->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    grdEmpresas->setMinimumWidth(160);

    optTipo0 = new QRadioButton(QStringLiteral("Sucursal"), this);
    optTipo0->setObjectName(QStringLiteral("optTipo0"));
    optTipo1 = new QRadioButton(QStringLiteral("Matriz"), this);
    optTipo1->setObjectName(QStringLiteral("optTipo1"));
    cmbEmpresa = new QComboBox(this);
    cmbEmpresa->setObjectName(QStringLiteral("cmbEmpresa"));
    // Long head-office names must not widen the whole window.
    cmbEmpresa->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbEmpresa->setMinimumContentsLength(14);
    txtCodigo = textBox(this, "txtCodigo", 15);
    // Names and addresses are long: about forty letters show before the text scrolls.
    const int longText = fontMetrics().averageCharWidth() * 40;
    txtNombre = textBox(this, "txtNombre", 100);
    TxtRepresentante = textBox(this, "TxtRepresentante", 200);
    txtDireccion = textBox(this, "txtDireccion", 200);
    TxtCiudad = textBox(this, "TxtCiudad", 200);
    for (QLineEdit *box : {txtNombre, TxtRepresentante, txtDireccion})
        box->setMinimumWidth(longText);
    TxtTelefono1 = textBox(this, "TxtTelefono1", 200);
    TxtTelefono2 = textBox(this, "TxtTelefono2", 200);
    TxtFax = textBox(this, "TxtFax", 200);
    cmbMesCierre = new QComboBox(this);
    cmbMesCierre->setObjectName(QStringLiteral("cmbMesCierre"));
    cmbMesCierre->addItems({"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio",
                            "Agosto", "Septiembre", "Octubre", "Noviembre", "Diciembre"});
    ChkAgenteRetencion = new QCheckBox(QStringLiteral("Agente de retención"), this);
    ChkAgenteRetencion->setObjectName(QStringLiteral("ChkAgenteRetencion"));
    chkExcentaDeImpuesto = new QCheckBox(QStringLiteral("Exenta de impuesto"), this);
    chkExcentaDeImpuesto->setObjectName(QStringLiteral("chkExcentaDeImpuesto"));
    txtCuentaXCobrar = textBox(this, "txtCuentaXCobrar", 12);
    cmdCuentaXCobrar = new QToolButton(this);
    cmdCuentaXCobrar->setObjectName(QStringLiteral("cmdCuentaXCobrar"));
    cmdCuentaXCobrar->setText(QStringLiteral("..."));
    TxtServidorNomina = textBox(this, "TxtServidorNomina", 100);
    TxtBaseDatosNomina = textBox(this, "TxtBaseDatosNomina", 100);
    TxtBaseDatosOrvan = textBox(this, "TxtBaseDatosOrvan", 100);
    txtPasswordOrvan = textBox(this, "txtPasswordOrvan", 50);
    txtPasswordNomina = textBox(this, "txtPasswordNomina", 50);
    for (QLineEdit *box : {txtPasswordOrvan, txtPasswordNomina})
        box->setEchoMode(QLineEdit::Password);
    optEstado0 = new QRadioButton(QStringLiteral("Activa"), this);
    optEstado0->setObjectName(QStringLiteral("optEstado0"));
    optEstado1 = new QRadioButton(QStringLiteral("Inactiva"), this);
    optEstado1->setObjectName(QStringLiteral("optEstado1"));
    // Type and state share a frame, so each pair needs a group of its own.
    for (const auto &pair : {std::pair{optTipo0, optTipo1}, std::pair{optEstado0, optEstado1}}) {
        auto *group = new QButtonGroup(this);
        group->addButton(pair.first);
        group->addButton(pair.second);
    }
    picLogo = pictureBox(this, "picLogo");
    picFirma = pictureBox(this, "picFirma");
    cmdLogo = new QPushButton(QStringLiteral("Logo..."), this);
    cmdLogo->setObjectName(QStringLiteral("cmdLogo"));
    cmdFirma = new QPushButton(QStringLiteral("Firma..."), this);
    cmdFirma->setObjectName(QStringLiteral("cmdFirma"));

    auto *type = new QHBoxLayout;
    type->addWidget(optTipo1);
    type->addWidget(optTipo0);
    type->addStretch();
    auto *general = new QGroupBox(QStringLiteral("Empresa"), this);
    auto *generalForm = new QFormLayout(general);
    generalForm->addRow(QStringLiteral("Tipo:"), type);
    generalForm->addRow(QStringLiteral("Empresa matriz:"), cmbEmpresa);
    generalForm->addRow(QStringLiteral("Código:"), txtCodigo);
    generalForm->addRow(QStringLiteral("Nombre:"), txtNombre);
    generalForm->addRow(QStringLiteral("Representante:"), TxtRepresentante);
    generalForm->addRow(QStringLiteral("Dirección:"), txtDireccion);
    generalForm->addRow(QStringLiteral("Ciudad:"), TxtCiudad);
    generalForm->addRow(QStringLiteral("Teléfono 1:"), TxtTelefono1);
    generalForm->addRow(QStringLiteral("Teléfono 2:"), TxtTelefono2);
    generalForm->addRow(QStringLiteral("Fax:"), TxtFax);
    auto *state = new QHBoxLayout;
    state->addWidget(optEstado0);
    state->addWidget(optEstado1);
    state->addStretch();
    generalForm->addRow(QStringLiteral("Estado:"), state);

    auto *books = new QGroupBox(QStringLiteral("Contabilidad"), this);
    auto *booksForm = new QFormLayout(books);
    booksForm->addRow(QStringLiteral("Mes de cierre:"), cmbMesCierre);
    auto *account = new QHBoxLayout;
    account->addWidget(txtCuentaXCobrar);
    account->addWidget(cmdCuentaXCobrar);
    booksForm->addRow(QStringLiteral("Cuenta por cobrar:"), account);
    booksForm->addRow(ChkAgenteRetencion);
    booksForm->addRow(chkExcentaDeImpuesto);

    auto *systems = new QGroupBox(QStringLiteral("Nómina y gestión comercial"), this);
    auto *systemsForm = new QFormLayout(systems);
    systemsForm->addRow(QStringLiteral("Servidor nómina:"), TxtServidorNomina);
    systemsForm->addRow(QStringLiteral("Base de datos nómina:"), TxtBaseDatosNomina);
    systemsForm->addRow(QStringLiteral("Clave nómina:"), txtPasswordNomina);
    systemsForm->addRow(QStringLiteral("Base de datos comercial:"), TxtBaseDatosOrvan);
    systemsForm->addRow(QStringLiteral("Clave comercial:"), txtPasswordOrvan);

    auto *pictures = new QGroupBox(QStringLiteral("Imágenes"), this);
    auto *picturesGrid = new QGridLayout(pictures);
    picturesGrid->addWidget(picLogo, 0, 0);
    picturesGrid->addWidget(picFirma, 0, 1);
    picturesGrid->addWidget(cmdLogo, 1, 0);
    picturesGrid->addWidget(cmdFirma, 1, 1);

    auto *right = new QGridLayout;
    right->addWidget(general, 0, 0);
    right->addWidget(pictures, 1, 0);
    right->addWidget(books, 0, 1);
    right->addWidget(systems, 1, 1);
    right->setRowStretch(2, 1);
    right->setColumnStretch(0, 3);
    right->setColumnStretch(1, 2);
    right->setContentsMargins(0, 0, 0, 0);
    auto *form = new QWidget(this);
    form->setLayout(right);
    addListAndForm(grdEmpresas, form, 280);
    resize(1180, 610);
}
