#include "shell/admin/CompanyAdmin.h"

#include "AdminFixture.h"
#include "common/report/RecordingReportOutput.h"
#include "platform/report/ReportData.h"
#include "shell/ExternalSystemLogin.h"
#include "shell/admin/CompanyPictures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

using Result = CompanyAdmin::Result;
using Company = CompanyAdmin::Company;

class CompanyAdminTest : public AdminFixture
{
protected:
    CompanyAdminTest()
    {
        for (const char *type : {"001", "002"})
            db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre) VALUES (?, ?)",
                      {type, QString("TIPO ") + type});
        db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, Consolidacion) "
                  "VALUES ('1103', 'CUENTAS POR COBRAR SUCURSALES', 1), "
                  "('1101', 'CAJA', 0)");
    }

    static Company headOffice(const QString &code, int month = 12, bool withholds = true)
    {
        Company c;
        c.codigo = code;
        c.nombre = "EMPRESA " + code;
        c.tipo = 1;
        c.mes = month;
        c.agenteRetencion = withholds;
        c.direccion = "AV. BOLIVAR";
        return c;
    }
    static Company branch(const QString &code, const QString &head)
    {
        Company c = headOffice(code, 3, false);
        c.tipo = 0;
        c.codigoMatriz = head;
        c.cuentaPorCobrar = "1103";
        return c;
    }
    QString picture(const char *format)
    {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        const QString file = dir.filePath(QString("imagen.") + format);
        image.save(file, format);
        return file;
    }
    int rowsOf(const QString &table, const QString &company)
    {
        return count(QString("SELECT COUNT(*) FROM %1 WHERE Empresa = ?").arg(table), {company});
    }

    QTemporaryDir dir;
    CompanyAdmin admin{session, CompanyAdmin::NodeCode, QDate(2026, 3, 15)};
};

TEST(LastClosedYear, IsTheYearTheLastFiscalYearBeforeTodayEnded)
{
    EXPECT_EQ(CompanyAdmin::LastClosedYear(12, QDate(2026, 3, 15)), 2025);
    EXPECT_EQ(CompanyAdmin::LastClosedYear(12, QDate(2026, 12, 31)), 2025);
    EXPECT_EQ(CompanyAdmin::LastClosedYear(6, QDate(2026, 6, 30)), 2025);
    EXPECT_EQ(CompanyAdmin::LastClosedYear(6, QDate(2026, 7, 1)), 2026);
    EXPECT_EQ(CompanyAdmin::LastClosedYear(1, QDate(2026, 2, 1)), 2026);
}

TEST_F(CompanyAdminTest, ANewHeadOfficeIsBornWithItsYearCountersAndDefaultAsset)
{
    EXPECT_EQ(admin.create(headOffice(" M1 ")), Result::Saved);
    const Company m1 = *admin.company("M1");
    EXPECT_EQ(m1.codigoMatriz, "M1");
    EXPECT_EQ(m1.ano, 2025); // so that the fiscal year 2026 is open
    EXPECT_TRUE(m1.agenteRetencion);

    const auto period = db().rows("SELECT Matriz, Ano, Enero + Febrero + Marzo + Abril + Mayo + "
                                  "Junio + Julio + Agosto + Septiembre + Octubre + Noviembre + "
                                  "Diciembre FROM PERIODO WHERE Empresa = 'M1'");
    ASSERT_EQ(period.size(), 1u);
    EXPECT_EQ(period[0].value(0).toString(), "M1");
    EXPECT_EQ(period[0].value(1).toInt(), 2026);
    EXPECT_EQ(period[0].value(2).toInt(), 0);

    EXPECT_EQ(rowsOf("CORRCOMPROBANTE", "M1"), count("SELECT COUNT(*) FROM COMPROBANTE"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM CORRCOMPROBANTE WHERE Empresa = 'M1' AND Ano = 2026 "
                    "AND Matriz = 'M1' AND Enero = 0 AND NumeroContinuo = 0"),
              count("SELECT COUNT(*) FROM COMPROBANTE"));
    const auto asset = db().rows("SELECT Serial, TipoActivo, CodigoCategoria, Marca, "
                                 "Descripcion, FechaAdq FROM ACTIVOFIJO WHERE Empresa = 'M1'");
    ASSERT_EQ(asset.size(), 1u);
    EXPECT_EQ(asset[0].value(0).toString(), "*");
    EXPECT_EQ(asset[0].value(1).toString(), "*");
    EXPECT_EQ(asset[0].value(2).toInt(), 0);
    EXPECT_EQ(asset[0].value(3).toString(), "DEFECTO");
    EXPECT_EQ(asset[0].value(4).toString(), "DEFECTO");
    EXPECT_EQ(asset[0].value(5).toDate(), QDate(2026, 3, 15));
}

