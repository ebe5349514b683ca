#include "reports/ui/frmRepBalancedePrueba.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/FormatHelpers.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "platform/DbError.h"
#include "reports/TrialBalanceReport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace {

QLineEdit *accountField(QWidget *parent, const QString &name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(12);
    field->setToolTip(QStringLiteral("F2: buscar la cuenta"));
    return field;
}

} // namespace

frmRepBalancedePrueba::frmRepBalancedePrueba(Session &session, const QString &node, QWidget *parent)
    : ChildWindow(session, node, parent)
{
    setObjectName(QStringLiteral("frmRepBalancedePrueba"));
    setWindowTitle(QStringLiteral("Balance de Prueba"));

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

    auto *levels = new QGroupBox(QStringLiteral("Nivel"), this);
    levels->setObjectName(QStringLiteral("fraNivel"));
    Option1 = new QRadioButton(QStringLiteral("Nivel 1"), levels);
    Option2 = new QRadioButton(QStringLiteral("Nivel 2"), levels);
    Option3 = new QRadioButton(QStringLiteral("Nivel 3"), levels);
    Option4 = new QRadioButton(QStringLiteral("Nivel 4"), levels);
    auto *levelGroup = new QButtonGroup(this);
    auto *levelRow = new QHBoxLayout(levels);
    int n = 1;
    for (QRadioButton *option : {Option1, Option2, Option3, Option4}) {
        option->setObjectName(QStringLiteral("Option%1").arg(n));
        levelGroup->addButton(option, n++);
        levelRow->addWidget(option);
    }
    Option4->setChecked(true);

    txtDesdeCta = accountField(this, QStringLiteral("txtDesdeCta"));
    txtHastaCta = accountField(this, QStringLiteral("txtHastaCta"));
    auto rangeRow = [this](QLineEdit *field) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cmd") + field->objectName().mid(3));
        button->setText(QStringLiteral("..."));
        connect(button, &QToolButton::clicked, this, [this, field] { lookUpAccount(field); });
        field->installEventFilter(this);
        auto *row = new QHBoxLayout;
        row->setSpacing(2);
        row->addWidget(field, 1);
        row->addWidget(button);
        return row;
    };

    ChkMostrar = new QCheckBox(QStringLiteral("Mostrar cuentas sin saldo ni movimiento"), this);
    ChkMostrar->setObjectName(QStringLiteral("ChkMostrar"));
    chkConsolidado = new QCheckBox(QStringLiteral("Consolidado"), this);
    chkConsolidado->setObjectName(QStringLiteral("chkConsolidado"));
    chkConsolidado->setEnabled(TrialBalanceReport::consolidationAllowed(session));
    chkSinCierre = new QCheckBox(QStringLiteral("Sin comprobante de cierre"), this);
    chkSinCierre->setObjectName(QStringLiteral("chkSinCierre"));

    auto *form = new QFormLayout;
    auto *period = new QHBoxLayout;
    period->addWidget(cmbMes);
    period->addWidget(txtAno);
    period->addStretch(1);
    form->addRow(QStringLiteral("Mes / Año:"), period);
    form->addRow(QStringLiteral("Desde cuenta:"), rangeRow(txtDesdeCta));
    form->addRow(QStringLiteral("Hasta cuenta:"), rangeRow(txtHastaCta));
    body()->addLayout(form);
    body()->addWidget(levels);
    body()->addWidget(ChkMostrar);
    body()->addWidget(chkConsolidado);
    body()->addWidget(chkSinCierre);
    body()->addStretch(1);
    setMinimumWidth(420);

    connect(cmbMes, &QComboBox::currentIndexChanged, this,
            &frmRepBalancedePrueba::updateClosingExclusion);
    connect(txtAno, &QLineEdit::textChanged, this, &frmRepBalancedePrueba::updateClosingExclusion);
    updateClosingExclusion();
    LoadToolbarOptions();
}

void frmRepBalancedePrueba::updateClosingExclusion()
{
    bool offered = false;
    try {
        offered =
            !txtAno->text().isEmpty() && TrialBalanceReport::offersClosingExclusion(
                                             session().db(), session().gEmpresa, session().gMatriz,
                                             cmbMes->currentIndex() + 1, txtAno->text().toInt());
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
    // setHidden, not setVisible: the window itself may not be shown yet.
    chkSinCierre->setHidden(!offered);
}

int frmRepBalancedePrueba::level() const
{
    if (Option1->isChecked())
        return 1;
    if (Option2->isChecked())
        return 2;
    if (Option3->isChecked())
        return 3;
    return 4;
}

void frmRepBalancedePrueba::onImprimir()
{
    imprimir();
}

void frmRepBalancedePrueba::imprimir()
{
    if (!TrialBalanceReport::checkYear(txtAno->text(), session().prompt())) {
        txtAno->setFocus();
        return;
    }
    TrialBalanceOptions options = TrialBalanceReport::optionsFor(
        session(), cmbMes->currentIndex() + 1, txtAno->text().toInt());
    options.level = level();
    options.from = txtDesdeCta->text().trimmed();
    options.to = txtHastaCta->text().trimmed();
    options.showAll = ChkMostrar->isChecked();
    options.consolidated = chkConsolidado->isEnabled() && chkConsolidado->isChecked();
    options.withoutClosing = !chkSinCierre->isHidden() && chkSinCierre->isChecked();
    if (!session().reports)
        return;
    try {
        run(options);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void frmRepBalancedePrueba::run(const TrialBalanceOptions &options)
{
    TrialBalanceReport::run(session(), *session().reports, options);
}

void frmRepBalancedePrueba::lookUpAccount(QLineEdit *field)
{
    try {
        const CatalogResult picked =
            ShowCatalog(session(), this, {field->text().trimmed() + QStringLiteral("%")},
                        TrialBalanceReport::AccountLookupQuery());
        if (picked.picked())
            field->setText(picked.element(1));
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

bool frmRepBalancedePrueba::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F2) {
        if (watched == txtDesdeCta || watched == txtHastaCta) {
            lookUpAccount(static_cast<QLineEdit *>(watched));
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}
