#include "reports/ui/frmRepLibroAuxiliar.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "reports/AuxiliaryBookReport.h"
#include "reports/PartyBalancesReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

frmRepLibroAuxiliar::frmRepLibroAuxiliar(Session &session, const QString &node, QWidget *parent)
    : AuxiliaryBookWindow(session, node, parent)
    , m_partyBalances(session.gModoOpcion == PartyBalancesMode)
{
    setObjectName(QStringLiteral("frmRepLibroAuxiliar"));
    setWindowTitle(m_partyBalances ? QStringLiteral("Saldos por Terceros")
                                   : QStringLiteral("Libro Auxiliar"));

    cmbMes = monthBox(QStringLiteral("cmbMes"), session.gMes);
    txtAno = yearField();

    auto *form = new QFormLayout;
    auto *period = new QHBoxLayout;
    period->addWidget(cmbMes);
    period->addWidget(txtAno);
    period->addStretch(1);
    form->addRow(QStringLiteral("Mes / Año:"), period);
    addRangeFields(form);
    body()->addLayout(form);
    body()->addWidget(chkConsolidado);
    body()->addStretch(1);
    LoadToolbarOptions();
}

void frmRepLibroAuxiliar::imprimir()
{
    if (!AuxiliaryBookReport::checkYear(txtAno->text(), session().prompt())) {
        txtAno->setFocus();
        return;
    }
    const int month = cmbMes->currentIndex() + 1;
    AuxiliaryBookOptions options =
        AuxiliaryBookReport::optionsFor(session(), month, month, txtAno->text().toInt());
    readRanges(options);
    runReport([this, &options] {
        if (m_partyBalances)
            PartyBalancesReport::run(session(), *session().reports, options);
        else
            AuxiliaryBookReport::run(session(), *session().reports,
                                     AuxiliaryBookReport::Kind::Monthly, options);
    });
}
