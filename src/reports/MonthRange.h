#pragma once

#include <QString>
#include <optional>

// The months of the books that run over a range of one calendar year. A company whose fiscal
// year closes in month C has two fiscal years in each calendar year: the months up to C end
// one and the months after C begin the next. A range must stay inside one of them and run
// forwards, or the opening balances it starts from would belong to another year.
class MonthRange
{
public:
    static inline const QString Title = QStringLiteral("Error");
    static inline const QString FirstAfterClosing =
        QStringLiteral("Mes desde debe ser mayor a mes de cierre del periodo!");
    static inline const QString LastUpToClosing =
        QStringLiteral("Mes hasta debe ser menor o igual al mes de cierre del periodo!");
    static inline const QString LastNotClosing =
        QStringLiteral("Mes hasta debe ser distinto al mes de cierre del periodo!");
    static inline const QString FirstAfterLast =
        QStringLiteral("Mes inicial debe ser mayor o igual a mes final!");

    // What is wrong with the range from `first` to `last` (1-12) for a fiscal year closing
    // in `closingMonth` (1-12; any other value counts as December); nothing when it is fine.
    static std::optional<QString> fault(int first, int last, int closingMonth);
};
