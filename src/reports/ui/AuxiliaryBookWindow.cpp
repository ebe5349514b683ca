#include "reports/ui/AuxiliaryBookWindow.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/FormatHelpers.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "platform/DbError.h"
#include "reports/AuxiliaryBookReport.h"
#include "reports/TrialBalanceReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace {

// Which lookup a code field opens.
const char *const LookupProperty = "lookup";
const char *const AccountLookup = "cuenta";
const char *const PartyLookup = "tercero";

} // namespace

AuxiliaryBookWindow::AuxiliaryBookWindow(Session &session, const QString &node, QWidget *parent)
    : ChildWindow(session, node, parent)
{
    setMinimumWidth(440);
}

QComboBox *AuxiliaryBookWindow::monthBox(const QString &name, int month)
{
    auto *box = new QComboBox(this);
    box->setObjectName(name);
    for (int m = 1; m <= 12; ++m)
        box->addItem(MonthName(m));
    box->setCurrentIndex(month >= 1 && month <= 12 ? month - 1 : 0);
    return box;
}

QLineEdit *AuxiliaryBookWindow::yearField()
{
    const int year = session().gAno;
    auto *field = new QLineEdit(year ? QString::number(year) : QString(), this);
    field->setObjectName(QStringLiteral("txtAno"));
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    field->setMaxLength(4);
    field->setMaximumWidth(80);
    return field;
}

QLineEdit *AuxiliaryBookWindow::accountField(const QString &name)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(name);
    field->setMaxLength(12);
    field->setToolTip(QStringLiteral("F2: buscar la cuenta"));
    field->setProperty(LookupProperty, QLatin1String(AccountLookup));
    return field;
}

QLineEdit *AuxiliaryBookWindow::partyField(const QString &name)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(name);
    field->setMaxLength(15);
    field->setToolTip(QStringLiteral("F2: buscar el tercero"));
    field->setProperty(LookupProperty, QLatin1String(PartyLookup));
    return field;
}

QCheckBox *AuxiliaryBookWindow::consolidatedBox()
{
    auto *box = new QCheckBox(QStringLiteral("Consolidado"), this);
    box->setObjectName(QStringLiteral("chkConsolidado"));
    box->setEnabled(TrialBalanceReport::consolidationAllowed(session()));
    return box;
}

QLayout *AuxiliaryBookWindow::withLookup(QLineEdit *field)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QStringLiteral("cmd") + field->objectName().mid(3));
    button->setText(QStringLiteral("..."));
    connect(button, &QToolButton::clicked, this, [this, field] { lookUp(field); });
    field->installEventFilter(this);
    auto *row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(field, 1);
    row->addWidget(button);
    return row;
}

void AuxiliaryBookWindow::addRangeFields(QFormLayout *form)
{
    txtDesdeCta = accountField(QStringLiteral("txtDesdeCta"));
    txtHastaCta = accountField(QStringLiteral("txtHastaCta"));
    txtDesdeTerc = partyField(QStringLiteral("txtDesdeTerc"));
    txtHastaTerc = partyField(QStringLiteral("txtHastaTerc"));
    chkConsolidado = consolidatedBox();
    form->addRow(QStringLiteral("Desde cuenta:"), withLookup(txtDesdeCta));
    form->addRow(QStringLiteral("Hasta cuenta:"), withLookup(txtHastaCta));
    form->addRow(QStringLiteral("Desde tercero:"), withLookup(txtDesdeTerc));
    form->addRow(QStringLiteral("Hasta tercero:"), withLookup(txtHastaTerc));
}

bool AuxiliaryBookWindow::consolidatedChecked() const
{
    return chkConsolidado && chkConsolidado->isEnabled() && chkConsolidado->isChecked();
}

void AuxiliaryBookWindow::runReport(const std::function<void()> &report)
{
    if (!session().reports)
        return;
    try {
        report();
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

void AuxiliaryBookWindow::lookUp(QLineEdit *field)
{
    const bool account = field->property(LookupProperty).toString() == QLatin1String(AccountLookup);
    try {
        const CatalogResult picked =
            ShowCatalog(session(), this, {field->text().trimmed() + QStringLiteral("%")},
                        account ? TrialBalanceReport::AccountLookupQuery()
                                : AuxiliaryBookReport::PartyLookupQuery());
        if (picked.picked())
            field->setText(picked.element(1));
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}

bool AuxiliaryBookWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F2) {
        auto *field = qobject_cast<QLineEdit *>(watched);
        if (field && field->property(LookupProperty).isValid()) {
            lookUp(field);
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}