TEST_F(CompanyAdminTest, BranchChecksStopAtTheFirstFailureAndWriteNothing)
{
    ASSERT_EQ(admin.create(headOffice("M1")), Result::Saved);
    const int companies = count("SELECT COUNT(*) FROM EMPRESA");
    Company s = branch("S1", "");
    EXPECT_EQ(admin.create(s), Result::NoHeadOffice);
    EXPECT_EQ(prompter.lastText(), "Debe seleccionar la empresa matriz de la sucursal");
    EXPECT_EQ(prompter.messages().back().kind, ScriptedPrompter::Kind::Info);
    s.codigoMatriz = "NOEXISTE";
    EXPECT_EQ(admin.create(s), Result::NoHeadOffice);
    s = branch("M1", "M1");
    EXPECT_EQ(admin.create(s), Result::SameAsHeadOffice);
    EXPECT_EQ(prompter.lastText(), "Empresa sucursal no debe ser igual a la empresa matriz");
    s = branch("S1", "M1");
    s.cuentaPorCobrar = "1101"; // exists, but is no consolidation account
    EXPECT_EQ(admin.create(s), Result::InvalidAccount);
    EXPECT_EQ(prompter.lastText(), "Seleccione una cuenta por cobrar valida para la sucursal...!");
    EXPECT_EQ(admin.failedField(), CompanyAdmin::Field::CuentaPorCobrar);
    EXPECT_EQ(count("SELECT COUNT(*) FROM EMPRESA"), companies);
    EXPECT_EQ(rowsOf("PERIODO", "S1"), 0);

    EXPECT_EQ(admin.create(headOffice("m1")), Result::Saved); // codes are compared as text
    EXPECT_EQ(admin.create(headOffice("M1")), Result::Duplicate);
    EXPECT_EQ(prompter.lastText(), "Registro duplicado!");
}

TEST_F(CompanyAdminTest, BranchesTakeTheirHeadOfficesMonthAndWithholdingAndFollowIt)
{
    ASSERT_EQ(admin.create(headOffice("M1", 9, true)), Result::Saved);
    EXPECT_EQ(admin.create(branch("S1", "M1")), Result::Saved);
    const Company s1 = *admin.company("S1");
    EXPECT_EQ(s1.codigoMatriz, "M1");
    EXPECT_EQ(s1.mes, 9);
    EXPECT_TRUE(s1.agenteRetencion);
    EXPECT_EQ(s1.ano, 2025);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PERIODO WHERE Empresa = 'S1' AND Matriz = 'M1'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM ACTIVOFIJO WHERE Empresa = 'S1' AND Matriz = 'M1'"), 1);
    ASSERT_EQ(admin.create(branch("S2", "M1")), Result::Saved);
    ASSERT_EQ(admin.create(headOffice("M2", 12, true)), Result::Saved);
    ASSERT_EQ(admin.create(branch("T1", "M2")), Result::Saved);

    Company m1 = *admin.company("M1");
    m1.mes = 6;
    m1.agenteRetencion = false;
    m1.nombre = "EMPRESA M1 RENOMBRADA";
    EXPECT_EQ(admin.modify(m1), Result::Saved);
    for (const char *code : {"S1", "S2"}) {
        EXPECT_EQ(admin.company(code)->mes, 6) << code;
        EXPECT_FALSE(admin.company(code)->agenteRetencion) << code;
    }
    EXPECT_EQ(admin.company("T1")->mes, 12);
    EXPECT_TRUE(admin.company("T1")->agenteRetencion);
    EXPECT_EQ(admin.company("S1")->nombreMatriz, "EMPRESA M1 RENOMBRADA");

    // A branch cannot set them on its own.
    Company own = *admin.company("S1");
    own.mes = 1;
    own.agenteRetencion = true;
    EXPECT_EQ(admin.modify(own), Result::Saved);
    EXPECT_EQ(admin.company("S1")->mes, 6);
    EXPECT_FALSE(admin.company("S1")->agenteRetencion);
}

