#include "ledger/accounts/ui/AccountForm.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/CatalogService.h"
#include "ledger/accounts/ChartOfAccounts.h"
#include "ledger/accounts/CostCentreShareModel.h"
#include "ledger/accounts/SalesBookCode.h"
#include "ledger/accounts/ui/AccountGridPages.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "ledger/accounts/ui/EnterMovesFocus.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const char *const FlagCaptions[AccountFlagCount] = {"Maneja centro de costo",
                                                    "Ajuste por inflación",
                                                    "Maneja documento",
                                                    "Maneja documentos anexos",
                                                    "Maneja tercero",
                                                    "Maneja retención en la fuente",
                                                    "Activo fijo",
                                                    "Depreciable",
                                                    "Ajuste por diferencia en cambio",
                                                    "Control de pago",
                                                    "Cierre por tercero",
                                                    "Libro de compras",
                                                    "Libro de ventas",
                                                    "Maneja retención de IVA",
                                                    "Consolidación",
                                                    "Cuenta de banco",
                                                    "Transferencia electrónica"};

struct LinkedRow
{
    LinkedAccount account;
    const char *caption;
};

void setFlagChecked(QAbstractButton *button, bool on)
{
    const QSignalBlocker block(button);
    button->setChecked(on);
}

} // namespace

AccountForm::AccountForm(Session &session, ChartOfAccounts &chart, QWidget *parent)
    : QTabWidget(parent)
    , m_session(session)
    , m_chart(chart)
{
    setObjectName(QStringLiteral("tabCuenta"));
    addTab(buildGeneral(), QStringLiteral("General"));
    addTab(buildFlags(), QStringLiteral("Indicadores"));
    addTab(buildLinked(), QStringLiteral("Cuentas Asociadas"));
    addTab(buildBank(), QStringLiteral("Banco"));
    tabCentros = new CostCentrePage(session, chart, this);
    addTab(tabCentros, QStringLiteral("Centros de Costo"));
    tabConceptos = new ConceptPage(session, chart, this);
    addTab(tabConceptos, QStringLiteral("Retenciones"));

    QList<QWidget *> fields(txtNivel.begin(), txtNivel.end());
    fields << txtNombre << txtNumeroCuenta;
    for (CodeLookupEdit *edit : txtCuentas)
        fields << edit->txtCodigo;
    EnterMovesFocus::install(this, fields);

    connect(flag(AccountFlag::Centrodecosto), &QAbstractButton::clicked, this,
            [this] { confirmUncheck(AccountFlag::Centrodecosto); });
    connect(flag(AccountFlag::ManejaReteFuente), &QAbstractButton::clicked, this,
            [this] { confirmUncheck(AccountFlag::ManejaReteFuente); });
    setEditing(false);
}

QWidget *AccountForm::buildGeneral()
{
    auto *page = new QWidget(this);
    auto *segments = new QHBoxLayout;
    for (int i = 0; i < AccountCodeStructure::LevelCount; ++i) {
        auto *box = new QLineEdit(page);
        box->setObjectName(QStringLiteral("txtNivel%1").arg(i + 1));
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), box));
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                           (i < 4 ? 4 : 8));
        txtNivel[size_t(i)] = box;
        segments->addWidget(box);
    }
    segments->addStretch();
    txtNombre = new QLineEdit(page);
    txtNombre->setObjectName(QStringLiteral("txtNombre"));
    txtNombre->setMaxLength(150);
    connect(txtNombre, &QLineEdit::editingFinished, this,
            [this] { txtNombre->setText(txtNombre->text().toUpper()); });
    chkDetalle = new QCheckBox(QStringLiteral("Cuenta de detalle"), page);
    chkDetalle->setObjectName(QStringLiteral("chkDetalle"));
    optActiva = new QRadioButton(QStringLiteral("Activa"), page);
    optActiva->setObjectName(QStringLiteral("optActiva"));
    optInactiva = new QRadioButton(QStringLiteral("Inactiva"), page);
    optInactiva->setObjectName(QStringLiteral("optInactiva"));
    auto *status = new QHBoxLayout;
    status->addWidget(optActiva);
    status->addWidget(optInactiva);
    status->addStretch();

    auto *form = new QFormLayout(page);
    form->addRow(QStringLiteral("Código:"), segments);
    form->addRow(QStringLiteral("Nombre:"), txtNombre);
    form->addRow(QString(), chkDetalle);
    form->addRow(QStringLiteral("Estado:"), status);
    return page;
}

