#pragma once

#include <QString>
#include <array>
#include <functional>
#include <vector>

struct Session;

// One line of the blocking grid: a company and its month flags in the year shown.
struct PeriodFlags
{
    QString empresa;
    QString matriz; // head office of the PERIODO row
    QString nombre;
    int tipo = 0;                     // 1 head office, 0 branch
    std::array<bool, 12> bloqueado{}; // January first; true = month blocked
    bool stored = false;              // the year's PERIODO row exists already

    bool operator==(const PeriodFlags &) const = default;
};

// Reading and saving which months of a year are blocked, per company of a head office or
// of every head office at once.
class PeriodBlocking
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_bloquearperiodos");
    // Head-office code that stands for every company.
    static inline const QString AllCompanies = QStringLiteral("0");

    struct HeadOffice
    {
        QString codigo;
        QString nombre;
    };

    enum class Result { Saved, NothingToSave, NotAllowed, Failed };
    // After each saved row: rows done and how many there are.
    using Progress = std::function<void(int done, int total)>;

    // `node` is the navigation node the user came through; his rights there are checked.
    explicit PeriodBlocking(Session &session, QString node = NodeCode);

    std::vector<HeadOffice> headOffices() const;

    // The companies of `headOffice` (or all) with a PERIODO row in `year`, and those that had
    // one in the year before and still lack it, shown open. Head offices first. Writes nothing.
    std::vector<PeriodFlags> load(const QString &headOffice, int year) const;

    // Writes the rows' flags for `year` in one transaction, creating the rows that do not
    // exist yet. Needs the right to "Guardar" on the blocking window's node.
    Result save(const QString &headOffice, int year, const std::vector<PeriodFlags> &rows,
                const Progress &progress = {});

private:
    Session &m_session;
    QString m_node;
};