TEST_F(CompanyAdminTest, AHeadOfficeWithBranchesCannotBecomeABranch)
{
    ASSERT_EQ(admin.create(headOffice("M1")), Result::Saved);
    ASSERT_EQ(admin.create(headOffice("M2")), Result::Saved);
    ASSERT_EQ(admin.create(branch("S1", "M1")), Result::Saved);
    Company m1 = *admin.company("M1");
    m1.tipo = 0;
    m1.codigoMatriz = "M2";
    m1.cuentaPorCobrar = "1103";
    EXPECT_EQ(admin.modify(m1), Result::HasBranches);
    EXPECT_EQ(admin.company("M1")->tipo, 1);

    // Without branches and without books it may, and its assignments follow it to the new
    // head office.
    Fixtures::addCompany(db(), "M3", "EMPRESA M3");
    Fixtures::assignCompany(db(), "ANA", "M3", "M3");
    Company m3 = *admin.company("M3");
    m3.tipo = 0;
    m3.codigoMatriz = "M1";
    m3.cuentaPorCobrar = "1103";
    EXPECT_EQ(admin.modify(m3), Result::Saved);
    EXPECT_EQ(admin.company("M3")->codigoMatriz, "M1");
    EXPECT_EQ(count("SELECT COUNT(*) FROM USUARIOEMPRESA WHERE Empresa = 'M3' AND Matriz = 'M1'"),
              1);
}

TEST_F(CompanyAdminTest, ACompanyWithRowsUnderItsKeyKeepsItsTypeAndHeadOffice)
{
    ASSERT_EQ(admin.create(headOffice("M1")), Result::Saved);
    ASSERT_EQ(admin.create(headOffice("M2")), Result::Saved);
    // A branch that was never given a row of its own, then one row at a time.
    Fixtures::addCompany(db(), "S1", "SUCURSAL S1", "M1");
    const QStringList rows{
        "INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, Usuario, "
        "Linea, Cuenta, Fecha) VALUES ('S1', 'M1', '001', '1', 'ANA', 1, '1101', '2026-03-02')",
        "INSERT INTO REGISTRO (Usuario, UsuarioCreador, Empresa, Matriz, TipoComprobante, Linea, "
        "Cuenta, Fecha) VALUES ('ANA', 'ANA', 'S1', 'M1', '001', 1, '1101', '2026-03-02')",
        "INSERT INTO PERIODO (Empresa, Matriz, Ano) VALUES ('S1', 'M1', 2026)",
        "INSERT INTO CORRCOMPROBANTE (CodigoComprobante, Empresa, Matriz, Ano) "
        "VALUES ('001', 'S1', 'M1', 2026)",
        "INSERT INTO ACTIVOFIJO (Serial, Empresa, Matriz, TipoActivo, CodigoCategoria) "
        "VALUES ('*', 'S1', 'M1', '*', 0)",
    };
    for (const QString &insert : rows) {
        SCOPED_TRACE(insert.section(' ', 2, 2).toStdString());
        db().exec(insert);
        Company moved = *admin.company("S1");
        moved.codigoMatriz = "M2";
        moved.cuentaPorCobrar = "1103";
        moved.nombre = "SUCURSAL S1 EN M2";
        EXPECT_EQ(admin.modify(moved), Result::HasBooks);
        EXPECT_EQ(prompter.lastText(), CompanyAdmin::HasBooksText);
        EXPECT_EQ(admin.failedField(), CompanyAdmin::Field::Matriz);
        Company promoted = *admin.company("S1");
        promoted.tipo = 1;
        EXPECT_EQ(admin.modify(promoted), Result::HasBooks);
        EXPECT_EQ(admin.failedField(), CompanyAdmin::Field::Tipo);
        // Nothing was written, not even the fields that were allowed to change.
        const Company s1 = *admin.company("S1");
        EXPECT_EQ(s1.tipo, 0);
        EXPECT_EQ(s1.codigoMatriz, "M1");
        EXPECT_EQ(s1.nombre, "SUCURSAL S1");
        db().exec(QString("DELETE FROM %1 WHERE Empresa = 'S1'").arg(insert.section(' ', 2, 2)));
    }

    // A head office with the rows it was born with stays one as well.
    Company m2 = *admin.company("M2");
    m2.tipo = 0;
    m2.codigoMatriz = "M1";
    m2.cuentaPorCobrar = "1103";
    EXPECT_EQ(admin.modify(m2), Result::HasBooks);
    EXPECT_EQ(admin.company("M2")->tipo, 1);

    // Everything else about a company with books may still change.
    Company m1 = *admin.company("M1");
    m1.nombre = "EMPRESA M1 C.A.";
    EXPECT_EQ(admin.modify(m1), Result::Saved);
    EXPECT_EQ(admin.company("M1")->nombre, "EMPRESA M1 C.A.");
}

