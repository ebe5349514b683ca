#include "reports/ui/frmRepPerdidasyGanancias.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/DbError.h"
#include "reports/StatementReports.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

frmRepPerdidasyGanancias::frmRepPerdidasyGanancias(Session &session, const QString &node,
                                                   QWidget *parent)
    : StatementWindow(session, node, parent)
{
    setObjectName(QStringLiteral("frmRepPerdidasyGanancias"));
    setWindowTitle(IncomeStatementReport::Title);
    chkAntesDelCierre =
        new QCheckBox(QStringLiteral("Visualizar antes del cierre del ejercicio"), this);
    chkAntesDelCierre->setObjectName(QStringLiteral("chkAntesDelCierre"));
    buildFields(chkAntesDelCierre);
    connect(cmbMes, &QComboBox::currentIndexChanged, this,
            &frmRepPerdidasyGanancias::updateClosingOption);
    connect(txtAno, &QLineEdit::textChanged, this,
            &frmRepPerdidasyGanancias::updateClosingOption);
    updateClosingOption();
    LoadToolbarOptions();
}

void frmRepPerdidasyGanancias::updateClosingOption()
{
    bool offered = false;
    try {
        offered = !txtAno->text().isEmpty() &&
                  IncomeStatementReport::offersBeforeClosing(
                      session().db(), session().gEmpresa, session().gMatriz,
                      cmbMes->currentIndex() + 1, txtAno->text().toInt());
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
    // setHidden, not setVisible: the window itself may not be shown yet.
    chkAntesDelCierre->setHidden(!offered);
}

void frmRepPerdidasyGanancias::run(const StatementOptions &asked)
{
    StatementOptions options = asked;
    options.beforeClosing = !chkAntesDelCierre->isHidden() && chkAntesDelCierre->isChecked();
    IncomeStatementReport::run(session(), *session().reports, options);
}
