#pragma once

#include "common/report/RunReport.h"
#include "platform/report/ReportData.h"

#include <QString>
#include <functional>
#include <optional>

class Prompter;
class ReportOutput;
struct Session;

// Numbered blank pages for a bound book ("Foliado de Libros"): one page per number from the
// first to the last, each with the company's name, the book's name and its number.
class BookPageNumbering
{
public:
    static inline const QString Title = QStringLiteral("Foliado de Libros");
    static inline const QString LayoutFile = QStringLiteral("crpFoliadoDeLibro.rpt");
    static inline const QString LastBelowFirst =
        QStringLiteral("Numero final debe se mayor o igual al numero inicial..!");
    static inline const QString TooManyPages =
        QStringLiteral("El numero de paginas a foliar no debe execder de 1300 paginas..!");
    // The most pages one run numbers, both ends counted: 1 to 1300 is allowed, 1 to 1301 is
    // 1301 pages and refused, as the message says.
    static constexpr int MaxPages = 1300;

    // What is wrong with numbering from `first` to `last`; nothing when it is fine.
    static std::optional<QString> fault(int first, int last);
    // Tells the user what is wrong; true when the numbering may run.
    static bool check(int first, int last, Prompter &prompter);

    // "Foliando pagina Nº " and the page: what the window shows while the rows are made.
    static QString progressText(int page);
    // Called for each page as its row is made: the page number, and how many rows are done
    // out of how many.
    using Progress = std::function<void(int page, int done, int total)>;

    // Empresa, Libro, Pagina: one row per page number, in order.
    static ReportData rows(const Session &session, const QString &book, int first, int last,
                           const Progress &progress = {});
    // Checks, makes the rows and previews them (destination 0) or only prepares them (any
    // other). Nothing runs after a refusal (ReportOutcome::Failed).
    static ReportOutcome run(const Session &session, ReportOutput &output, const QString &book,
                             int first, int last, const Progress &progress = {},
                             int destination = 0);
};
