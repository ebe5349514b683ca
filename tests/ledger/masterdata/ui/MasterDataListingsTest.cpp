#include "ledger/masterdata/ConceptMaintenance.h"
#include "ledger/masterdata/MasterTables.h"
#include "platform/report/ReportDocument.h"

#include "../MasterDataFixture.h"

// Laying out pages needs fonts, hence a test of its own on the widget test main.
namespace {

using Mode = TableMaintenance::Mode;

class MasterDataListings : public MasterDataFixture
{
protected:
    static MasterRecord codeAndName(const QString &code, const QString &name)
    {
        MasterRecord r;
        r.set("Codigo", code);
        r.set("Nombre", name);
        return r;
    }

    static MasterRecord conceptRecord(const QString &code)
    {
        MasterRecord r;
        r.set("Codigo", code);
        r.set("Descripcion", "Honorarios profesionales");
        for (const char *column : {"BasePJ", "BasePN"})
            r.set(column, "90");
        r.set("DeduccionPJ", "0");
        r.set("DeduccionPN", "22,50");
        r.set("PorcentajePJ", "5");
        r.set("PorcentajePN", "3");
        r.set("CuentaRetencionPJ", "240830001");
        r.set("CuentaRetencionPN", "240830002");
        return r;
    }

    QStringList printed(TableMaintenance &service)
    {
        output.requests.clear();
        EXPECT_EQ(service.print(output, QString()), ReportOutcome::Previewed)
            << prompter.lastText().toStdString();
        if (output.requests.empty())
            return {};
        return output.requests.back().document->pageText(0);
    }

    TableMaintenance regimes{session, MasterTables::Regimes()};
    TableMaintenance costCentres{session, MasterTables::CostCentres()};
    TableMaintenance documents{session, MasterTables::Documents()};
    ConceptMaintenance concepts{session};
};

TEST_F(MasterDataListings, CodeTablesUseTheGenericLayoutsAndLeaveOutThePlaceholder)
{
    MasterRecord a = codeAndName("ADM", "ADMINISTRACION");
    ASSERT_TRUE(costCentres.save(a, Mode::New).saved);
    QStringList text = printed(costCentres);
    ASSERT_GE(text.size(), 6);
    EXPECT_TRUE(text.contains("LISTADO DE CENTROS DE COSTOS"));
    EXPECT_TRUE(text.contains("Código | Nombre"));
    EXPECT_TRUE(text.contains("ADM | ADMINISTRACION"));
    EXPECT_FALSE(text.join('\n').contains("NINGUNO"));
    EXPECT_EQ(output.requests.back().title, "Centros de Costos");

    text = printed(regimes);
    EXPECT_TRUE(text.contains("LISTADO DE REGIMEN"));
    EXPECT_TRUE(text.contains("02 | ESPECIAL"));
    EXPECT_TRUE(text.contains("Total de registros: 2"));

    MasterRecord d = codeAndName("NC", "NOTA DE CREDITO");
    d.set("Observacion", "Disminuye la factura");
    ASSERT_TRUE(documents.save(d, Mode::New).saved);
    text = printed(documents);
    EXPECT_TRUE(text.contains("Código | Nombre | Observación"));
    EXPECT_TRUE(text.contains("NC | NOTA DE CREDITO | Disminuye la factura"));
}

TEST_F(MasterDataListings, TheConceptListingShowsTheRetentionRates)
{
    concepts.setLocale(QLocale(QLocale::Spanish, QLocale::Venezuela));
    MasterRecord record = conceptRecord("HONPROF");
    record.set("PorcentajePJ", "2,25");
    ASSERT_TRUE(concepts.save(record, Mode::New).saved);
    ASSERT_EQ(concepts.print(output, "HONPROF"), ReportOutcome::Previewed)
        << prompter.lastText().toStdString();
    const QStringList text = output.requests.back().document->pageText(0);
    EXPECT_TRUE(text.contains("LISTADO DE CONCEPTOS DE RETENCION"));
    EXPECT_TRUE(text.contains("Código | Descripción | % Ret. PJ | % Ret. PN"));
    EXPECT_TRUE(text.contains("HONPROF | Honorarios profesionales | 2,25 % | 3,00 %"));
}

} // namespace
