// Lays out and exports a long listing: 10,000 movements on 200 pages.
//   report_bench --benchmark_min_time=1
#include "platform/report/LayoutReader.h"
#include "platform/report/PdfExport.h"
#include "platform/report/ReportDocument.h"

#include <QBuffer>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// Code, date, description and two amounts, under the heading every listing carries.
const char *const Listing = R"(<report version="1">
  <page size="letter" orientation="portrait" left="15" top="12" right="15" bottom="12"/>
  <font name="normal" size="8"/>
  <font name="titulo" size="13" bold="true"/>
  <font name="negrita" size="8" bold="true"/>
  <pageHeader height="22">
    <field x="0" y="0" width="120" height="5.5" name="NombreEmpresa" font="negrita"/>
    <printDate x="136" y="0" width="49.9" height="4" align="right" prefix="Fecha: "/>
    <text x="0" y="10" width="185.9" height="7" font="titulo" align="center">MOVIMIENTOS</text>
    <line x1="0" y1="20.5" x2="185.9" y2="20.5" width="0.5"/>
  </pageHeader>
  <columnHeader height="6">
    <text x="0" y="0" width="24" height="5" font="negrita">Cuenta</text>
    <text x="25" y="0" width="20" height="5" font="negrita">Fecha</text>
    <text x="46" y="0" width="76" height="5" font="negrita">Descripción</text>
    <text x="123" y="0" width="31" height="5" font="negrita" align="right">Debe</text>
    <text x="155" y="0" width="30.9" height="5" font="negrita" align="right">Haber</text>
    <line x1="0" y1="5.5" x2="185.9" y2="5.5" width="0.3"/>
  </columnHeader>
  <detail height="4.35">
    <field x="0" y="0" width="24" height="4.35" name="Cuenta"/>
    <field x="25" y="0" width="20" height="4.35" name="Fecha" format="date"/>
    <field x="46" y="0" width="76" height="4.35" name="Descripcion"/>
    <field x="123" y="0" width="31" height="4.35" name="Debe" format="amount" blankZero="true" align="right"/>
    <field x="155" y="0" width="30.9" height="4.35" name="Haber" format="amount" blankZero="true" align="right"/>
  </detail>
  <summary height="8">
    <sum x="123" y="1" width="31" height="5" field="Debe" font="negrita" align="right"/>
    <sum x="155" y="1" width="30.9" height="5" field="Haber" font="negrita" align="right"/>
  </summary>
  <pageFooter height="8">
    <sum x="123" y="1" width="31" height="4" field="Debe" scope="running" align="right"/>
    <sum x="155" y="1" width="30.9" height="4" field="Haber" scope="running" align="right"/>
    <pageOfPages x="0" y="1" width="60" height="4" prefix="Pág: "/>
  </pageFooter>
</report>)";

// Deterministic movements: the same book on every run.
ReportData movements(int count)
{
    std::vector<QVariantList> rows;
    rows.reserve(size_t(count));
    quint64 seed = 20240315;
    for (int i = 0; i < count; ++i) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        const qlonglong amount = qlonglong(seed >> 40) % 50'000'000;
        const bool debit = (seed >> 13) & 1;
        rows.push_back({QStringLiteral("1101%1").arg(int(seed >> 50) % 90 + 10),
                        QDate(2024, 1, 1).addDays(i % 366),
                        QStringLiteral("Pago de factura %1 según comprobante").arg(100000 + i),
                        debit ? amount : 0, debit ? 0 : amount});
    }
    ReportData data({"Cuenta", "Fecha", "Descripcion", "Debe", "Haber"}, std::move(rows));
    data.setParameter("NombreEmpresa", QStringLiteral("Distribuidora El Ávila, C.A."));
    return data;
}

ReportDocument listing(const ReportData &data)
{
    ReportDocument document(LayoutReader::readText(Listing, "movimientos.rpt"), data);
    document.setLocale(QLocale(QLocale::Spanish, QLocale::Venezuela));
    return document;
}

void LayOut(benchmark::State &state)
{
    const ReportData data = movements(int(state.range(0)));
    int pages = 0;
    for (auto _ : state) {
        const ReportDocument document = listing(data);
        pages = document.pageCount();
    }
    state.counters["pages"] = pages;
}

void LayOutAndExportPdf(benchmark::State &state)
{
    const ReportData data = movements(int(state.range(0)));
    int pages = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        const ReportDocument document = listing(data);
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        PdfExport::write(document, buffer);
        pages = document.pageCount();
        bytes = pdf.size();
    }
    state.counters["pages"] = pages;
    state.counters["pdf_kb"] = double(bytes) / 1024;
}

BENCHMARK(LayOut)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(LayOutAndExportPdf)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
