#pragma once

#include "ledger/masterdata/MasterRecord.h"

#include <QHash>
#include <QLocale>
#include <QSet>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class TableMaintenance;
struct MaintainedField;

// The fields of a maintained table as controls, laid out from the table's description:
// "txt" + column for texts and numbers, "chk" + column for flags, "cmb" + column for lists,
// "opt" + column + value for option buttons. Enter moves to the next field.
class MaintenanceForm : public QWidget
{
    Q_OBJECT
public:
    MaintenanceForm(const TableMaintenance &service, QWidget *parent = nullptr);

    QWidget *control(const QString &column) const { return m_controls.value(column); }
    QLineEdit *lineEdit(const QString &column) const;
    QCheckBox *checkBox(const QString &column) const;
    QComboBox *comboBox(const QString &column) const;

    // Refills the lists read from tables (the regimes of a third party).
    void reloadChoices();
    void showRecord(const MasterRecord &record);
    // What the controls hold; amounts and percentages as typed.
    MasterRecord record() const;
    void clear();
    // `keyEditable` is false while an existing row is modified: its code stays.
    void setEditable(bool editable, bool keyEditable);
    void focusField(const QString &column);
    // Runs what the text of `column` proposes for other fields, as leaving it does.
    void proposeFrom(const QString &column);
    // After a refusal: the checks may have cleared a mark (the tax authority's).
    void takeFlag(const MasterRecord &record, const QString &column);

signals:
    // The user asked for the account lookup of an account field (button or F2).
    void accountLookupRequested(const QString &column);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createControl(const MaintainedField &field);
    QString numberText(const MaintainedField &field, const MasterRecord &record) const;
    void propose(const MaintainedField &field, const QString &text);

    const TableMaintenance &m_service;
    QLocale m_locale;
    QHash<QString, QWidget *> m_controls;
    QHash<QString, QButtonGroup *> m_options;
    QList<QWidget *> m_lookupButtons;
    // Lists the user chose from since the form was cleared, or that show a stored row:
    // proposals leave them alone.
    QSet<QString> m_chosen;
};
