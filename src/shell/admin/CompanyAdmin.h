#pragma once

#include "common/report/RunReport.h"
#include "shell/admin/AdminAccess.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class ReportOutput;
struct Session;

// Companies: head offices and their branches. A branch takes its closing month and
// withholding flag from its head office, and a head office hands them on to its branches
// when they change. A new company is born with the rows it needs before its first voucher.
class CompanyAdmin
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_empresas");
    static inline const QString ReportFile = QStringLiteral("\\crpEmpresas.rpt");
    static inline const QString ReportTitle = QStringLiteral("Empresas");

    static inline const QString EmptyFieldText = QStringLiteral("¡El campo no debe estar vacio!");
    static inline const QString NoHeadOfficeText =
        QStringLiteral("Debe seleccionar la empresa matriz de la sucursal");
    static inline const QString SameAsHeadOfficeText =
        QStringLiteral("Empresa sucursal no debe ser igual a la empresa matriz");
    static inline const QString InvalidAccountText =
        QStringLiteral("Seleccione una cuenta por cobrar valida para la sucursal...!");
    static inline const QString DuplicateText = QStringLiteral("Registro duplicado!");
    static inline const QString UnknownCompanyText = QStringLiteral("¡La empresa no existe!");
    static inline const QString HasBranchesText =
        QStringLiteral("¡La empresa tiene sucursales, no puede convertirse en sucursal!");
    static inline const QString HasBooksText = QStringLiteral(
        "¡La empresa tiene movimientos, periodos, correlativos o activos registrados, no puede "
        "cambiar su tipo ni su empresa matriz!");
    static inline const QString BadPictureText =
        QStringLiteral("¡El archivo seleccionado no es una imagen valida!");

    struct Company
    {
        QString codigo;
        QString nombre;
        int tipo = 1;         // 1 head office, 0 branch
        QString codigoMatriz; // a head office's own code
        QString nombreMatriz; // read only
        QString representante;
        QString direccion;
        QString ciudad;
        QString telefono1;
        QString telefono2;
        QString fax;
        int mes = 12; // closing month
        int ano = 0;  // last closed fiscal year; read only
        bool agenteRetencion = false;
        QString cuentaPorCobrar;
        bool excentaDeImpuesto = false;
        QString servidorNomina;
        QString baseDatosNomina;
        QString baseDatosOrvan;
        // The other systems' passwords are written, never read back: nullopt keeps what is
        // stored, a text (empty too) replaces it, scrambled. ExternalSystemLogin reads them.
        std::optional<QString> passwordOrvan;
        std::optional<QString> passwordNomina;
        bool hasPasswordOrvan = false;  // read only: whether one is stored
        bool hasPasswordNomina = false; // read only
        bool activo = true;

        bool isHeadOffice() const { return tipo == 1; }
    };
    // Picture files chosen in the window; an empty name keeps what is stored.
    struct Pictures
    {
        QString logoFile;
        QString firmaFile;
    };
    struct HeadOffice
    {
        QString codigo;
        QString nombre;
        int mes = 12;
        bool agenteRetencion = false;
    };

    enum class Result {
        Saved,
        Deleted,
        MissingField,
        NoHeadOffice,
        SameAsHeadOffice,
        InvalidAccount,
        Duplicate,
        UnknownCompany,
        HasBranches,
        HasMovements,
        HasBooks,
        BadPicture,
        NotAllowed,
    };
    enum class Field { None, Codigo, Nombre, Tipo, Mes, Matriz, CuentaPorCobrar, Logo, Firma };

    // `today` decides the new companies' first year; the workstation's date when not given.
    explicit CompanyAdmin(Session &session, QString node = NodeCode, QDate today = {});

    // Head offices first, then branches, each by code.
    std::vector<Company> companies() const;
    std::optional<Company> company(const QString &codigo) const;
    std::vector<HeadOffice> headOffices() const;
    std::optional<HeadOffice> headOffice(const QString &codigo) const;

    Result create(const Company &company, const Pictures &pictures = {});
    // Refused when the type or the head office would change while the company has rows under
    // its key: they would stay behind under the old one.
    Result modify(const Company &company, const Pictures &pictures = {});
    // Refused while the company is a head office with branches or has posted movements.
    Result remove(const QString &codigo);
    Field failedField() const { return m_failedField; }

    // The company's card through the report runner (preview).
    ReportOutcome print(ReportOutput &output, const QString &codigo);
    ReportQuery printQuery(const QString &codigo) const;

    // The last closed fiscal year of a company created on `today`: the year in which its
    // last fiscal year ending before today ended, so that the current one is open.
    static int LastClosedYear(int closingMonth, QDate today);

private:
    Result validate(Company &company, const Pictures &pictures, std::optional<QByteArray> &logo,
                    std::optional<QByteArray> &firma);
    Result refuse(Result result, const QString &text, Field field = Field::None);
    void seedRows(const Company &company);
    void writePasswords(const Company &company);
    void writePictures(const Company &company, const std::optional<QByteArray> &logo,
                       const std::optional<QByteArray> &firma);

    Session &m_session;
    AdminAccess m_access;
    QDate m_today;
    Field m_failedField = Field::None;
};
