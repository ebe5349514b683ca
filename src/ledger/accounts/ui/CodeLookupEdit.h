#pragma once

#include <QVariantList>
#include <QWidget>
#include <functional>

class CatalogPicker;
class QLabel;
class QLineEdit;
class QToolButton;
struct Session;

// A code field with its lookup button and the name of what the code names. A typed code is
// checked when the user leaves the field; the button opens the lookup with the typed text.
class CodeLookupEdit : public QWidget
{
    Q_OBJECT
public:
    // What a check of a code found: its name, or the refusal to show.
    struct Check
    {
        QString name;
        QString refusal; // empty when the code is good
        bool told = false; // refused, and the checker already told the user why
    };
    using Checker = std::function<Check(const QString &code)>;

    // `lookup` takes the typed text + "%" as its one parameter, if it has one.
    CodeLookupEdit(Session &session, QString lookup, Checker checker, QWidget *parent = nullptr);

    // An account field: the account lookup, and only detail accounts accepted.
    static CodeLookupEdit *detailAccount(Session &session, QWidget *parent = nullptr);

    QLineEdit *txtCodigo = nullptr;
    QToolButton *cmdBuscar = nullptr;
    QLabel *lblNombre = nullptr;

    QString code() const;
    void setCode(const QString &code, const QString &name);
    // Shows `code` with the name the checker finds, without any message.
    void showCode(const QString &code);
    void clear() { setCode({}, {}); }
    void setEditable(bool editable);
    // Lookups with several candidates are picked here; the catalogue window when null.
    void setPicker(CatalogPicker *picker) { m_picker = picker; }
    // The lookup's parameters for the typed text, when it takes more than the text + "%".
    using Parameters = std::function<QVariantList(const QString &typed)>;
    void setParameters(Parameters parameters) { m_parameters = std::move(parameters); }

public slots:
    // Checks the typed code (once per new text); a refusal is shown and clears the name.
    bool checkTyped();
    // Opens the lookup with the typed text and takes the picked code.
    void lookup();

signals:
    // A code was accepted (typed and checked, or picked); empty when the field was emptied.
    void codeAccepted(const QString &code, const QString &name);

private:
    bool accept(const QString &code);

    Session &m_session;
    QString m_lookup;
    Checker m_checker;
    CatalogPicker *m_picker = nullptr;
    Parameters m_parameters;
    QString m_checked; // the text last checked, so leaving the field twice asks once
};
