#pragma once

#include "common/ui/ChildWindow.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLayout;
class QLineEdit;

// What the windows of the auxiliary books share: the month and year fields, the account and
// third-party fields with their lookups (F2 or the button beside them), the consolidated box
// and a guarded run of the report.
class AuxiliaryBookWindow : public ChildWindow
{
    Q_OBJECT
protected:
    AuxiliaryBookWindow(Session &session, const QString &node, QWidget *parent);

    QComboBox *monthBox(const QString &name, int month);
    QLineEdit *yearField();
    QLineEdit *accountField(const QString &name);
    QLineEdit *partyField(const QString &name);
    QCheckBox *consolidatedBox();
    // A code field with its lookup button.
    QLayout *withLookup(QLineEdit *field);
    // The range rows "Desde cuenta", "Hasta cuenta" and, when given, the third parties.
    void addRanges(QFormLayout *form, QLineEdit *fromAccount, QLineEdit *toAccount,
                   QLineEdit *fromParty = nullptr, QLineEdit *toParty = nullptr);

    // Runs `report` when a runner is there; database errors are shown, not thrown.
    void runReport(const std::function<void()> &report);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lookUp(QLineEdit *field);
};
