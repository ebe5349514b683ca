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
public:
    // The account and third-party ranges and the consolidated box, where a window has them
    // (addRangeFields).
    QLineEdit *txtDesdeCta = nullptr;
    QLineEdit *txtHastaCta = nullptr;
    QLineEdit *txtDesdeTerc = nullptr;
    QLineEdit *txtHastaTerc = nullptr;
    QCheckBox *chkConsolidado = nullptr;

protected:
    AuxiliaryBookWindow(Session &session, const QString &node, QWidget *parent);

    QComboBox *monthBox(const QString &name, int month);
    QLineEdit *yearField();
    QLineEdit *accountField(const QString &name);
    QLineEdit *partyField(const QString &name);
    QCheckBox *consolidatedBox();
    // A code field with its lookup button.
    QLayout *withLookup(QLineEdit *field);
    // Makes the range fields and the consolidated box, and adds the rows "Desde cuenta",
    // "Hasta cuenta", "Desde tercero" and "Hasta tercero" to `form`.
    void addRangeFields(QFormLayout *form);
    // What the range fields and the consolidated box ask for, into the report's options.
    template <typename Options> void readRanges(Options &options) const
    {
        options.accountFrom = txtDesdeCta->text().trimmed();
        options.accountTo = txtHastaCta->text().trimmed();
        options.partyFrom = txtDesdeTerc->text().trimmed();
        options.partyTo = txtHastaTerc->text().trimmed();
        options.consolidated = consolidatedChecked();
    }
    bool consolidatedChecked() const;

    // Runs `report` when a runner is there; database errors are shown, not thrown.
    void runReport(const std::function<void()> &report);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lookUp(QLineEdit *field);
};
