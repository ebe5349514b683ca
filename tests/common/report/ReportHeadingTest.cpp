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
    s.gNombreIDEmpresa = QStringLiteral("RIF");
    s.gEmpresa = QStringLiteral("J-30123456-7");
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
                     "TelefonoEmpresa=0212-555.12.34", "NombreIDEmpresa=RIF",
                     "Usuario=MPEREZ", "NombreUsuario=María Pérez"}));
    // The layouts also get the identification line; the listing columns stay the eight.
    const auto layout = ReportLayoutValues(sessionOfTheAvila());
    ASSERT_EQ(layout.size(), values.size() + 1);
    EXPECT_EQ(layout.back().name, "IdentificacionEmpresa");
    EXPECT_EQ(layout.back().value.toString(), "RIF J-30123456-7");
}

// The parameters window keeps only the identifier's name ("RIF"); the number is the company's
// code, so that a heading never prints the name alone.
TEST(ReportHeading, TheIdentificationLineJoinsTheIdentifiersNameAndTheCompanysCode)
{
    EXPECT_EQ(CompanyIdentification("RIF", "J-40123456-9"), "RIF J-40123456-9");
    EXPECT_EQ(CompanyIdentification(" RIF ", " J-40123456-9 "), "RIF J-40123456-9");
    EXPECT_EQ(CompanyIdentification("", "J-40123456-9"), "J-40123456-9");
    EXPECT_EQ(CompanyIdentification("RIF", ""), "RIF");
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
    EXPECT_EQ(row.value(5).toString(), "RIF");
    EXPECT_EQ(row.value(8).toString(), "O'Leary");
}

} // namespace
