#pragma once

#include "ledger/accounts/AccountCodeStructure.h"
#include "ledger/accounts/AccountValidation.h"

#include <QTabWidget>
#include <array>

class CatalogPicker;
class ChartOfAccounts;
class CodeLookupEdit;
class ConceptPage;
class CostCentrePage;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
struct Session;

// The tabs of an account: general data, flags, linked accounts, bank, cost centres and
// retention concepts. Shows an account, opens the fields for a new or a changed one, and
// gives back what the user typed.
class AccountForm : public QTabWidget
{
    Q_OBJECT
public:
    static inline const QString QuestionTitle = QStringLiteral("Quitar Centro de Costo");
    static inline const QString RemoveCostCentres =
        QStringLiteral("La cuenta tiene centro de costos!, desea quitarlos?");
    static inline const QString RemoveConcepts =
        QStringLiteral("La cuenta tiene conceptos de retencion!, desea quitarlos?");

    AccountForm(Session &session, ChartOfAccounts &chart, QWidget *parent = nullptr);

    std::array<QLineEdit *, AccountCodeStructure::LevelCount> txtNivel{};
    QLineEdit *txtNombre = nullptr;
    QCheckBox *chkDetalle = nullptr;
    QRadioButton *optActiva = nullptr;
    QRadioButton *optInactiva = nullptr;
    // Check boxes, except the two fiscal books, which are option buttons.
    std::array<QAbstractButton *, AccountFlagCount> chkFlags{};
    // The sales-book code, chosen while "Libro de Ventas" is set.
    QComboBox *cmbLibroVentas = nullptr;
    std::array<CodeLookupEdit *, LinkedAccountCount> txtCuentas{};
    CodeLookupEdit *txtTerceroBanco = nullptr;
    QLineEdit *txtNumeroCuenta = nullptr;
    CostCentrePage *tabCentros = nullptr;
    ConceptPage *tabConceptos = nullptr;

    QAbstractButton *flag(AccountFlag f) const { return chkFlags[size_t(f)]; }
    CodeLookupEdit *linked(LinkedAccount l) const { return txtCuentas[size_t(l)]; }

    // Browse mode on `account`, or on nothing (the root).
    void showAccount(const Account &account, const AccountCodeStructure &structure);
    void clearAccount();
    // A new account of `level` under `parent` (nullptr for the root): the parent's segments
    // fixed, the new level's segment open.
    void startNew(const Account *parent, int level, const AccountCodeStructure &structure);
    // Opens the fields of the account shown; its code stays fixed.
    void startModify();
    void stopEditing();

    // The account as the fields hold it (code, parent and level as shown or started).
    Account account() const;
    // The segment typed for the new level.
    QString segment() const;
    // Shows the tab of the field a refusal points at and puts the focus there.
    void focusField(const AccountFailure &failure);
    void setPicker(CatalogPicker *picker);

private:
    void updateSalesBookChoice();
    QWidget *buildGeneral();
    QWidget *buildFlags();
    QWidget *buildLinked();
    QWidget *buildBank();
    void setEditing(bool editing);
    void showSegments(const QString &code, const AccountCodeStructure &structure);
    void confirmUncheck(AccountFlag flag);

    Session &m_session;
    ChartOfAccounts &m_chart;
    Account m_shown;    // code, parent and level of the account shown or being created
    int m_newLevel = 0; // the open segment's level while creating
};
