#pragma once

#include <QString>
#include <optional>

class Db;

// Where and as whom a company reaches the database of another business system (commercial
// management, payroll). The login and password stay in EMPRESA, the password scrambled, and
// are read only here, when an interface is about to connect: no grid, listing, report or
// session value carries them.
struct ExternalSystemLogin
{
    enum class System { Comercial, Nomina };

    QString server;
    QString database;
    QString user;
    QString password; // unscrambled; keep it no longer than the connection needs it

    // The login stored for the company; nullopt when the company does not exist.
    static std::optional<ExternalSystemLogin> Read(Db &db, const QString &company,
                                                   const QString &headOffice, System system);
};
