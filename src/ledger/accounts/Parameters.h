#pragma once

#include "common/Rate.h"

#include <QString>
#include <array>
#include <optional>

struct Session;

// The single PARAMETRO row as the parameters window edits it.
struct Parameters
{
    // The six accounts, in the order the window checks them.
    enum Account {
        UtilidadEjercicio,
        PerdidaEjercicio,
        UtilidadAcumulada,
        PerdidaAcumulada,
        IngresoDiferenciaCambio,
        GastoDiferenciaCambio,
    };
    static constexpr int AccountCount = 6;

    int CantDigCuenta = 0;
    QString NombreIDEmpresa;
    bool AplicaRetBase = false;
    std::array<QString, AccountCount> accounts;
    Rate PorcRetIVA;
    bool CierreAjusteInflacion = false;
    bool CierreAjusteDifCambio = false;
    bool ExportarConsolidado = false;
    QString RutaReporte;
    QString ServidorNexlar;
    QString UsuarioNexlar;
    QString PasswordNexlar;

    static QString columnOf(Account a);
    bool operator==(const Parameters &) const = default;
};

// Reading and saving the parameters, and the window's two checks (report directory, the
// external Nexlar server). Messages go through the session's prompter.
class ParametersService
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_parametros");

    enum class SaveResult { Saved, Invalid, NotAllowed, Failed };
    struct SaveOutcome
    {
        SaveResult result = SaveResult::Failed;
        // The account field that refused the save, when Invalid.
        std::optional<Parameters::Account> field;
    };

    explicit ParametersService(Session &session, QString node = NodeCode);

    // The stored row; nullopt when PARAMETRO is empty.
    std::optional<Parameters> load() const;

    // Checks the six accounts one by one (each, when not empty, must be a detail account);
    // then updates the row, or inserts it into an empty table. Nothing is written after a
    // refusal.
    SaveOutcome save(const Parameters &values);

    // "Verificar" of the report directory: true when the directory holds at least one file.
    bool verifyReportDirectory(const QString &path);
    // "Verificar" of the Nexlar server: opens and closes a connection to its PostgreSQL
    // server ("host", "host:port" or a socket directory) with the given login.
    bool verifyNexlarServer(const QString &server, const QString &user, const QString &password);

    static inline const QString DirectoryVerified =
        QStringLiteral("Ruta de reportes verificada con exito...!");
    static inline const QString DirectoryMissing =
        QStringLiteral("La direccion especificada no existe...!");
    static inline const QString ServerVerified =
        QStringLiteral("Servidor Nexlar verificado con exito...!");

private:
    Session &m_session;
    QString m_node;
};
