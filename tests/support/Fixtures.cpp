#include "support/Fixtures.h"

#include "platform/Db.h"
#include "platform/PasswordHash.h"

namespace Fixtures {

void addCompany(Db &db, const QString &code, const QString &name, const QString &headOffice,
                int status, int closingMonth, int lastClosedYear)
{
    const bool isHead = headOffice.isEmpty() || headOffice == code;
    db.exec("INSERT INTO EMPRESA (Codigo, Nombre, Tipo, CodigoMatriz, Direccion, Ciudad, "
            "Telefono1, Mes, Ano, AgenteRetencion, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {code, name, isHead ? 1 : 0, isHead ? code : headOffice, "AV. URDANETA " + code,
             "CARACAS", "0212-5550000", closingMonth, lastClosedYear, isHead ? 1 : 0, status});
}

void addGroup(Db &db, const QString &code, const QString &name)
{
    db.exec("INSERT INTO GRUPOS (CodGrupo, NombreGrupo) VALUES (?, ?)",
            {code, name.isEmpty() ? code : name});
}

void addUser(Db &db, const QString &code, const QString &password, const QStringList &groups,
             int status)
{
    db.exec("INSERT INTO USUARIOS (CodUsuario, NombreUsuario, Paswod, Status) VALUES (?, ?, ?, ?)",
            {code, "USUARIO " + code, PasswordHash::HashLoginPassword(password), status});
    for (const QString &g : groups)
        db.exec("INSERT INTO USUARIOGRUPO (CodUsuario, CodGrupo) VALUES (?, ?)", {code, g});
}

void assignCompany(Db &db, const QString &user, const QString &company,
                   const QString &headOffice)
{
    db.exec("INSERT INTO USUARIOEMPRESA (Usuario, Empresa, Matriz) VALUES (?, ?, ?)",
            {user, company, headOffice});
}

void grantNode(Db &db, const QString &group, const QString &node, const QString &ver,
               const QStringList &options)
{
    db.exec("INSERT INTO GRUPOSEG (CodGrupo, CodNodo, Ver) VALUES (?, ?, ?)", {group, node, ver});
    for (const QString &option : options)
        db.exec("INSERT INTO OPCIONESGRUPO (CodGrupo, CodNodo, Opcion) "
                "SELECT ?, ?, CodigoOpcion FROM OPCIONES WHERE Nombre = ?",
                {group, node, option});
}

} // namespace Fixtures
