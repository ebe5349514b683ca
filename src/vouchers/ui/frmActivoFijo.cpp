#include "vouchers/ui/frmActivoFijo.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

frmActivoFijo::frmActivoFijo(const QString &account, const QString &accountName,
                             const std::vector<std::pair<int, QString>> &categories,
                             AssetData proposal, Finder finder, Picker picker, QWidget *parent)
    : QDialog(parent)
    , m_finder(std::move(finder))
    , m_picker(std::move(picker))
{
    setObjectName(QStringLiteral("frmActivoFijo"));
    setWindowTitle(QStringLiteral("Activo Fijo"));
    tlbregistro = new QToolBar(this);
    tlbregistro->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto *save = tlbregistro->addAction(QStringLiteral("Guardar"), this, &frmActivoFijo::Guardar);
    save->setShortcut(QKeySequence(Qt::ALT | Qt::Key_G));
    auto *cancel =
        tlbregistro->addAction(QStringLiteral("Cancelar"), this, &frmActivoFijo::Cancelar);
    cancel->setShortcut(QKeySequence(Qt::ALT | Qt::Key_C));
    tlbregistro->addAction(QStringLiteral("Salir"), this, &QDialog::reject);

    txtTipoActivo = new QLineEdit(account + QStringLiteral(" - ") + accountName, this);
    txtTipoActivo->setReadOnly(true);
    txtSerial = new QLineEdit(this);
    txtSerial->setObjectName(QStringLiteral("txtSerial"));
    txtSerial->setMaxLength(20);
    cmdBuscar = new QToolButton(this);
    cmdBuscar->setText(QStringLiteral("..."));
    cmdBuscar->setFocusPolicy(Qt::NoFocus);
    txtDescripcion = new QLineEdit(this);
    txtDescripcion->setMaxLength(255);
    txtMarca = new QLineEdit(this);
    txtMarca->setMaxLength(50);
    txtModelo = new QLineEdit(this);
    txtModelo->setMaxLength(50);
    txtMeses = new QSpinBox(this);
    txtMeses->setRange(0, 600);
    dtpFechaAdq = new QDateEdit(this);
    dtpFechaDep = new QDateEdit(this);
    for (QDateEdit *d : {dtpFechaAdq, dtpFechaDep}) {
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
    }
    cmbCategoria = new QComboBox(this);
    for (const auto &[code, name] : categories)
        cmbCategoria->addItem(name, code);
    optCompra = new QRadioButton(QStringLiteral("Compra"), this);
    optVariacion = new QRadioButton(QStringLiteral("Variación"), this);
    optRetiro = new QRadioButton(QStringLiteral("Retiro"), this);

    auto *serialRow = new QHBoxLayout;
    serialRow->addWidget(txtSerial);
    serialRow->addWidget(cmdBuscar);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Tipo Activo"), txtTipoActivo);
    form->addRow(QStringLiteral("Codigo/Serial"), serialRow);
    form->addRow(QStringLiteral("Descripción"), txtDescripcion);
    form->addRow(QStringLiteral("Marca"), txtMarca);
    form->addRow(QStringLiteral("Modelo"), txtModelo);
    form->addRow(QStringLiteral("Meses Dep."), txtMeses);
    form->addRow(QStringLiteral("Fecha Adq."), dtpFechaAdq);
    form->addRow(QStringLiteral("Fec. dep. Inicial"), dtpFechaDep);
    form->addRow(QStringLiteral("Categoria"), cmbCategoria);
    auto *kind = new QGroupBox(QStringLiteral("Movimiento"), this);
    auto *kindRow = new QHBoxLayout(kind);
    kindRow->addWidget(optCompra);
    kindRow->addWidget(optVariacion);
    kindRow->addWidget(optRetiro);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tlbregistro);
    layout->addLayout(form);
    layout->addWidget(kind);

    connect(txtSerial, &QLineEdit::editingFinished, this, &frmActivoFijo::takeSerial);
    connect(cmdBuscar, &QToolButton::clicked, this, [this] {
        if (!m_picker || txtSerial->isReadOnly())
            return;
        const QString picked = m_picker();
        if (!picked.isEmpty()) {
            txtSerial->setText(picked);
            takeSerial();
        }
    });
    if (proposal.serial.isEmpty()) {
        proposal.fechaAdq = proposal.fechaAdq.isValid() ? proposal.fechaAdq : QDate::currentDate();
        proposal.fechaDep = proposal.fechaDep.isValid() ? proposal.fechaDep : proposal.fechaAdq;
        proposal.movement = AssetMovement::Purchase;
    }
    display(proposal, proposal.existing);
    m_taken = proposal.serial;
}

