#include "common/report/ReportHeading.h"
#include "common/Session.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

Session sessionOfTheAvila()
{
    Session s;
    s.gNombreEmpresa = QStringLiteral("Distribuidora El Ávila, C.A.");
    s.gNombreMatriz = QStringLiteral("Grupo Ávila");
    s.gDireccionEmpresa = QStringLiteral("Av. Francisco de Miranda, Caracas");
    s.gCiudadEmpresa = QStringLiteral("Caracas");
    s.gTelefonoEmpresa = QStringLiteral("0212-555.12.34");
    s.gNombreIDEmpresa = QStringLiteral("RIF J-30123456-7");
    s.gUsuario = QStringLiteral("MPEREZ");
    s.gNombreUsuario = QStringLiteral("María Pérez");
    return s;
}

TEST(ReportHeading, NamesEveryHeadingLineFromTheSession)
{
    const auto values = ReportHeadingValues(sessionOfTheAvila());
    QStringList pairs;
    for (const ReportValue &v : values)
        pairs << v.name + "=" + v.value.toString();
    EXPECT_EQ(
        pairs,
        QStringList({"NombreEmpresa=Distribuidora El Ávila, C.A.", "NombreMatriz=Grupo Ávila",
                     "DireccionEmpresa=Av. Francisco de Miranda, Caracas", "CiudadEmpresa=Caracas",
                     "TelefonoEmpresa=0212-555.12.34", "NombreIDEmpresa=RIF J-30123456-7",
                     "Usuario=MPEREZ", "NombreUsuario=María Pérez"}));
}

TEST(ReportHeading, OpensAListingStatementOnEitherEngine)
{
    TestDatabase database(TestDatabase::Content::Empty);
    const Session session = sessionOfTheAvila();
    QVariantList values = ReportHeadingParameters(session);
    values << QStringLiteral("O'Leary");
    const auto rows = database.db().rows(
        "SELECT " + ReportHeadingColumns() + ", CAST(? AS TEXT) AS Nombre", values);
    ASSERT_EQ(rows.size(), 1u);
    const QSqlRecord &row = rows.front();
    ASSERT_EQ(row.count(), 9);
    // PostgreSQL hands the names back in lower case; the layouts find them either way.
    EXPECT_EQ(row.fieldName(0).toLower(), "nombreempresa");
    EXPECT_EQ(row.fieldName(7).toLower(), "nombreusuario");
    EXPECT_EQ(row.value(0).toString(), "Distribuidora El Ávila, C.A.");
    EXPECT_EQ(row.value(5).toString(), "RIF J-30123456-7");
    EXPECT_EQ(row.value(8).toString(), "O'Leary");
}

} // namespace
