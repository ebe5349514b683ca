#include "shell/admin/CompanyAdmin.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/report/ReportHeading.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "shell/PasswordScrambler.h"
#include "shell/admin/CompanyPictures.h"

namespace {
const QString monthColumns =
    QStringLiteral("Enero, Febrero, Marzo, Abril, Mayo, Junio, Julio, Agosto, Septiembre, "
                   "Octubre, Noviembre, Diciembre");

// The tables whose rows belong to a company by its pair (Empresa, Matriz).
const char *const keyedTables[] = {"MOVIMIENTO", "REGISTRO", "PERIODO", "CORRCOMPROBANTE",
                                   "ACTIVOFIJO"};

bool hasRowsUnder(Db &db, const QString &company, const QString &headOffice)
{
    for (const char *table : keyedTables)
        if (db.exists(QStringLiteral("SELECT 1 FROM %1 WHERE Empresa = ? AND Matriz = ?")
                          .arg(QLatin1String(table)),
                      {company, headOffice}))
            return true;
    return false;
}

const QString companyColumns = QStringLiteral(
    "E.Codigo, E.Nombre, E.Tipo, E.CodigoMatriz, A.Nombre AS Matriz, E.Representante, "
    "E.Direccion, E.Ciudad, E.Telefono1, E.Telefono2, E.Fax, E.Mes, E.Ano, E.AgenteRetencion, "
    "E.CuentaPorCobrar, E.ExcentaDeImpuesto, E.ServidorNomina, E.BaseDatosNomina, "
    "E.BaseDatosOrvan, CASE WHEN E.PasswordOrvan <> '' THEN 1 ELSE 0 END, "
    "CASE WHEN E.PasswordNomina <> '' THEN 1 ELSE 0 END, E.Status");

CompanyAdmin::Company fromRecord(const QSqlRecord &r)
{
    CompanyAdmin::Company c;
    int i = 0;
    const auto text = [&] { return r.value(i++).toString(); };
    const auto number = [&] { return r.value(i++).toInt(); };
    c.codigo = text();
    c.nombre = text();
    c.tipo = number();
    c.codigoMatriz = text();
    c.nombreMatriz = text();
    c.representante = text();
    c.direccion = text();
    c.ciudad = text();
    c.telefono1 = text();
    c.telefono2 = text();
    c.fax = text();
    c.mes = number();
    c.ano = number();
    c.agenteRetencion = number() != 0;
    c.cuentaPorCobrar = text();
    c.excentaDeImpuesto = number() != 0;
    c.servidorNomina = text();
    c.baseDatosNomina = text();
    c.baseDatosOrvan = text();
    c.hasPasswordOrvan = number() != 0;
    c.hasPasswordNomina = number() != 0;
    c.activo = number() != 0;
    return c;
}
} // namespace

CompanyAdmin::CompanyAdmin(Session &session, QString node, QDate today)
    : m_session(session)
    , m_access(session, std::move(node))
    , m_today(today.isValid() ? today : QDate::currentDate())
{
}

int CompanyAdmin::LastClosedYear(int closingMonth, QDate today)
{
    if (closingMonth < 1 || closingMonth > 12)
        closingMonth = 12;
    // A fiscal year closing in month M ends with that month; on its last day it has not
    // ended yet.
    return today.month() > closingMonth ? today.year() : today.year() - 1;
}

std::vector<CompanyAdmin::Company> CompanyAdmin::companies() const
{
    std::vector<Company> result;
    for (const QSqlRecord &r : m_session.db().rows(
             QStringLiteral("SELECT %1 FROM EMPRESA E LEFT JOIN EMPRESA A "
                            "ON E.CodigoMatriz = A.Codigo ORDER BY E.Tipo DESC, E.Codigo")
                 .arg(companyColumns)))
        result.push_back(fromRecord(r));
    return result;
}

std::optional<CompanyAdmin::Company> CompanyAdmin::company(const QString &codigo) const
{
    const auto rows =
        m_session.db().rows(QStringLiteral("SELECT %1 FROM EMPRESA E LEFT JOIN EMPRESA A "
                                           "ON E.CodigoMatriz = A.Codigo WHERE E.Codigo = ?")
                                .arg(companyColumns),
                            {codigo.trimmed()});
    if (rows.empty())
        return std::nullopt;
    return fromRecord(rows.front());
}

std::vector<CompanyAdmin::HeadOffice> CompanyAdmin::headOffices() const
{
    std::vector<HeadOffice> result;
    for (const QSqlRecord &r : m_session.db().rows(
             QStringLiteral("SELECT Codigo, Nombre, Mes, AgenteRetencion FROM EMPRESA "
                            "WHERE Tipo = 1 ORDER BY Codigo")))
        result.push_back({r.value(0).toString(), r.value(1).toString(), r.value(2).toInt(),
                          r.value(3).toInt() != 0});
    return result;
}

