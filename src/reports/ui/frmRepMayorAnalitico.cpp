#include "reports/ui/frmRepMayorAnalitico.h"

#include "common/Session.h"
#include "reports/GeneralLedgerReport.h"

#include <QCheckBox>
#include <QRadioButton>

frmRepMayorAnalitico::frmRepMayorAnalitico(Session &session, const QString &node, QWidget *parent)
    : frmRepBalancedePrueba(session, node, parent)
{
    setObjectName(QStringLiteral("frmRepMayorAnalitico"));
    setWindowTitle(QStringLiteral("Mayor Analitico"));
    Option1->setText(QStringLiteral("Grupo"));
    Option2->setText(QStringLiteral("Cuenta"));
    Option3->setText(QStringLiteral("SubCuenta"));
    Option4->setText(QStringLiteral("Detalle"));
    ChkMostrar->setText(QStringLiteral("Mostrar cuentas sin movimientos"));
}

void frmRepMayorAnalitico::run(const TrialBalanceOptions &options)
{
    GeneralLedgerReport::run(session(), *session().reports, options);
}
