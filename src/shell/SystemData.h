#pragma once

#include <QString>

struct Session;

// Reads the system's name and the report directory into the session.
namespace SystemData {
// `dataFolder` holds rutareporte.txt, whose first line, when present and not empty,
// overrides PARAMETRO.RutaReporte. Throws DbError.
void LoadSystemData(Session &session, const QString &dataFolder);
} // namespace SystemData