QWidget *AccountForm::buildFlags()
{
    auto *page = new QWidget(this);
    auto *grid = new QGridLayout(page);
    const int half = (AccountFlagCount + 1) / 2;
    for (int i = 0; i < AccountFlagCount; ++i) {
        const auto f = AccountFlag(i);
        const QString caption = QString::fromUtf8(FlagCaptions[i]);
        QAbstractButton *button;
        if (f == AccountFlag::CuentaLibroCompras || f == AccountFlag::CuentaLibroVentas) {
            // Either book or neither: option buttons that a second click clears.
            auto *option = new QRadioButton(caption, page);
            option->setAutoExclusive(false);
            button = option;
        } else {
            button = new QCheckBox(caption, page);
        }
        button->setObjectName(QStringLiteral("chk") + AccountColumns::of(f));
        chkFlags[size_t(i)] = button;
        if (f == AccountFlag::CuentaLibroVentas) {
            // The sales book needs to know which of its columns the account feeds.
            auto *row = new QHBoxLayout;
            row->addWidget(button);
            cmbLibroVentas = new QComboBox(page);
            cmbLibroVentas->setObjectName(QStringLiteral("cmbLibroVentas"));
            for (const SalesBookCode &c : SalesBookCode::all())
                cmbLibroVentas->addItem(SalesBookCode::caption(c.code), c.code);
            row->addWidget(cmbLibroVentas, 1);
            grid->addLayout(row, i % half, i / half);
        } else {
            grid->addWidget(button, i % half, i / half);
        }
    }
    QAbstractButton *purchases = flag(AccountFlag::CuentaLibroCompras);
    QAbstractButton *sales = flag(AccountFlag::CuentaLibroVentas);
    connect(purchases, &QAbstractButton::toggled, this, [sales](bool on) {
        if (on)
            sales->setChecked(false);
    });
    connect(sales, &QAbstractButton::toggled, this, [this, purchases](bool on) {
        if (on)
            purchases->setChecked(false);
        updateSalesBookChoice();
    });
    // Setting the option by hand opens the choice of codes at once.
    connect(sales, &QAbstractButton::clicked, this, [this](bool on) {
        if (on && cmbLibroVentas->isVisible())
            cmbLibroVentas->showPopup();
    });
    grid->setRowStretch(half, 1);
    return page;
}

QWidget *AccountForm::buildLinked()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    const auto group = [&](const QString &title, std::initializer_list<LinkedRow> rows) {
        auto *box = new QGroupBox(title, page);
        auto *form = new QFormLayout(box);
        for (const LinkedRow &row : rows) {
            CodeLookupEdit *edit = CodeLookupEdit::detailAccount(m_session, box);
            edit->setObjectName(QStringLiteral("txt") + AccountColumns::of(row.account));
            txtCuentas[size_t(row.account)] = edit;
            form->addRow(QString::fromUtf8(row.caption), edit);
        }
        layout->addWidget(box);
    };
    group(QStringLiteral("Ajuste por inflación"),
          {{LinkedAccount::CuentaAjuste, "Cuenta de ajuste:"},
           {LinkedAccount::CuentaCorrMonetAjust, "Corrección monetaria:"}});
    group(QStringLiteral("Depreciación"),
          {{LinkedAccount::CuentaGastos, "Gasto de depreciación:"},
           {LinkedAccount::CuentaDepAcumulada, "Depreciación acumulada:"},
           {LinkedAccount::CuentaDepAcumuladaAjus, "Depreciación acumulada ajustada:"},
           {LinkedAccount::CuentaCorrMonetAjustDep, "Corrección monetaria depreciación:"}});
    group(QStringLiteral("Retención de IVA"),
          {{LinkedAccount::CuentaRetIVA, "Cuenta de retención de IVA:"}});
    layout->addStretch();
    return page;
}

