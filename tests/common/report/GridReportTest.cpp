#include "common/report/GridReport.h"
#include "RecordingReportOutput.h"
#include "common/report/PrintGrid.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"

#include <QStandardItemModel>
#include <gtest/gtest.h>

namespace {

const QDateTime printedAt(QDate(2024, 3, 5), QTime(9, 7));

// A grid as the windows fill it: code, name, a hidden flag, and an amount already formatted.
std::unique_ptr<QStandardItemModel> accounts(int rows, int extraColumns = 0)
{
    auto model = std::make_unique<QStandardItemModel>(rows, 4 + extraColumns);
    QStringList headers{"Código", "Nombre", "~HDN1", "Saldo"};
    for (int e = 0; e < extraColumns; ++e)
        headers << QStringLiteral("Columna adicional %1").arg(e + 1);
    model->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < rows; ++r) {
        model->setItem(r, 0,
                       new QStandardItem(QStringLiteral("1101%1").arg(r, 2, 10, QLatin1Char('0'))));
        model->setItem(r, 1, new QStandardItem(QStringLiteral("Cuenta %1").arg(r)));
        model->setItem(r, 2, new QStandardItem(QStringLiteral("1")));
        auto *amount = new QStandardItem(QStringLiteral("%1,00").arg(r * 10));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model->setItem(r, 3, amount);
        for (int e = 0; e < extraColumns; ++e)
            model->setItem(
                r, 4 + e, new QStandardItem(QStringLiteral("texto largo de la columna %1").arg(e)));
    }
    return model;
}

TEST(GridReport, HeadsEveryPageAsTheGridsAlwaysPrinted)
{
    const auto model = accounts(70);
    const auto document = GridReport::build(*model, {2}, "Cuentas contables", printedAt);
    ASSERT_EQ(document->pageCount(), 2);
    for (int p = 0; p < 2; ++p) {
        const QStringList text = document->pageText(p);
        EXPECT_EQ(text[0], "Fecha: 05-03-2024");
        EXPECT_EQ(text[1], "Hora:  09:07 AM");
        EXPECT_EQ(text[2], QStringLiteral("CUENTAS CONTABLES | Pág:    %1").arg(p + 1));
        EXPECT_EQ(text[3], "Código | Nombre | Saldo") << "column headers on every page";
    }
    EXPECT_EQ(document->pageText(0)[4], "110100 | Cuenta 0 | 0,00");
    EXPECT_EQ(document->pageText(1).last(), "110169 | Cuenta 69 | 690,00");
}

TEST(GridReport, KeepsTheGridsAlignmentAndDrawsNoLines)
{
    const auto model = accounts(3);
    const auto document = GridReport::build(*model, {2}, "Cuentas", printedAt);
    int lines = 0;
    for (const DrawItem &item : document->page(0).items) {
        lines += item.kind == DrawItem::Kind::Line;
        if (item.text == "20,00") {
            EXPECT_TRUE(item.alignment & Qt::AlignRight);
        }
        if (item.text == "Cuenta 2") {
            EXPECT_TRUE(item.alignment & Qt::AlignLeft);
        }
    }
    EXPECT_EQ(lines, 0);
    EXPECT_EQ(document->pageSetup().orientation, ReportOrientation::Portrait);
    EXPECT_DOUBLE_EQ(document->pageSetup().margins.left(), 12.7);
}

TEST(GridReport, AWideGridTurnsTheSheet)
{
    const auto model = accounts(3, 4);
    const auto document = GridReport::build(*model, {}, "Cuentas", printedAt);
    EXPECT_EQ(document->pageSetup().orientation, ReportOrientation::Landscape);
    qreal right = 0;
    for (const DrawItem &item : document->page(0).items)
        right = std::max(right, item.rect.right());
    EXPECT_LE(right, document->pageSetup().paperSize().width() - 12.7 + 1e-6);
}

TEST(PrintGrid, GoesToTheDefaultPrinterOrSaysThereIsNone)
{
    const auto model = accounts(3);
    RecordingReportOutput output;
    ScriptedPrompter prompter;
    EXPECT_TRUE(PrintGrid(output, prompter, *model, {2}, "Cuentas"));
    ASSERT_EQ(output.requests.size(), 1u);
    EXPECT_EQ(output.requests[0].kind, RecordingReportOutput::Request::Kind::Print);
    EXPECT_EQ(output.requests[0].printer, "");
    EXPECT_EQ(output.requests[0].document->pageText(0)[2].left(7), "CUENTAS");

    output.hasPrinter = false;
    EXPECT_FALSE(PrintGrid(output, prompter, *model, {2}, "Cuentas"));
    EXPECT_EQ(output.requests.size(), 1u);
    EXPECT_EQ(prompter.lastText(),
              "No hay impresora instalada. Instale la impresora e intente de nuevo...!");
}

} // namespace
