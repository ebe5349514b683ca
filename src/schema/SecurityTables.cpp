#include "schema/LedgerTables.h"

namespace LedgerTables {

namespace {

TableDef users()
{
    TableDef t("USUARIOS");
    t.code("CodUsuario", UserCode)
        .text("NombreUsuario", Name, true)
        // An Argon2id hash string, never the password itself.
        .text("Paswod", 255, true)
        .flag("Status", "1")
        .primaryKey({"CodUsuario"});
    return t;
}

TableDef groups()
{
    TableDef t("GRUPOS");
    t.code("CodGrupo", GroupCode)
        .text("NombreGrupo", Name, true)
        .flag("ImprimirCheque")
        .flag("ModificarMovimiento")
        .flag("MostrarUltMov")
        .flag("IncTerceroMov")
        .flag("TipoModificacion")
        .primaryKey({"CodGrupo"});
    return t;
}

TableDef userGroups()
{
    TableDef t("USUARIOGRUPO");
    t.code("CodUsuario", UserCode)
        .code("CodGrupo", GroupCode)
        .primaryKey({"CodUsuario", "CodGrupo"})
        .index({"CodGrupo"})
        .foreignKey({"CodUsuario"}, "USUARIOS", {"CodUsuario"}, false, true)
        .foreignKey({"CodGrupo"}, "GRUPOS", {"CodGrupo"}, false, true);
    return t;
}

TableDef logins()
{
    TableDef t("INICIOSESION");
    t.autoKey("Id")
        .code("Usuario", UserCode)
        .text("DireccionIp", IpAddress)
        .text("NombreEquipo", HostName)
        .timestamp("FechaRegistro", true)
        .index({"Usuario", "FechaRegistro"});
    return t;
}

TableDef sessions()
{
    TableDef t("SESIONUSUARIO");
    t.code("Empresa", CompanyCode)
        .code("Matriz", CompanyCode)
        .code("Usuario", UserCode)
        .code("Fecha", 8)
        .code("NombreEquipo", HostName)
        .primaryKey({"NombreEquipo"})
        // One user works in one company from one workstation at a time; the session
        // registry relies on this key rather than on its own look-ups, which two
        // workstations can run at the same moment.
        .unique({"Empresa", "Matriz", "Usuario"})
        .foreignKey({"Usuario"}, "USUARIOS", {"CodUsuario"}, false, true);
    return t;
}

TableDef navigationNodes()
{
    TableDef t("SEG");
    t.code("CodNodo", NodeCode)
        .text("NomNodo", Name, true)
        .integer("Nivel")
        // Top-level nodes name the root key, which has no row of its own.
        .code("NodoPadre", NodeCode)
        .integer("NumNodo")
        .integer("Orden")
        .integer("Imagen")
        .text("Forma", 60)
        .withDefault("''")
        .code("EsPadre", 1)
        .withDefault("'N'")
        .primaryKey({"CodNodo"})
        .index({"NodoPadre", "Orden"});
    return t;
}

TableDef groupNodes()
{
    TableDef t("GRUPOSEG");
    t.code("CodGrupo", GroupCode)
        .code("CodNodo", NodeCode)
        // A node is seen only where it was granted.
        .code("Ver", 1)
        .withDefault("'N'")
        .primaryKey({"CodGrupo", "CodNodo"})
        .index({"CodNodo"})
        .foreignKey({"CodGrupo"}, "GRUPOS", {"CodGrupo"}, false, true)
        .foreignKey({"CodNodo"}, "SEG", {"CodNodo"}, false, true);
    return t;
}

TableDef toolbarOptions()
{
    TableDef t("OPCIONES");
    t.integer("CodigoOpcion", true, {})
        // Also the key of the toolbar button and of its picture.
        .code("Nombre", 20)
        .integer("Orden")
        .primaryKey({"CodigoOpcion"})
        .unique({"Nombre"});
    return t;
}

TableDef nodeOptions()
{
    TableDef t("OPCIONESMENU");
    t.code("CodNodo", NodeCode)
        .integer("Opcion", true, {})
        .primaryKey({"CodNodo", "Opcion"})
        .foreignKey({"CodNodo"}, "SEG", {"CodNodo"}, false, true)
        .foreignKey({"Opcion"}, "OPCIONES", {"CodigoOpcion"}, false, true);
    return t;
}

TableDef groupOptions()
{
    TableDef t("OPCIONESGRUPO");
    // The grants hang from the node, not from OPCIONESMENU: the structure window rewrites
    // a node's offered operations on every save, and that must not wipe the groups' grants.
    t.code("CodGrupo", GroupCode)
        .code("CodNodo", NodeCode)
        .integer("Opcion", true, {})
        .primaryKey({"CodGrupo", "CodNodo", "Opcion"})
        .index({"CodNodo"})
        .foreignKey({"CodGrupo"}, "GRUPOS", {"CodGrupo"}, false, true)
        .foreignKey({"CodNodo"}, "SEG", {"CodNodo"}, false, true)
        .foreignKey({"Opcion"}, "OPCIONES", {"CodigoOpcion"}, false, true);
    return t;
}

} // namespace

std::vector<TableDef> securityTables()
{
    return {users(),           groups(),     userGroups(),     logins(),      sessions(),
            navigationNodes(), groupNodes(), toolbarOptions(), nodeOptions(), groupOptions()};
}

} // namespace LedgerTables