QWidget *AccountForm::buildBank()
{
    auto *page = new QWidget(this);
    ChartOfAccounts *chart = &m_chart;
    txtTerceroBanco = new CodeLookupEdit(
        m_session, ChartOfAccounts::BankPartyList,
        [chart](const QString &code) {
            const auto name = chart->bankPartyName(code);
            return CodeLookupEdit::Check{name.value_or(QString()),
                                         name ? QString() : CatalogNoDataMessage};
        },
        page);
    txtTerceroBanco->setObjectName(QStringLiteral("txtTerceroBanco"));
    txtNumeroCuenta = new QLineEdit(page);
    txtNumeroCuenta->setObjectName(QStringLiteral("txtNumeroCuenta"));
    txtNumeroCuenta->setMaxLength(AccountMessages::AccountNumberDigits);
    txtNumeroCuenta->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,20}")), txtNumeroCuenta));
    txtNumeroCuenta->setFixedWidth(
        txtNumeroCuenta->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 24);
    auto *form = new QFormLayout(page);
    form->addRow(QStringLiteral("Banco (tercero):"), txtTerceroBanco);
    form->addRow(QStringLiteral("Número de cuenta:"), txtNumeroCuenta);
    return page;
}

void AccountForm::setPicker(CatalogPicker *picker)
{
    for (CodeLookupEdit *edit : txtCuentas)
        edit->setPicker(picker);
    txtTerceroBanco->setPicker(picker);
    tabCentros->setPicker(picker);
    tabConceptos->setPicker(picker);
}

void AccountForm::setEditing(bool editing)
{
    for (int i = 0; i < AccountCodeStructure::LevelCount; ++i)
        txtNivel[size_t(i)]->setReadOnly(!editing || i + 1 != m_newLevel);
    txtNombre->setReadOnly(!editing);
    for (QAbstractButton *b :
         std::initializer_list<QAbstractButton *>{chkDetalle, optActiva, optInactiva})
        b->setEnabled(editing);
    for (QAbstractButton *b : chkFlags)
        b->setEnabled(editing);
    updateSalesBookChoice();
    for (CodeLookupEdit *edit : txtCuentas)
        edit->setEditable(editing);
    txtTerceroBanco->setEditable(editing);
    txtNumeroCuenta->setReadOnly(!editing);
    tabCentros->setEditing(editing);
    tabConceptos->setEditing(editing);
}

void AccountForm::updateSalesBookChoice()
{
    const QAbstractButton *sales = flag(AccountFlag::CuentaLibroVentas);
    cmbLibroVentas->setEnabled(sales->isEnabled() && sales->isChecked());
}

void AccountForm::showSegments(const QString &code, const AccountCodeStructure &structure)
{
    const QStringList parts = structure.segments(code);
    for (int i = 0; i < AccountCodeStructure::LevelCount; ++i) {
        QLineEdit *box = txtNivel[size_t(i)];
        box->setMaxLength(32767); // a shorter limit would cut what is shown
        box->setText(parts.value(i));
    }
}

void AccountForm::showAccount(const Account &a, const AccountCodeStructure &structure)
{
    m_shown = a;
    m_newLevel = 0;
    showSegments(a.code, structure);
    txtNombre->setText(a.name);
    chkDetalle->setChecked(!a.summary);
    (a.active ? optActiva : optInactiva)->setChecked(true);
    for (int i = 0; i < AccountFlagCount; ++i)
        setFlagChecked(chkFlags[size_t(i)], a.flags[size_t(i)]);
    const int salesBook = cmbLibroVentas->findData(a.salesBookColumn());
    cmbLibroVentas->setCurrentIndex(std::max(0, salesBook));
    updateSalesBookChoice();
    for (int i = 0; i < LinkedAccountCount; ++i)
        txtCuentas[size_t(i)]->showCode(a.linked[size_t(i)]);
    txtTerceroBanco->showCode(a.hasBankParty() ? a.bankParty : QString());
    txtNumeroCuenta->setText(a.accountNumber);
    tabCentros->model()->setShares(a.costCentres);
    tabConceptos->setConcepts(a.concepts);
    setEditing(false);
}

