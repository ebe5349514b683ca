#pragma once

#include "ledger/accounts/Account.h"

#include <QWidget>

class CatalogPicker;
class ChartOfAccounts;
class CodeLookupEdit;
class CostCentreShareModel;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
struct Session;

// The cost-centre tab of the account form: the shares grid, the field that adds a cost
// centre by code or from the list, and the total of the percentages.
class CostCentrePage : public QWidget
{
    Q_OBJECT
public:
    CostCentrePage(Session &session, ChartOfAccounts &chart, QWidget *parent = nullptr);

    CodeLookupEdit *txtCentroCosto = nullptr;
    QPushButton *cmdQuitar = nullptr;
    QTableView *grdCentroCosto = nullptr;
    QLabel *lblTotal = nullptr;

    CostCentreShareModel *model() const { return m_model; }
    void setEditing(bool editing);
    void setPicker(CatalogPicker *picker);

private:
    void add(const QString &code, const QString &name);
    void removeCurrent();

    CostCentreShareModel *m_model = nullptr;
};

// The retention-concept tab: the concepts the account allows and the field that adds one.
class ConceptPage : public QWidget
{
    Q_OBJECT
public:
    static inline const QString AlreadyIncluded =
        QStringLiteral("Ya el concepto esta incluido...!");

    ConceptPage(Session &session, ChartOfAccounts &chart, QWidget *parent = nullptr);

    CodeLookupEdit *txtConcepto = nullptr;
    QPushButton *cmdQuitar = nullptr;
    QTableWidget *grdConceptos = nullptr;

    std::vector<AccountConcept> concepts() const;
    void setConcepts(const std::vector<AccountConcept> &concepts);
    int count() const;
    void setEditing(bool editing);
    void setPicker(CatalogPicker *picker);

private:
    void add(const QString &code, const QString &description);
    void append(const AccountConcept &concept_);

    Session &m_session;
};