TEST_F(CompanyAdminTest, DeletingAHeadOfficeWithBranchesDeletesNothing)
{
    ASSERT_EQ(admin.create(headOffice("M1")), Result::Saved);
    ASSERT_EQ(admin.create(branch("S1", "M1")), Result::Saved);
    const int before = count("SELECT COUNT(*) FROM EMPRESA");
    EXPECT_EQ(admin.remove("M1"), Result::HasBranches);
    EXPECT_EQ(count("SELECT COUNT(*) FROM EMPRESA"), before);
    EXPECT_EQ(rowsOf("PERIODO", "M1"), 1);

    EXPECT_EQ(admin.remove("S1"), Result::Deleted);
    EXPECT_EQ(
        rowsOf("PERIODO", "S1") + rowsOf("CORRCOMPROBANTE", "S1") + rowsOf("ACTIVOFIJO", "S1"), 0);
    EXPECT_EQ(admin.create(branch("S1", "M1")), Result::Saved); // the code is free again
    EXPECT_EQ(admin.remove("M1"), Result::HasBranches);
}

TEST_F(CompanyAdminTest, ACompanyWithBooksIsNotDeleted)
{
    ASSERT_EQ(admin.create(headOffice("M1")), Result::Saved);
    db().exec("INSERT INTO REGISTRO (Usuario, UsuarioCreador, Empresa, Matriz, "
              "TipoComprobante, Linea, Cuenta, Fecha) "
              "VALUES ('ANA', 'ANA', 'M1', 'M1', '001', 1, '1101', ?)",
              {QDate(2026, 3, 2)});
    EXPECT_EQ(admin.remove("M1"), Result::HasMovements);
    EXPECT_TRUE(admin.company("M1"));
}

TEST_F(CompanyAdminTest, OtherSystemsPasswordsAreWrittenScrambledAndReadOnlyToConnect)
{
    Company m1 = headOffice("M1");
    m1.passwordOrvan = "Orvan#2026";
    m1.passwordNomina = "nomina";
    ASSERT_EQ(admin.create(m1), Result::Saved);
    db().exec("UPDATE EMPRESA SET ServidorOrvan = 'srv-ventas', UsuarioOrvan = 'contable', "
              "BaseDatosOrvan = 'ventas' WHERE Codigo = 'M1'");
    const QString stored =
        db().scalar("SELECT PasswordOrvan FROM EMPRESA WHERE Codigo = 'M1'").toString();
    EXPECT_NE(stored, "Orvan#2026");

    // Only the interfaces' reader gives the password back, in clear.
    const auto orvan =
        ExternalSystemLogin::Read(db(), "M1", "M1", ExternalSystemLogin::System::Comercial);
    ASSERT_TRUE(orvan);
    EXPECT_EQ(orvan->server, "srv-ventas");
    EXPECT_EQ(orvan->database, "ventas");
    EXPECT_EQ(orvan->user, "contable");
    EXPECT_EQ(orvan->password, "Orvan#2026");
    EXPECT_EQ(
        ExternalSystemLogin::Read(db(), "M1", "M1", ExternalSystemLogin::System::Nomina)->password,
        "nomina");
    EXPECT_FALSE(
        ExternalSystemLogin::Read(db(), "M1", "OTRA", ExternalSystemLogin::System::Nomina));

    // The maintenance reads whether one is stored, not what it is; saving what it read keeps
    // both, and only a password typed again (even an empty one) replaces it.
    Company read = *admin.company("M1");
    EXPECT_FALSE(read.passwordOrvan.has_value());
    EXPECT_TRUE(read.hasPasswordOrvan);
    EXPECT_TRUE(read.hasPasswordNomina);
    read.nombre = "EMPRESA M1 C.A.";
    EXPECT_EQ(admin.modify(read), Result::Saved);
    EXPECT_EQ(db().scalar("SELECT PasswordOrvan FROM EMPRESA WHERE Codigo = 'M1'").toString(),
              stored);
    read.passwordNomina = "";
    EXPECT_EQ(admin.modify(read), Result::Saved);
    EXPECT_FALSE(admin.company("M1")->hasPasswordNomina);
    EXPECT_TRUE(admin.company("M1")->hasPasswordOrvan);
}

