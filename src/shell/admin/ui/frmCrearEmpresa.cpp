#include "shell/admin/ui/frmCrearEmpresa.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/ShellHost.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "common/report/ui/WorkstationReportOutput.h"
#include "platform/Db.h"
#include "shell/admin/CompanyPictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>

namespace {
void showPicture(QLabel *label, const QByteArray &bytes)
{
    QPixmap picture;
    if (!bytes.isEmpty() && picture.loadFromData(bytes))
        label->setPixmap(
            picture.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        label->clear();
}
} // namespace

frmCrearEmpresa::frmCrearEmpresa(Session &session, const QString &nodeCode, QWidget *parent,
                                 QDate today)
    : ChildWindow(session, nodeCode, parent)
    , m_admin(session, nodeCode, today)
{
    setObjectName(QStringLiteral("frmCrearEmpresa"));
    setWindowTitle(QStringLiteral("Empresas y Sucursales"));
    buildForm();

    connect(optTipo1, &QRadioButton::toggled, this, [this] { followType(); });
    connect(cmbEmpresa, &QComboBox::currentIndexChanged, this, [this] { copyHeadOffice(); });
    connect(grdEmpresas, &QTreeWidget::currentItemChanged, this, [this] {
        if (!m_editing)
            showCompany(selectedCode());
    });
    connect(cmdLogo, &QPushButton::clicked, this, [this] { askPicture(CompanyPictures::Logo); });
    connect(cmdFirma, &QPushButton::clicked, this, [this] { askPicture(CompanyPictures::Firma); });
    connect(cmdCuentaXCobrar, &QToolButton::clicked, this, &frmCrearEmpresa::pickAccount);

    try {
        loadHeadOffices();
        loadList({});
    } catch (const DbError &e) {
        session.prompt().error(e.userText());
    }
    setEditing(false);
    LoadToolbarOptions();
}

frmCrearEmpresa::~frmCrearEmpresa() = default;

void frmCrearEmpresa::loadHeadOffices()
{
    const QSignalBlocker block(cmbEmpresa);
    cmbEmpresa->clear();
    for (const CompanyAdmin::HeadOffice &h : m_admin.headOffices())
        cmbEmpresa->addItem(h.codigo + QStringLiteral(" - ") + h.nombre, h.codigo);
    cmbEmpresa->setCurrentIndex(-1);
}

void frmCrearEmpresa::loadList(const QString &select)
{
    {
        const QSignalBlocker block(grdEmpresas);
        grdEmpresas->clear();
        for (const CompanyAdmin::Company &c : m_admin.companies()) {
            auto *item = new QTreeWidgetItem(
                grdEmpresas, {c.codigo, c.nombre,
                              c.isHeadOffice() ? QStringLiteral("MATRIZ")
                                               : QStringLiteral("SUCURSAL ") + c.codigoMatriz});
            if (c.codigo == select)
                grdEmpresas->setCurrentItem(item);
        }
        if (!grdEmpresas->currentItem() && grdEmpresas->topLevelItemCount() > 0)
            grdEmpresas->setCurrentItem(grdEmpresas->topLevelItem(0));
    }
    showCompany(selectedCode());
}

QString frmCrearEmpresa::selectedCode() const
{
    const QTreeWidgetItem *item = grdEmpresas->currentItem();
    return item ? item->text(0) : QString();
}

bool frmCrearEmpresa::selectCompany(const QString &code)
{
    const auto found = grdEmpresas->findItems(code.trimmed(), Qt::MatchExactly, 0);
    if (found.isEmpty())
        return false;
    grdEmpresas->setCurrentItem(found.front());
    return true;
}

void frmCrearEmpresa::clearFields()
{
    for (QLineEdit *box :
         {txtCodigo, txtNombre, TxtRepresentante, txtDireccion, TxtCiudad, TxtTelefono1,
          TxtTelefono2, TxtFax, txtCuentaXCobrar, TxtServidorNomina, TxtBaseDatosNomina,
          TxtBaseDatosOrvan, txtPasswordOrvan, txtPasswordNomina})
        box->clear();
    showStoredPassword(txtPasswordOrvan, false);
    showStoredPassword(txtPasswordNomina, false);
    const QSignalBlocker block(cmbEmpresa);
    cmbEmpresa->setCurrentIndex(-1);
    optTipo1->setChecked(true);
    cmbMesCierre->setCurrentIndex(11);
    ChkAgenteRetencion->setChecked(false);
    chkExcentaDeImpuesto->setChecked(false);
    optEstado0->setChecked(true);
    picLogo->clear();
    picFirma->clear();
    m_pictures = {};
}

void frmCrearEmpresa::showStoredPassword(QLineEdit *box, bool stored)
{
    box->clear();
    box->setModified(false);
    box->setPlaceholderText(stored ? QStringLiteral("(guardada)") : QString());
}

void frmCrearEmpresa::showCompany(const QString &code)
{
    clearFields();
    std::optional<CompanyAdmin::Company> c;
    QByteArray logo, firma;
    try {
        if (!code.isEmpty())
            c = m_admin.company(code);
        if (c) {
            logo = CompanyPictures::Leer_Imagen(session().db(), c->codigo, c->codigoMatriz,
                                                CompanyPictures::Logo);
            firma = CompanyPictures::Leer_Imagen(session().db(), c->codigo, c->codigoMatriz,
                                                 CompanyPictures::Firma);
        }
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
    if (!c)
        return;
    {
        const QSignalBlocker block(cmbEmpresa);
        (c->isHeadOffice() ? optTipo1 : optTipo0)->setChecked(true);
        cmbEmpresa->setCurrentIndex(c->isHeadOffice() ? -1 : cmbEmpresa->findData(c->codigoMatriz));
    }
    txtCodigo->setText(c->codigo);
    txtNombre->setText(c->nombre);
    TxtRepresentante->setText(c->representante);
    txtDireccion->setText(c->direccion);
    TxtCiudad->setText(c->ciudad);
    TxtTelefono1->setText(c->telefono1);
    TxtTelefono2->setText(c->telefono2);
    TxtFax->setText(c->fax);
    cmbMesCierre->setCurrentIndex(qBound(1, c->mes, 12) - 1);
    ChkAgenteRetencion->setChecked(c->agenteRetencion);
    chkExcentaDeImpuesto->setChecked(c->excentaDeImpuesto);
    txtCuentaXCobrar->setText(c->cuentaPorCobrar);
    TxtServidorNomina->setText(c->servidorNomina);
    TxtBaseDatosNomina->setText(c->baseDatosNomina);
    TxtBaseDatosOrvan->setText(c->baseDatosOrvan);
    showStoredPassword(txtPasswordOrvan, c->hasPasswordOrvan);
    showStoredPassword(txtPasswordNomina, c->hasPasswordNomina);
    (c->activo ? optEstado0 : optEstado1)->setChecked(true);
    showPicture(picLogo, logo);
    showPicture(picFirma, firma);
}

void frmCrearEmpresa::setEditing(bool editing)
{
    m_editing = editing;
    grdEmpresas->setEnabled(!editing);
    txtCodigo->setEnabled(editing && m_adding);
    for (QWidget *w : std::initializer_list<QWidget *>{
             optTipo0, optTipo1, txtNombre, TxtRepresentante, txtDireccion, TxtCiudad, TxtTelefono1,
             TxtTelefono2, TxtFax, chkExcentaDeImpuesto, txtCuentaXCobrar, cmdCuentaXCobrar,
             TxtServidorNomina, TxtBaseDatosNomina, TxtBaseDatosOrvan, txtPasswordOrvan,
             txtPasswordNomina, optEstado0, optEstado1})
        w->setEnabled(editing);
    followType();
}

void frmCrearEmpresa::followType()
{
    // A branch takes its closing month and withholding from its head office, and keeps no
    // pictures of its own.
    const bool branch = optTipo0->isChecked();
    cmbEmpresa->setEnabled(m_editing && branch);
    cmbMesCierre->setEnabled(m_editing && !branch);
    ChkAgenteRetencion->setEnabled(m_editing && !branch);
    cmdLogo->setEnabled(m_editing && !branch);
    cmdFirma->setEnabled(m_editing && !branch);
    if (m_editing && branch)
        copyHeadOffice();
}

void frmCrearEmpresa::copyHeadOffice()
{
    if (!m_editing || !optTipo0->isChecked() || cmbEmpresa->currentIndex() < 0)
        return;
    try {
        if (const auto head = m_admin.headOffice(cmbEmpresa->currentData().toString())) {
            cmbMesCierre->setCurrentIndex(qBound(1, head->mes, 12) - 1);
            ChkAgenteRetencion->setChecked(head->agenteRetencion);
        }
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void frmCrearEmpresa::choosePicture(const QString &column, const QString &fileName)
{
    const std::optional<QByteArray> bytes = CompanyPictures::ReadPictureFile(fileName);
    if (!bytes) {
        session().prompt().info(CompanyAdmin::BadPictureText);
        return;
    }
    const bool logo = column == CompanyPictures::Logo;
    (logo ? m_pictures.logoFile : m_pictures.firmaFile) = fileName;
    showPicture(logo ? picLogo : picFirma, *bytes);
}

void frmCrearEmpresa::askPicture(const QString &column)
{
    const QString file =
        QFileDialog::getOpenFileName(this, column, QString(), CompanyPictures::FileFilter());
    if (!file.isEmpty())
        choosePicture(column, file);
}

void frmCrearEmpresa::pickAccount()
{
    try {
        const CatalogResult picked = ShowCatalog(
            session(), this, {},
            QStringLiteral("SELECT Codigo, Nombre FROM CUENTACONTABLE WHERE Consolidacion = 1 "
                           "ORDER BY Codigo"));
        if (picked.picked())
            txtCuentaXCobrar->setText(picked.element(1));
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

CompanyAdmin::Company frmCrearEmpresa::typed() const
{
    CompanyAdmin::Company c;
    c.tipo = optTipo1->isChecked() ? 1 : 0;
    c.codigo = txtCodigo->text();
    c.codigoMatriz = c.tipo == 1 ? c.codigo : cmbEmpresa->currentData().toString();
    c.nombre = txtNombre->text();
    c.representante = TxtRepresentante->text();
    c.direccion = txtDireccion->text();
    c.ciudad = TxtCiudad->text();
    c.telefono1 = TxtTelefono1->text();
    c.telefono2 = TxtTelefono2->text();
    c.fax = TxtFax->text();
    c.mes = cmbMesCierre->currentIndex() + 1;
    c.agenteRetencion = ChkAgenteRetencion->isChecked();
    c.cuentaPorCobrar = txtCuentaXCobrar->text();
    c.excentaDeImpuesto = chkExcentaDeImpuesto->isChecked();
    c.servidorNomina = TxtServidorNomina->text();
    c.baseDatosNomina = TxtBaseDatosNomina->text();
    c.baseDatosOrvan = TxtBaseDatosOrvan->text();
    // A stored password is not shown; one that nobody typed over stays as it is.
    if (m_adding || txtPasswordOrvan->isModified())
        c.passwordOrvan = txtPasswordOrvan->text();
    if (m_adding || txtPasswordNomina->isModified())
        c.passwordNomina = txtPasswordNomina->text();
    c.activo = optEstado0->isChecked();
    return c;
}

void frmCrearEmpresa::focusField(CompanyAdmin::Field field)
{
    using F = CompanyAdmin::Field;
    switch (field) {
    case F::Codigo:
        txtCodigo->setFocus();
        break;
    case F::Nombre:
        txtNombre->setFocus();
        break;
    case F::Tipo:
        (optTipo1->isChecked() ? optTipo1 : optTipo0)->setFocus();
        break;
    case F::Mes:
        cmbMesCierre->setFocus();
        break;
    case F::Matriz:
        cmbEmpresa->setFocus();
        break;
    case F::CuentaPorCobrar:
        txtCuentaXCobrar->setFocus();
        break;
    case F::Logo:
        cmdLogo->setFocus();
        break;
    case F::Firma:
        cmdFirma->setFocus();
        break;
    case F::None:
        break;
    }
}

bool frmCrearEmpresa::hasRecords() const
{
    return grdEmpresas->topLevelItemCount() > 0;
}

void frmCrearEmpresa::RefreshRecord()
{
    try {
        loadList(selectedCode());
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void frmCrearEmpresa::onNuevo()
{
    m_adding = true;
    clearFields();
    setEditing(true);
    txtCodigo->setFocus();
}

void frmCrearEmpresa::onModificar()
{
    m_adding = false;
    m_pictures = {};
    setEditing(true);
    txtNombre->setFocus();
}

void frmCrearEmpresa::onCancelar()
{
    m_adding = false;
    setEditing(false);
    showCompany(selectedCode());
}

bool frmCrearEmpresa::onGuardar()
{
    const CompanyAdmin::Company c = typed();
    CompanyAdmin::Result result;
    try {
        result = m_adding ? m_admin.create(c, m_pictures) : m_admin.modify(c, m_pictures);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
    if (result != CompanyAdmin::Result::Saved) {
        focusField(m_admin.failedField());
        return false;
    }
    const bool created = m_adding;
    m_adding = false;
    setEditing(false);
    loadHeadOffices();
    loadList(c.codigo.trimmed());
    // The first company of a new installation: its periods exist now, so the session goes on
    // to choose it and its period.
    if (created && !session().hasCompany() && session().host)
        session().host->selectCompany();
    return true;
}

bool frmCrearEmpresa::onEliminar()
{
    try {
        const bool deleted = m_admin.remove(selectedCode()) == CompanyAdmin::Result::Deleted;
        if (deleted)
            loadHeadOffices();
        return deleted;
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
}

void frmCrearEmpresa::onBuscar()
{
    try {
        const CatalogResult picked = ShowCatalog(
            session(), this, {},
            QStringLiteral("SELECT E.Codigo, E.Nombre, A.Nombre AS Matriz FROM EMPRESA E "
                           "LEFT JOIN EMPRESA A ON E.CodigoMatriz = A.Codigo "
                           "ORDER BY E.Tipo DESC, E.Codigo"));
        if (picked.picked())
            selectCompany(picked.element(1));
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void frmCrearEmpresa::onImprimir()
{
    if (!m_output) {
        m_ownOutput = std::make_unique<WorkstationReportOutput>(session().prompt(), window());
        m_output = m_ownOutput.get();
    }
    try {
        m_admin.print(*m_output, selectedCode());
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

QString frmCrearEmpresa::recordToDelete() const
{
    return txtCodigo->text() + QStringLiteral(" ") + txtNombre->text();
}
