#include "app/cli/ReportCommand.h"

#include "reports/AuxiliaryBooks.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class AuxiliaryBookCommandTest : public ::testing::Test, protected AuxiliaryBooks
{
protected:
    AuxiliaryBookCommandTest() { postPurchases(); }

    int run(const QStringList &arguments)
    {
        QCommandLineParser parser;
        parser.addOptions(ReportCommand::options());
        EXPECT_TRUE(parser.parse(QStringList{"valdoria-cli"} + arguments))
            << parser.errorText().toStdString();
        QTextStream out(&output);
        QTextStream err(&errors);
        const auto request = ReportCommand::parse(parser, err);
        return request ? ReportCommand::Run(db(), *request, out, err) : 2;
    }
    QStringList csvLines(const QString &path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir dir;
    QString output, errors;
};

TEST_F(AuxiliaryBookCommandTest, TheBookOfAMonthWithItsRangesAsCsvAndPdf)
{
    const QString csv = dir.filePath("auxiliar.csv");
    ASSERT_EQ(run({"report", "libro-auxiliar", "--company", "E01", "--consolidated", "--month",
                   "3", "--year", "2025", "--from", "2", "--to", "49", "--party-from", "J-1",
                   "--party-to", "V-9", "--csv", csv}),
              0)
        << errors.toStdString();
    const QStringList lines = csvLines(csv);
    ASSERT_EQ(lines.size(), 4) << lines.join('\n').toStdString();
    const QStringList header = lines[0].split(';');
    EXPECT_EQ(header.value(8), "TipoComprobante");
    EXPECT_EQ(header.last(), "Consolidado");
    QStringList pairs;
    for (const QString &line : lines.mid(1)) {
        const QStringList f = line.split(';');
        pairs << f.value(13) + "/" + f.value(19) + " " + f.value(23) + " " + f.value(24);
    }
    EXPECT_EQ(pairs, QStringList({"210101001/J-1 400.00 0.00", "210101001/J-2 0.00 0.00",
                                  "410101001/V-3 0.00 900.00"}));

    const QString pdf = dir.filePath("auxiliar.pdf");
    ASSERT_EQ(run({"report", "libro-auxiliar", "--company", "E01", "--month", "3", "--year",
                   "2025", "--pdf", pdf}),
              0)
        << errors.toStdString();
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(AuxiliaryBookCommandTest, BalancesByThirdPartyAndWhatTheCommandRefuses)
{
    const QString csv = dir.filePath("saldos.csv");
    ASSERT_EQ(run({"report", "saldos-terceros", "--company", "E01", "--month", "3", "--year",
                   "2025", "--csv", csv}),
              0)
        << errors.toStdString();
    EXPECT_EQ(csvLines(csv).value(3).split(';').mid(10, 5),
              QStringList({"J-1", "Suministros Uno, C.A.", "-1000.00", "400.00", "0.00"}));

    EXPECT_EQ(run({"report", "libro-auxiliar", "--company", "E01", "--month", "3", "--year",
                   "2025", "--party-from", "J-1", "--csv", csv}),
              2);
    EXPECT_TRUE(errors.contains("--party-from y --party-to")) << errors.toStdString();
    EXPECT_EQ(run({"report", "saldos-terceros", "--company", "E01", "--month", "3", "--year",
                   "2025", "--level", "2", "--csv", csv}),
              2);
}

} // namespace
