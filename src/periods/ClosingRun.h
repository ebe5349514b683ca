#pragma once

#include <QDate>
#include <QString>

struct Session;

// The closing window's service: which fiscal year it closes, whether it may be closed now,
// and the run behind "Aprobar" (the next year prepared, the closing, the session moved on).
class ClosingRun
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_cierre");
    static inline const QString WrongMonthText = QStringLiteral(
        "Periodo Invalido... El Cierre no procede! Debe ejecutar el cierre del ejercicio en el "
        "mes que corresponde..! ");
    static inline const QString QuestionText =
        QStringLiteral("Desea realizar el cierre del periodo? ");
    static inline const QString ReopenQuestionText = QStringLiteral(
        "¿Desea reabrir el último ejercicio cerrado? Se eliminarán sus comprobantes de cierre y "
        "de apertura.");

    // `today` stands in for the calendar in tests.
    ClosingRun(Session &session, QDate today = QDate::currentDate(), QString node = NodeCode);

    int month() const { return m_first.isValid() ? m_last.month() : 0; }
    int year() const { return m_last.year(); }
    QDate fechaInicial() const { return m_first; }
    QDate fechaFinal() const { return m_last; }

    // The checks made when the window opens, with their messages. False: the window closes.
    bool mayOpen();
    // "Aprobar": the question, the next year's periods, the closing and its message. Gives
    // the closing's Control code, or -1 when the user said no or the preparation failed.
    int run();
    // "Reabrir ejercicio", for members of "SISTEMAS": asks, reopens, says what happened.
    bool reopen();

private:
    Session &m_session;
    QDate m_today;
    QString m_node;
    QDate m_first;
    QDate m_last;
};
