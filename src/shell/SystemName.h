#pragma once

#include <QString>

struct Session;

// The one SISTEMAS row: the system's name, description (the main window's caption) and version.
namespace SystemName {

struct Values
{
    QString name;
    QString description;
    QString version;
};

// The first row; empty values when the table is empty.
Values Load(Session &session);
// Inserts the row when there is none, else rewrites it. Refuses an empty name.
bool Save(Session &session, const Values &values);
bool Delete(Session &session);

} // namespace SystemName
