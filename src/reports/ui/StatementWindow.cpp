#include "reports/ui/StatementWindow.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/FormatHelpers.h"
#include "platform/DbError.h"
#include "reports/StatementReports.h"
#include "reports/TrialBalanceReport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

StatementWindow::StatementWindow(Session &session, const QString &node, QWidget *parent)
    : ChildWindow(session, node, parent)
{
    cmbMes = new QComboBox(this);
    cmbMes->setObjectName(QStringLiteral("cmbMes"));
    for (int month = 1; month <= 12; ++month)
        cmbMes->addItem(MonthName(month).toUpper());
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
    CheckMostrar = new QCheckBox(QStringLiteral("Mostrar cuentas sin movimientos"), this);
    CheckMostrar->setObjectName(QStringLiteral("CheckMostrar"));
}

void StatementWindow::buildFields(QWidget *extra)
{
    auto *levels = new QGroupBox(QStringLiteral("Visualizar Cuenta a nivel de:"), this);
    levels->setObjectName(QStringLiteral("fraNivel"));
    Option1 = new QRadioButton(QStringLiteral("Grupo"), levels);
    Option2 = new QRadioButton(QStringLiteral("Cuenta"), levels);
    Option3 = new QRadioButton(QStringLiteral("SubCuenta"), levels);
    auto *group = new QButtonGroup(this);
    auto *row = new QHBoxLayout(levels);
    int n = 1;
    for (QRadioButton *option : {Option1, Option2, Option3}) {
        option->setObjectName(QStringLiteral("Option%1").arg(n));
        group->addButton(option, n++);
        row->addWidget(option);
    }
    // A statement reads best by account; the sub-accounts are one click away.
    Option2->setChecked(true);

    auto *form = new QFormLayout;
    auto *period = new QHBoxLayout;
    period->addWidget(cmbMes);
    period->addWidget(txtAno);
    period->addStretch(1);
    form->addRow(QStringLiteral("Mes / Año:"), period);
    body()->addLayout(form);
    body()->addWidget(levels);
    body()->addWidget(chkConsolidado);
    body()->addWidget(CheckMostrar);
    if (extra)
        body()->addWidget(extra);
    body()->addStretch(1);
    setMinimumWidth(380);
}

StatementOptions StatementWindow::options() const
{
    StatementOptions o = StatementReport::optionsFor(session(), cmbMes->currentIndex() + 1,
                                                     txtAno->text().toInt());
    o.codeLength = Option1->isChecked() ? 2 : Option3->isChecked() ? 6 : 4;
    o.consolidated = chkConsolidado->isEnabled() && chkConsolidado->isChecked();
    o.showAll = CheckMostrar->isChecked();
    return o;
}

void StatementWindow::onImprimir()
{
    imprimir();
}

void StatementWindow::imprimir()
{
    if (!TrialBalanceReport::checkYear(txtAno->text(), session().prompt())) {
        txtAno->setFocus();
        return;
    }
    if (!session().reports)
        return;
    try {
        run(options());
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}