void frmActivoFijo::display(const AssetData &asset, bool existing)
{
    m_existing = existing;
    txtSerial->setText(asset.serial);
    txtDescripcion->setText(asset.descripcion);
    txtMarca->setText(asset.marca);
    txtModelo->setText(asset.modelo);
    txtMeses->setValue(asset.mesesDepreciacion);
    dtpFechaAdq->setDate(asset.fechaAdq.isValid() ? asset.fechaAdq : QDate::currentDate());
    dtpFechaDep->setDate(asset.fechaDep.isValid() ? asset.fechaDep : dtpFechaAdq->date());
    const int category = cmbCategoria->findData(asset.categoria);
    cmbCategoria->setCurrentIndex(category >= 0 ? category : 0);
    for (QWidget *w : std::initializer_list<QWidget *>{txtDescripcion, txtMarca, txtModelo,
                                                       txtMeses, dtpFechaAdq, dtpFechaDep,
                                                       cmbCategoria})
        w->setEnabled(!existing);
    optCompra->setEnabled(!existing);
    optVariacion->setEnabled(existing);
    optRetiro->setEnabled(existing);
    switch (asset.movement) {
    case AssetMovement::Variation:
        optVariacion->setChecked(true);
        break;
    case AssetMovement::Retirement:
        optRetiro->setChecked(true);
        break;
    default:
        (existing ? optVariacion : optCompra)->setChecked(true);
    }
}

void frmActivoFijo::takeSerial()
{
    const QString serial = txtSerial->text().trimmed();
    if (serial == m_taken)
        return;
    m_taken = serial;
    const auto found = serial.isEmpty() || !m_finder ? std::nullopt : m_finder(serial);
    if (found) {
        display(*found, true);
        return;
    }
    AssetData fresh = asset();
    fresh.existing = false;
    fresh.movement = AssetMovement::Purchase;
    display(fresh, false);
}

AssetData frmActivoFijo::asset() const
{
    AssetData a;
    a.serial = txtSerial->text().trimmed();
    a.descripcion = txtDescripcion->text().trimmed();
    a.marca = txtMarca->text().trimmed();
    a.modelo = txtModelo->text().trimmed();
    a.mesesDepreciacion = txtMeses->value();
    a.fechaAdq = dtpFechaAdq->date();
    a.fechaDep = dtpFechaDep->date();
    a.categoria = cmbCategoria->currentIndex() >= 0 ? cmbCategoria->currentData().toInt() : -1;
    a.movement = optCompra->isChecked()      ? AssetMovement::Purchase
                 : optVariacion->isChecked() ? AssetMovement::Variation
                 : optRetiro->isChecked()    ? AssetMovement::Retirement
                                             : AssetMovement::None;
    a.existing = m_existing;
    return a;
}

void frmActivoFijo::Guardar()
{
    takeSerial();
    accept();
}

void frmActivoFijo::Cancelar()
{
    m_taken.clear();
    display(AssetData{{}, {}, {}, {}, 0, QDate::currentDate(), QDate::currentDate(), -1,
                   AssetMovement::Purchase},
         false);
    txtSerial->setFocus();
}

void frmActivoFijo::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}