TEST_F(CompanyAdminTest, PicturesAreStoredAsImageBytesAndRefusedWholeWhenUnreadable)
{
    const QString logo = picture("png");
    EXPECT_TRUE(CompanyPictures::ReadPictureFile(logo));
    QFile text(dir.filePath("nota.bmp"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("esto no es una imagen");
    text.close();

    EXPECT_EQ(admin.create(headOffice("M1"), {logo, text.fileName()}), Result::BadPicture);
    EXPECT_EQ(admin.failedField(), CompanyAdmin::Field::Firma);
    EXPECT_FALSE(admin.company("M1"));

    EXPECT_EQ(admin.create(headOffice("M1"), {logo, {}}), Result::Saved);
    QFile file(logo);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(CompanyPictures::Leer_Imagen(db(), "M1", "M1", "Logo"), file.readAll());
    EXPECT_TRUE(CompanyPictures::Leer_Imagen(db(), "M1", "M1", "Firma").isEmpty());

    EXPECT_TRUE(CompanyPictures::Guardar_Imagen(db(), "M1", "M1", "Firma", picture("bmp")));
    EXPECT_FALSE(CompanyPictures::Leer_Imagen(db(), "M1", "M1", "Firma").isEmpty());
    EXPECT_FALSE(CompanyPictures::Guardar_Imagen(db(), "M1", "M1", "Nombre", logo));
    EXPECT_FALSE(CompanyPictures::Guardar_Imagen(db(), "M1", "M1", "Firma", text.fileName()));
    EXPECT_EQ(admin.company("M1")->nombre, "EMPRESA M1");

    // Branches keep no pictures of their own.
    EXPECT_EQ(admin.create(branch("S1", "M1"), {logo, logo}), Result::Saved);
    EXPECT_TRUE(CompanyPictures::Leer_Imagen(db(), "S1", "M1", "Logo").isEmpty());
}

TEST_F(CompanyAdminTest, WithoutTheWindowsOperationsNothingChanges)
{
    as("PEDRO");
    EXPECT_EQ(admin.create(headOffice("M1")), Result::NotAllowed);
    EXPECT_FALSE(admin.company("M1"));
    as("ADMIN");
    ASSERT_EQ(admin.create(headOffice("M1")), Result::Saved);
    as("PEDRO");
    EXPECT_EQ(admin.remove("M1"), Result::NotAllowed);
    Company m1 = *admin.company("M1");
    m1.nombre = "OTRO";
    EXPECT_EQ(admin.modify(m1), Result::NotAllowed);
    EXPECT_EQ(admin.company("M1")->nombre, "EMPRESA M1");
}

TEST_F(CompanyAdminTest, PrintingShowsTheCompanyCardWithItsHeadOffice)
{
    ASSERT_EQ(admin.create(headOffice("M1")), Result::Saved);
    ASSERT_EQ(admin.create(branch("S1", "M1")), Result::Saved);
    session.gRutaReporte = QStringLiteral(VALDORIA_SOURCE_DIR "/reportes");
    session.gNombreEmpresa = "EMPRESA M1";
    session.gNombreIDEmpresa = "RIF";
    RecordingReportOutput output;
    EXPECT_EQ(admin.print(output, "S1"), ReportOutcome::Previewed);
    ASSERT_EQ(output.requests.size(), 1u);
    EXPECT_EQ(output.requests[0].title, "Empresas");
    const ReportData &data = output.requests[0].document->data();
    ASSERT_EQ(data.rowCount(), 1);
    EXPECT_EQ(data.row(0)[data.columnIndex("Codigo")].toString(), "S1");
    EXPECT_EQ(data.row(0)[data.columnIndex("Matriz")].toString(), "EMPRESA M1");
    EXPECT_EQ(data.row(0)[data.columnIndex("NombreIDEmpresa")].toString(), "RIF");
    for (const char *secret : {"UsuarioOrvan", "PasswordOrvan", "UsuarioNomina", "PasswordNomina"})
        EXPECT_LT(data.columnIndex(secret), 0) << secret;
    EXPECT_EQ(count("SELECT COUNT(*) FROM AUDITORIAREPORTE"), 1);
}

} // namespace