std::optional<CompanyAdmin::HeadOffice> CompanyAdmin::headOffice(const QString &codigo) const
{
    const auto rows = m_session.db().rows(
        QStringLiteral("SELECT Codigo, Nombre, Mes, AgenteRetencion FROM EMPRESA "
                       "WHERE Codigo = ? AND CodigoMatriz = ? AND Tipo = 1"),
        {codigo, codigo});
    if (rows.empty())
        return std::nullopt;
    const QSqlRecord &r = rows.front();
    return HeadOffice{r.value(0).toString(), r.value(1).toString(), r.value(2).toInt(),
                      r.value(3).toInt() != 0};
}

CompanyAdmin::Result CompanyAdmin::refuse(Result result, const QString &text, Field field)
{
    m_failedField = field;
    if (result == Result::NotAllowed)
        m_access.refuse();
    else if (!text.isEmpty())
        m_session.prompt().info(text);
    return result;
}

CompanyAdmin::Result CompanyAdmin::validate(Company &c, const Pictures &pictures,
                                            std::optional<QByteArray> &logo,
                                            std::optional<QByteArray> &firma)
{
    c.codigo = c.codigo.trimmed();
    c.nombre = c.nombre.trimmed();
    c.codigoMatriz = c.codigoMatriz.trimmed();
    c.cuentaPorCobrar = c.cuentaPorCobrar.trimmed();
    c.tipo = c.tipo == 0 ? 0 : 1;
    if (c.codigo.isEmpty())
        return refuse(Result::MissingField, EmptyFieldText, Field::Codigo);
    if (c.nombre.isEmpty())
        return refuse(Result::MissingField, EmptyFieldText, Field::Nombre);
    if (c.mes < 1 || c.mes > 12)
        return refuse(Result::MissingField, EmptyFieldText, Field::Mes);
    if (c.isHeadOffice()) {
        c.codigoMatriz = c.codigo;
    } else {
        const std::optional<HeadOffice> head =
            c.codigoMatriz.isEmpty() ? std::nullopt : headOffice(c.codigoMatriz);
        if (!head)
            return refuse(Result::NoHeadOffice, NoHeadOfficeText, Field::Matriz);
        if (c.codigo == c.codigoMatriz)
            return refuse(Result::SameAsHeadOffice, SameAsHeadOfficeText, Field::Codigo);
        if (!m_session.db().exists(QStringLiteral("SELECT 1 FROM CUENTACONTABLE "
                                                  "WHERE Codigo = ? AND Consolidacion = 1"),
                                   {c.cuentaPorCobrar}))
            return refuse(Result::InvalidAccount, InvalidAccountText, Field::CuentaPorCobrar);
        // A branch closes its books and withholds as its head office does.
        c.mes = head->mes;
        c.agenteRetencion = head->agenteRetencion;
    }
    // The pictures are read before anything is written: a file that is no picture is
    // refused whole. Only head offices keep pictures.
    logo.reset();
    firma.reset();
    if (c.isHeadOffice()) {
        if (!pictures.logoFile.isEmpty() &&
            !(logo = CompanyPictures::ReadPictureFile(pictures.logoFile)))
            return refuse(Result::BadPicture, BadPictureText, Field::Logo);
        if (!pictures.firmaFile.isEmpty() &&
            !(firma = CompanyPictures::ReadPictureFile(pictures.firmaFile)))
            return refuse(Result::BadPicture, BadPictureText, Field::Firma);
    }
    return Result::Saved;
}

void CompanyAdmin::seedRows(const Company &c)
{
    Db &db = m_session.db();
    const int year = m_today.year();
    db.exec(QStringLiteral("INSERT INTO PERIODO (Empresa, Matriz, Ano, %1) "
                           "VALUES (?, ?, ?, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)")
                .arg(monthColumns),
            {c.codigo, c.codigoMatriz, year});
    db.exec(QStringLiteral("INSERT INTO CORRCOMPROBANTE (CodigoComprobante, Empresa, Matriz, "
                           "Continuo, %1, Ano, NumeroContinuo) "
                           "SELECT Codigo, ?, ?, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, ?, 0 "
                           "FROM COMPROBANTE")
                .arg(monthColumns),
            {c.codigo, c.codigoMatriz, year});
    // The asset that lines without an asset point to; dated the day the company was created.
    db.exec(QStringLiteral("INSERT INTO ACTIVOFIJO (Serial, Empresa, Matriz, TipoActivo, "
                           "CodigoCategoria, Marca, Modelo, FechaAdq, FechaDep, "
                           "MesDepreciacion, Descripcion, Status) "
                           "VALUES ('*', ?, ?, '*', 0, 'DEFECTO', 'DEFECTO', ?, ?, 0, "
                           "'DEFECTO', 0)"),
            {c.codigo, c.codigoMatriz, m_today, m_today});
}

