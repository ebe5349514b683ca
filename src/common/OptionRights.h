#pragma once

#include <QString>
#include <QStringList>

class Db;

// Which record-toolbar operations ("Nuevo", "Guardar", "Aprobar" ...) a user may use on a
// navigation node: those the node offers (OPCIONESMENU) that one of his groups was granted
// (OPCIONESGRUPO). Windows build their toolbars from it and services check it before acting.
namespace OptionRights {

// What a service answers when the user may not use the operation it was asked for.
inline const QString NotAllowedText = QStringLiteral("¡No tiene permiso para realizar esta operación!");

// Every operation, in toolbar order (OPCIONES.Orden).
QStringList AllOptions(Db &db);
// The operations the user may use on the node, in toolbar order; empty when none.
QStringList AllowedOptions(Db &db, const QString &user, const QString &node);
bool MayUse(Db &db, const QString &user, const QString &node, const QString &option);

} // namespace OptionRights
