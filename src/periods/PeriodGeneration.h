#pragma once

#include <QDate>
#include <QString>
#include <functional>

class Db;
struct Session;

// Prepares a year for work: its voucher counters, the open PERIODO row of every company and
// the exchange-rate and price-index months, carried over from the year before.
class PeriodGeneration
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_generarperiodo");

    enum class Result { Generated, NotAllowed, InvalidYear, Declined, Failed };

    // Rows inserted by one preparation of a year.
    struct Counts
    {
        int counters = 0;
        int periods = 0;
        int rates = 0;
        int indexes = 0;
        int total() const { return counters + periods + rates + indexes; }
    };

    // Before each stage: the label to show, the stages done so far and how many there are;
    // once more at the end with done == total.
    using Progress = std::function<void(const QString &label, int done, int total)>;
    static constexpr int Stages = 4;

    // `node` is the navigation node the user came through; his rights there are checked.
    explicit PeriodGeneration(Session &session, QDate today = QDate::currentDate(),
                              QString node = NodeCode);

    // The year the window proposes: the one after the last year with periods, or this year
    // when there are none.
    int suggestedYear() const;

    // The whole operation behind "Aprobar": rights, the year typed, the confirmation, the
    // preparation in one transaction and the closing message.
    Result GenerarPeriodo(const QString &yearText, const Progress &progress = {});

    // Copies counters, periods, rates and indexes of year - 1 into `year` and adds whatever
    // rows the year still lacks for every voucher type and company. Leaves existing rows of
    // `year` alone, so running it twice changes nothing. Runs inside the caller's
    // transaction when there is one (the year-end closing prepares the next year with it).
    static Counts PrepareYear(Db &db, int year, const Progress &progress = {});

private:
    Session &m_session;
    QDate m_today;
    QString m_node;
};