void CompanyAdmin::writePasswords(const Company &c)
{
    const std::pair<const char *, const std::optional<QString> *> passwords[] = {
        {"PasswordOrvan", &c.passwordOrvan}, {"PasswordNomina", &c.passwordNomina}};
    for (const auto &[column, password] : passwords)
        if (password->has_value())
            m_session.db().exec(
                QStringLiteral("UPDATE EMPRESA SET %1 = ? WHERE Codigo = ? AND CodigoMatriz = ?")
                    .arg(QLatin1String(column)),
                {PasswordScrambler::ScramblePassword(**password), c.codigo, c.codigoMatriz});
}

void CompanyAdmin::writePictures(const Company &c, const std::optional<QByteArray> &logo,
                                 const std::optional<QByteArray> &firma)
{
    Db &db = m_session.db();
    if (logo)
        CompanyPictures::StorePicture(db, c.codigo, c.codigoMatriz, CompanyPictures::Logo, *logo);
    if (firma)
        CompanyPictures::StorePicture(db, c.codigo, c.codigoMatriz, CompanyPictures::Firma, *firma);
}

CompanyAdmin::Result CompanyAdmin::create(const Company &input, const Pictures &pictures)
{
    m_failedField = Field::None;
    if (!m_access.require({QStringLiteral("Nuevo"), QStringLiteral("Guardar")}))
        return Result::NotAllowed;
    Company c = input;
    std::optional<QByteArray> logo, firma;
    if (const Result r = validate(c, pictures, logo, firma); r != Result::Saved)
        return r;
    Db &db = m_session.db();
    if (db.exists(QStringLiteral("SELECT 1 FROM EMPRESA WHERE Codigo = ?"), {c.codigo}))
        return refuse(Result::Duplicate, DuplicateText, Field::Codigo);

    Transaction tx(db);
    db.exec(QStringLiteral("INSERT INTO EMPRESA (Codigo, Nombre, Tipo, CodigoMatriz, "
                           "Representante, Direccion, Ciudad, Telefono1, Telefono2, Fax, Mes, "
                           "Ano, AgenteRetencion, CuentaPorCobrar, ExcentaDeImpuesto, "
                           "ServidorNomina, BaseDatosNomina, BaseDatosOrvan, Status) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {c.codigo, c.nombre, c.tipo, c.codigoMatriz, c.representante, c.direccion, c.ciudad,
             c.telefono1, c.telefono2, c.fax, c.mes, LastClosedYear(c.mes, m_today),
             c.agenteRetencion ? 1 : 0, c.cuentaPorCobrar, c.excentaDeImpuesto ? 1 : 0,
             c.servidorNomina, c.baseDatosNomina, c.baseDatosOrvan, c.activo ? 1 : 0});
    seedRows(c);
    writePictures(c, logo, firma);
    writePasswords(c);
    tx.commit();
    return Result::Saved;
}

