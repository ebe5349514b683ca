#include "reports/BookPageNumbering.h"

#include "TrialBalanceBooks.h"
#include "common/report/RecordingReportOutput.h"
#include "platform/report/ReportDocument.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

class BookPageNumberingTest : public ::testing::Test, protected TrialBalanceBooks
{
protected:
    BookPageNumberingTest()
    {
        session.gRutaReporte = QStringLiteral(VALDORIA_SOURCE_DIR "/reportes");
    }
    RecordingReportOutput output;
};

TEST_F(BookPageNumberingTest, AtMost1300PagesAreNumberedAtOnce)
{
    EXPECT_EQ(BookPageNumbering::fault(1, 1300), std::nullopt);
    EXPECT_EQ(BookPageNumbering::fault(1, 1301), // 1301 pages

              "El numero de paginas a foliar no debe execder de 1300 paginas..!");
    EXPECT_EQ(BookPageNumbering::fault(101, 1400), std::nullopt);
    EXPECT_EQ(BookPageNumbering::fault(100, 1400), "El numero de paginas a foliar no debe "
                                                   "execder de 1300 paginas..!");
    EXPECT_EQ(BookPageNumbering::fault(7, 7), std::nullopt);
    EXPECT_EQ(BookPageNumbering::fault(8, 7),
              "Numero final debe se mayor o igual al numero inicial..!");
    EXPECT_EQ(BookPageNumbering::fault(0, 2147483647),
              "El numero de paginas a foliar no debe execder de 1300 paginas..!");

    // Refused: told, and nothing is laid out.
    EXPECT_EQ(BookPageNumbering::run(session, output, "Diario", 1, 1301), ReportOutcome::Failed);
    EXPECT_EQ(prompter.lastText(),
              "El numero de paginas a foliar no debe execder de 1300 paginas..!");
    EXPECT_EQ(prompter.messages().back().kind, ScriptedPrompter::Kind::Warning);
    EXPECT_TRUE(output.requests.empty());
}

TEST_F(BookPageNumberingTest, OneRowPerNumberWithItsProgress)
{
    QStringList shown;
    std::vector<std::pair<int, int>> done;
    const ReportData data =
        BookPageNumbering::rows(session, "Libro Mayor", 41, 43, [&](int page, int n, int total) {
            shown << BookPageNumbering::progressText(page);
            done.emplace_back(n, total);
        });
    EXPECT_EQ(data.columns(), QStringList({"Empresa", "Libro", "Pagina"}));
    ASSERT_EQ(data.rowCount(), 3);
    EXPECT_EQ(data.row(0), QVariantList({"Distribuidora Alfa, C.A.", "Libro Mayor", 41}));
    EXPECT_EQ(data.row(2)[2].toInt(), 43);
    EXPECT_EQ(shown, QStringList({"Foliando pagina Nº 41", "Foliando pagina Nº 42",
                                  "Foliando pagina Nº 43"}));
    EXPECT_EQ(done, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    // The whole allowed span, without a statement.
    EXPECT_EQ(BookPageNumbering::rows(session, "Diario", 1, 1300).rowCount(), 1300);
}

TEST_F(BookPageNumberingTest, EachNumberIsAPageOfItsOwn)
{
    ASSERT_EQ(BookPageNumbering::run(session, output, "Libro Diario", 3, 7),
              ReportOutcome::Previewed)
        << prompter.lastText().toStdString();
    ASSERT_EQ(output.requests.size(), 1u);
    EXPECT_EQ(output.requests[0].title, "Foliado de Libros");
    const ReportDocument &document = *output.requests[0].document;
    ASSERT_EQ(document.pageCount(), 5);
    for (int p = 0; p < 5; ++p) {
        const QStringList text = document.pageText(p);
        EXPECT_EQ(text, QStringList({"Distribuidora Alfa, C.A.", "Libro Diario",
                                     QStringLiteral("Folio Nº %1").arg(p + 3)}))
            << text.join('\n').toStdString();
    }
}

} // namespace
