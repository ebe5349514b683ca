#pragma once

// Layouts and rows shared by the report engine's tests.
#include "platform/report/LayoutReader.h"
#include "platform/report/ReportData.h"
#include "platform/report/ReportDocument.h"

#include <QDateTime>
#include <QLocale>

namespace fixtures {

inline QString layoutPath(const QString &name)
{
    return QStringLiteral(VALDORIA_REPORT_TEST_DIR "/layouts/") + name;
}

// A layout from its bands alone: letter paper, 10 mm margins at the top and 9.4 mm at the
// bottom, so that the sheet holds exactly 260 mm between them.
inline ReportLayout layoutOf(const QString &bands)
{
    const QString xml = QStringLiteral("<report version=\"1\"><page size=\"letter\" left=\"10\" "
                                       "top=\"10\" right=\"10\" bottom=\"9.4\"/>") +
                        bands + QStringLiteral("</report>");
    return LayoutReader::readText(xml.toUtf8(), QStringLiteral("prueba.rpt"));
}

inline const QDateTime &printedAt()
{
    static const QDateTime when(QDate(2024, 3, 15), QTime(16, 5));
    return when;
}

inline ReportDocument documentOf(ReportLayout layout, ReportData data)
{
    ReportDocument document(std::move(layout), std::move(data));
    document.setPrintedAt(printedAt());
    document.setLocale(QLocale(QLocale::Spanish, QLocale::Venezuela));
    return document;
}

// Movements of a general ledger: `perAccount` rows for each of `accounts` accounts; row i of
// an account debits i units and credits half as many, to the thousandth.
inline ReportData ledgerRows(int accounts, int perAccount)
{
    std::vector<QVariantList> rows;
    for (int a = 0; a < accounts; ++a) {
        for (int i = 1; i <= perAccount; ++i) {
            const qlonglong debit = i % 3 == 0 ? 0 : qlonglong(i) * 1'000'125;
            const qlonglong credit = i % 3 == 0 ? qlonglong(i) * 500'000 : 0;
            rows.push_back({QStringLiteral("1101%1").arg(a + 1, 2, 10, QLatin1Char('0')),
                            QStringLiteral("Cuenta número %1").arg(a + 1),
                            QDate(2024, 3, 1).addDays(i % 28), QStringLiteral("CD-%1").arg(i),
                            QStringLiteral("Movimiento %1 de la cuenta %2").arg(i).arg(a + 1),
                            debit, credit});
        }
    }
    ReportData data(
        {"Cuenta", "NombreCuenta", "Fecha", "Comprobante", "Descripcion", "Debe", "Haber"},
        std::move(rows));
    data.setParameter(QStringLiteral("NombreEmpresa"),
                      QStringLiteral("Distribuidora El Ávila, C.A."));
    data.setParameter(QStringLiteral("NombreIDEmpresa"), QStringLiteral("RIF J-30123456-7"));
    data.setParameter(QStringLiteral("NombreUsuario"), QStringLiteral("María Pérez"));
    return data;
}

} // namespace fixtures
