#pragma once

#include "common/report/RunReport.h"
#include "ledger/accounts/AccountCodeStructure.h"
#include "ledger/accounts/AccountValidation.h"

#include <optional>

class ReportOutput;
struct Session;

// Reading, saving and deleting the accounts of the chart with their cost-centre shares and
// retention concepts, and printing the chart. The user's rights on the chart's navigation
// node are checked here; refusals and failures are told through the session's prompter.
class ChartOfAccounts
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_plancuentas");

    // Lookups of the account form's code fields. Those with a "?" take the typed text + "%".
    static inline const QString CostCentreList =
        QStringLiteral("SELECT Codigo,Nombre FROM CENTROCOSTO WHERE Codigo <> '*' ORDER BY Codigo");
    static inline const QString ConceptList = QStringLiteral(
        "SELECT Codigo,Descripcion FROM CONCEPTORET WHERE Codigo LIKE ? AND Codigo <> '*' "
        "ORDER BY Codigo");
    static inline const QString BankPartyList = QStringLiteral(
        "SELECT Codigo,Nombre FROM TERCERO WHERE Codigo LIKE ? AND Codigo <> '*' ORDER BY Nombre");

    static inline const QString ReportFile = QStringLiteral("\\crpCuentas.rpt");
    static inline const QString ReportTitle = QStringLiteral("Cuentas Contables");
    static inline const QString DuplicateMessage = QStringLiteral("¡La cuenta ya existe!");

    enum class SaveResult { Saved, Invalid, NotAllowed, Failed };
    struct SaveOutcome
    {
        SaveResult result = SaveResult::Failed;
        std::optional<AccountFailure> failure; // set when Invalid
        QString code;                          // the saved account
    };
    enum class DeleteResult { Deleted, HasChildren, InUse, Missing, NotAllowed };

    // `node` is the navigation node the user came through; his rights there are checked.
    explicit ChartOfAccounts(Session &session, QString node = NodeCode);

    AccountCodeStructure structure() const;

    // The account with its cost centres and concepts; nullopt when it does not exist.
    std::optional<Account> load(const QString &code) const;

    // Checks the draft (the validation list, then that each linked account is a detail
    // account and that a new code is free) and writes it in one transaction. A refusal is
    // shown and returned with the field to go to; nothing is written unless all is written.
    SaveOutcome save(const AccountDraft &draft);

    // Deletes an account without children; its shares and concepts go with it. An account
    // that posted lines, the work area or a product line refer to stays.
    DeleteResult remove(const QString &code);

    // The cost centre or concept with this code, for adding it to the account's grids.
    std::optional<CostCentreShare> costCentre(const QString &code) const;
    std::optional<AccountConcept> retentionConcept(const QString &code) const;
    // The name of the third party a bank account belongs to.
    std::optional<QString> bankPartyName(const QString &code) const;

    // The chart's listing statement, headed by the session's company values.
    ReportQuery listing() const;
    // Prints the chart through the report runner (destination as RunReport takes it).
    ReportOutcome print(ReportOutput &output, int destination = 0);

private:
    std::optional<AccountFailure> checkAgainstDatabase(const AccountDraft &draft) const;
    void write(const AccountDraft &draft, const QString &code);

    Session &m_session;
    QString m_node;
};
