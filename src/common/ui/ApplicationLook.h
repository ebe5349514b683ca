#pragma once

#include <QIcon>
#include <QString>

class QApplication;

// What every window of the application shares in its look: one set of icons, whatever the
// desktop offers, the application's icon on every window, and read-only fields that look
// read-only.
namespace ApplicationLook {

// Installs the above on `app`; called once, before the first window.
void install(QApplication &app);

// The icon of a record-toolbar operation ("Nuevo", "Imprimir", ...), the same in every window;
// a null icon for a key that has none.
QIcon operationIcon(const QString &key);
// The icon of the application and of every window it opens.
QIcon applicationIcon();

} // namespace ApplicationLook