CompanyAdmin::Result CompanyAdmin::modify(const Company &input, const Pictures &pictures)
{
    m_failedField = Field::None;
    if (!m_access.require({QStringLiteral("Modificar"), QStringLiteral("Guardar")}))
        return Result::NotAllowed;
    const std::optional<Company> stored = company(input.codigo);
    if (!stored)
        return refuse(Result::UnknownCompany, UnknownCompanyText, Field::Codigo);
    Company c = input;
    std::optional<QByteArray> logo, firma;
    if (const Result r = validate(c, pictures, logo, firma); r != Result::Saved)
        return r;
    Db &db = m_session.db();
    // Branches must hang from a head office, never from another branch.
    if (!c.isHeadOffice() &&
        db.exists(QStringLiteral("SELECT 1 FROM EMPRESA WHERE CodigoMatriz = ? "
                                 "AND Codigo <> ?"),
                  {c.codigo, c.codigo}))
        return refuse(Result::HasBranches, HasBranchesText, Field::Matriz);
    const bool keyChanges = c.tipo != stored->tipo || c.codigoMatriz != stored->codigoMatriz;
    const Field keyField = c.tipo != stored->tipo ? Field::Tipo : Field::Matriz;

    Transaction tx(db);
    // Its movements, periods, counters and assets are keyed by the pair; moving the company
    // would leave them behind under the old one. Checked in the transaction that moves it,
    // and let go before the message so no lock is held while the user reads it.
    if (keyChanges && hasRowsUnder(db, c.codigo, stored->codigoMatriz)) {
        tx.rollback();
        return refuse(Result::HasBooks, HasBooksText, keyField);
    }
    db.exec(QStringLiteral("UPDATE EMPRESA SET Nombre = ?, Tipo = ?, CodigoMatriz = ?, "
                           "Representante = ?, Direccion = ?, Ciudad = ?, Telefono1 = ?, "
                           "Telefono2 = ?, Fax = ?, Mes = ?, AgenteRetencion = ?, "
                           "CuentaPorCobrar = ?, ExcentaDeImpuesto = ?, ServidorNomina = ?, "
                           "BaseDatosNomina = ?, BaseDatosOrvan = ?, Status = ? "
                           "WHERE Codigo = ? AND CodigoMatriz = ?"),
            {c.nombre, c.tipo, c.codigoMatriz, c.representante, c.direccion, c.ciudad, c.telefono1,
             c.telefono2, c.fax, c.mes, c.agenteRetencion ? 1 : 0, c.cuentaPorCobrar,
             c.excentaDeImpuesto ? 1 : 0, c.servidorNomina, c.baseDatosNomina, c.baseDatosOrvan,
             c.activo ? 1 : 0, c.codigo, stored->codigoMatriz});
    if (c.isHeadOffice())
        db.exec(QStringLiteral("UPDATE EMPRESA SET Mes = ?, AgenteRetencion = ? "
                               "WHERE CodigoMatriz = ? AND Codigo <> ?"),
                {c.mes, c.agenteRetencion ? 1 : 0, c.codigo, c.codigo});
    writePictures(c, logo, firma);
    writePasswords(c);
    tx.commit();
    return Result::Saved;
}

CompanyAdmin::Result CompanyAdmin::remove(const QString &codigo)
{
    m_failedField = Field::None;
    if (!m_access.require({QStringLiteral("Eliminar")}))
        return Result::NotAllowed;
    const std::optional<Company> stored = company(codigo);
    if (!stored)
        return Result::UnknownCompany;
    Db &db = m_session.db();
    const QVariantList key{stored->codigo, stored->codigoMatriz};
    Transaction tx(db);
    if (db.exists(QStringLiteral("SELECT 1 FROM EMPRESA WHERE CodigoMatriz = ? AND Codigo <> ?") +
                      db.dialect().forUpdate(),
                  {stored->codigo, stored->codigo}))
        return Result::HasBranches;
    // Books are never orphaned: a company with posted or pending lines stays.
    if (db.exists(QStringLiteral("SELECT 1 FROM MOVIMIENTO WHERE Empresa = ? AND Matriz = ?"),
                  key) ||
        db.exists(QStringLiteral("SELECT 1 FROM REGISTRO WHERE Empresa = ? AND Matriz = ?"), key))
        return Result::HasMovements;
    // The rows it was born with go with it, so that its code can be used again.
    for (const char *table : {"PERIODO", "CORRCOMPROBANTE", "ACTIVOFIJO"})
        db.exec(QStringLiteral("DELETE FROM %1 WHERE Empresa = ? AND Matriz = ?")
                    .arg(QLatin1String(table)),
                key);
    db.exec(QStringLiteral("DELETE FROM EMPRESA WHERE Codigo = ? AND CodigoMatriz = ?"), key);
    tx.commit();
    return Result::Deleted;
}

ReportQuery CompanyAdmin::printQuery(const QString &codigo) const
{
    // The heading columns already carry NombreIDEmpresa.
    return ReportQuery(QStringLiteral("SELECT %1, E.Codigo, E.Nombre, E.Direccion, "
                                      "E.Representante, E.Telefono1, E.Telefono2, E.Fax, E.Mes, "
                                      "E.Tipo, A.Codigo AS CodMatriz, A.Nombre AS Matriz "
                                      "FROM EMPRESA E LEFT JOIN EMPRESA A "
                                      "ON E.CodigoMatriz = A.Codigo WHERE E.Codigo = ?")
                           .arg(ReportHeadingColumns()),
                       ReportHeadingParameters(m_session) + QVariantList{codigo});
}

ReportOutcome CompanyAdmin::print(ReportOutput &output, const QString &codigo)
{
    if (!m_access.require({QStringLiteral("Imprimir")}))
        return ReportOutcome::Failed;
    return RunReport(m_session, output, printQuery(codigo), m_session.gRutaReporte + ReportFile,
                     ReportTitle, 0, 1, QString(), true, 1, QString());
}
