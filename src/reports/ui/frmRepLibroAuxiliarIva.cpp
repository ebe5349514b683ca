#include "reports/ui/frmRepLibroAuxiliarIva.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/DbError.h"
#include "reports/AuxiliaryBookReport.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

frmRepLibroAuxiliarIva::frmRepLibroAuxiliarIva(Session &session, const QString &node,
                                               QWidget *parent)
    : AuxiliaryBookWindow(session, node, parent)
{
    setObjectName(QStringLiteral("frmRepLibroAuxiliarIva"));
    setWindowTitle(QStringLiteral("Libros Auxiliares (IVA)"));

    cmbMes = monthBox(QStringLiteral("cmbMes"), session.gMes);
    txtAno = yearField();
    txtCuenta = accountField(QStringLiteral("txtCuenta"));
    cmbSucursal = new QComboBox(this);
    cmbSucursal->setObjectName(QStringLiteral("cmbSucursal"));
    try {
        for (const auto &[code, name] :
             AuxiliaryBookReport::companiesOf(session.db(), session.gMatriz))
            cmbSucursal->addItem(name, code);
    } catch (const DbError &e) {
        session.prompt().error(e.userText());
    }
    cmbSucursal->setCurrentIndex(std::max(0, cmbSucursal->findData(session.gEmpresa)));

    auto *order = new QGroupBox(QStringLiteral("Ordenar por"), this);
    order->setObjectName(QStringLiteral("fraOrden"));
    optFecha = new QRadioButton(QStringLiteral("Fecha"), order);
    optFecha->setObjectName(QStringLiteral("optCriterioOrdenamiento0"));
    optDocumento = new QRadioButton(QStringLiteral("Documento"), order);
    optDocumento->setObjectName(QStringLiteral("optCriterioOrdenamiento1"));
    auto *orderGroup = new QButtonGroup(this);
    orderGroup->addButton(optFecha);
    orderGroup->addButton(optDocumento);
    auto *orderRow = new QHBoxLayout(order);
    orderRow->addWidget(optFecha);
    orderRow->addWidget(optDocumento);
    optFecha->setChecked(true);

    auto *form = new QFormLayout;
    auto *period = new QHBoxLayout;
    period->addWidget(cmbMes);
    period->addWidget(txtAno);
    period->addStretch(1);
    form->addRow(QStringLiteral("Mes / Año:"), period);
    form->addRow(QStringLiteral("Cuenta:"), withLookup(txtCuenta));
    form->addRow(QStringLiteral("Empresa:"), cmbSucursal);
    body()->addLayout(form);
    body()->addWidget(order);
    body()->addStretch(1);
    LoadToolbarOptions();
}

void frmRepLibroAuxiliarIva::imprimir()
{
    if (!AuxiliaryBookReport::checkYear(txtAno->text(), session().prompt())) {
        txtAno->setFocus();
        return;
    }
    if (!AuxiliaryBookReport::checkAccount(txtCuenta->text(), session().prompt())) {
        txtCuenta->setFocus();
        return;
    }
    const int month = cmbMes->currentIndex() + 1;
    AuxiliaryBookOptions options =
        AuxiliaryBookReport::optionsFor(session(), month, month, txtAno->text().toInt());
    options.company = cmbSucursal->currentData().toString();
    options.account = txtCuenta->text().trimmed();
    options.order = optDocumento->isChecked() ? AuxiliaryBookOptions::Order::Document
                                              : AuxiliaryBookOptions::Order::Date;
    runReport([this, &options] {
        AuxiliaryBookReport::run(session(), *session().reports, AuxiliaryBookReport::Kind::Iva,
                                 options);
    });
}