void AccountForm::clearAccount()
{
    showAccount(Account{}, AccountCodeStructure());
    m_shown.code.clear();
}

void AccountForm::startNew(const Account *parent, int level, const AccountCodeStructure &structure)
{
    Account fresh;
    fresh.level = level;
    fresh.parentCode = parent ? parent->code : Account::NoParent;
    // Level-5 accounts are where movements go; the levels above usually summarise.
    fresh.summary = level < AccountCodeStructure::LevelCount;
    showAccount(fresh, structure);
    showSegments(parent ? parent->code : QString(), structure);
    m_newLevel = level;
    setEditing(true);
    setCurrentIndex(0);
    if (level >= 1 && level <= AccountCodeStructure::LevelCount) {
        QLineEdit *box = txtNivel[size_t(level - 1)];
        box->setMaxLength(std::max(1, structure.maxSegmentLength(level)));
        box->setFocus();
    }
}

void AccountForm::startModify()
{
    m_newLevel = 0;
    setEditing(true);
    setCurrentIndex(0);
    txtNombre->setFocus();
}

void AccountForm::stopEditing()
{
    m_newLevel = 0;
    setEditing(false);
}

QString AccountForm::segment() const
{
    if (m_newLevel < 1 || m_newLevel > AccountCodeStructure::LevelCount)
        return {};
    return txtNivel[size_t(m_newLevel - 1)]->text();
}

Account AccountForm::account() const
{
    Account a = m_shown;
    a.name = txtNombre->text();
    a.summary = !chkDetalle->isChecked();
    a.active = !optInactiva->isChecked();
    for (int i = 0; i < AccountFlagCount; ++i)
        a.flags[size_t(i)] = chkFlags[size_t(i)]->isChecked();
    a.salesBook =
        a.flag(AccountFlag::CuentaLibroVentas) ? cmbLibroVentas->currentData().toInt() : 0;
    for (int i = 0; i < LinkedAccountCount; ++i)
        a.linked[size_t(i)] = txtCuentas[size_t(i)]->code();
    const QString party = txtTerceroBanco->code();
    a.bankParty = party.isEmpty() ? Account::NoBankParty : party;
    a.accountNumber = txtNumeroCuenta->text();
    a.costCentres = tabCentros->model()->shares();
    a.concepts = tabConceptos->concepts();
    return a;
}

void AccountForm::focusField(const AccountFailure &failure)
{
    QWidget *target = nullptr;
    QWidget *page = widget(0);
    switch (failure.field) {
    case AccountField::Segment:
        if (m_newLevel >= 1 && m_newLevel <= AccountCodeStructure::LevelCount)
            target = txtNivel[size_t(m_newLevel - 1)];
        break;
    case AccountField::Name:
        target = txtNombre;
        break;
    case AccountField::CostCentres:
        page = tabCentros;
        target = tabCentros->grdCentroCosto;
        break;
    case AccountField::Concepts:
        page = tabConceptos;
        target = tabConceptos->txtConcepto->txtCodigo;
        break;
    case AccountField::Linked:
        page = widget(2);
        target = linked(failure.linked)->txtCodigo;
        break;
    case AccountField::BankParty:
        page = widget(3);
        target = txtTerceroBanco->txtCodigo;
        break;
    case AccountField::AccountNumber:
        page = widget(3);
        target = txtNumeroCuenta;
        break;
    }
    setCurrentWidget(page);
    if (target) {
        target->setFocus();
        if (auto *box = qobject_cast<QLineEdit *>(target))
            box->selectAll();
    }
}

void AccountForm::confirmUncheck(AccountFlag f)
{
    QAbstractButton *box = flag(f);
    const bool costCentres = f == AccountFlag::Centrodecosto;
    const int rows = costCentres ? tabCentros->model()->rowCount() : tabConceptos->count();
    if (box->isChecked() || rows == 0)
        return;
    if (m_session.prompt().question(costCentres ? RemoveCostCentres : RemoveConcepts,
                                    QuestionTitle)) {
        if (costCentres)
            tabCentros->model()->clear();
        else
            tabConceptos->setConcepts({});
    } else {
        setFlagChecked(box, true);
    }
}
