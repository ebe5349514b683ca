#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

struct Session;

// Picking the working company: the list the user may open, the session registration, the
// session values, and then the choice of the working period.
class CompanySelection
{
public:
    // Shows the rows of `sql` (with `params` bound) and gives back the picked row's values as
    // texts, or a list whose first element is empty when nothing was picked. A list of one row
    // is taken without showing anything.
    using Picker = std::function<QStringList(const QString &sql, const QVariantList &params)>;

    enum class Outcome {
        NothingPicked,
        SameCompany,
        AlreadyInUse,
        Selected,
        EditKept, // another company was picked, but the user kept a window's edit in progress
    };

    // The companies window, where a new installation creates its first head office.
    static inline const QString CompaniesNode = QStringLiteral("mnu_empresas");

    CompanySelection(Session &session, Picker picker, QString hostName);

    // Mode 1: every company (administrators); otherwise the user's assigned companies.
    // Whatever is picked, the same company or another, the main window's caption and status
    // bar are refreshed and the period window follows. Before another company is taken, the
    // windows open on the old one are closed: an edit in progress is given up only when the
    // user says so, or nothing changes.
    Outcome SelectCompany(int mode);
    // The mode the menu entry and the toolbar use for the session's user; 0 = nothing to pick.
    int modeForUser() const;
    // The database has no company yet and the session's user belongs to "SISTEMAS": instead of
    // an empty list he is taken to the companies window to create the first head office.
    bool needsFirstCompany() const;
    static bool NeedsFirstCompany(Session &session);

    // The statement each mode shows, with its bound values (15 columns, head offices first).
    static QString companyQuery(int mode);

    // Stored closing month of a company, and its closing month and last closed year.
    static int CompanyMonth(Session &session, const QString &company, const QString &headOffice);
    static bool CompanyPeriod(Session &session, const QString &company, const QString &headOffice,
                              int &month, int &year);

private:
    void takeOver(const QStringList &row);
    void showCompany(const QStringList &row);

    Session &m_session;
    Picker m_picker;
    QString m_host;
};
