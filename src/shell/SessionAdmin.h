#pragma once

#include <QString>

class CatalogPicker;
struct Session;

// Clearing the session rows that workstations left behind (a program that ended abnormally
// keeps its user locked out of that company elsewhere).
namespace SessionAdmin {

// Every session row except the caller's own on this workstation: company, its name, head
// office, its name, user, user name, date, workstation.
QString StaleSessionsQuery();

// Offers the rows through the lookup, asks, and deletes the picked row. Administrators only.
// True when a row was deleted.
bool CloseSession(Session &session, CatalogPicker &picker, const QString &hostName);

} // namespace SessionAdmin
