#include "reports/ui/frmRepLibroDiario.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/FormatHelpers.h"
#include "platform/DbError.h"
#include "reports/JournalReport.h"
#include "reports/TrialBalanceReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

frmRepLibroDiario::frmRepLibroDiario(Session &session, const QString &node, QWidget *parent)
    : ChildWindow(session, node, parent)
{
    setObjectName(QStringLiteral("frmRepLibroDiario"));
    setWindowTitle(QStringLiteral("Libro Diario"));

    cmbMes = new QComboBox(this);
    cmbMes->setObjectName(QStringLiteral("cmbMes"));
    for (int month = 1; month <= 12; ++month)
        cmbMes->addItem(MonthName(month));
    cmbMes->setCurrentIndex(session.gMes >= 1 && session.gMes <= 12 ? session.gMes - 1 : 0);
    txtAno = new QLineEdit(session.gAno ? QString::number(session.gAno) : QString(), this);
    txtAno->setObjectName(QStringLiteral("txtAno"));
    txtAno->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtAno));
    txtAno->setMaxLength(4);
    txtAno->setMaximumWidth(80);

    chkConsolidado = new QCheckBox(QStringLiteral("Consolidado"), this);
    chkConsolidado->setObjectName(QStringLiteral("chkConsolidado"));
    chkConsolidado->setEnabled(TrialBalanceReport::consolidationAllowed(session));
    CheckMostrar = new QCheckBox(QStringLiteral("Mostrar Detalle"), this);
    CheckMostrar->setObjectName(QStringLiteral("CheckMostrar"));

    auto *form = new QFormLayout;
    auto *period = new QHBoxLayout;
    period->addWidget(cmbMes);
    period->addWidget(txtAno);
    period->addStretch(1);
    form->addRow(QStringLiteral("Mes / Año:"), period);
    body()->addLayout(form);
    body()->addWidget(chkConsolidado);
    body()->addWidget(CheckMostrar);
    body()->addStretch(1);
    setMinimumWidth(360);
    LoadToolbarOptions();
}

void frmRepLibroDiario::onImprimir()
{
    imprimir();
}

void frmRepLibroDiario::imprimir()
{
    if (!JournalReport::checkYear(txtAno->text(), session().prompt())) {
        txtAno->setFocus();
        return;
    }
    JournalOptions options =
        JournalReport::optionsFor(session(), cmbMes->currentIndex() + 1, txtAno->text().toInt());
    options.consolidated = chkConsolidado->isEnabled() && chkConsolidado->isChecked();
    options.detail = CheckMostrar->isChecked();
    if (!session().reports)
        return;
    try {
        JournalReport::run(session(), *session().reports, options);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}
