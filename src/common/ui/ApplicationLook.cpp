#include "common/ui/ApplicationLook.h"

#include "common/ui/ReadOnlyLook.h"

#include <QApplication>
#include <QHash>
#include <QStandardPaths>
#include <QStyle>

namespace ApplicationLook {

namespace {

// The theme whose icons the application is drawn with when the desktop has none of its own
// (a bare window manager, the offscreen platform): full-colour icons at every toolbar size.
const QString FallbackTheme = QStringLiteral("Adwaita");

QIcon themed(const char *name, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QLatin1String(name), QApplication::style()->standardIcon(fallback));
}

} // namespace

void install(QApplication &app)
{
    if (!QIcon::hasThemeIcon(QStringLiteral("document-print"))) {
        // Without a desktop the toolkit does not even look where themes are installed.
        QStringList paths = QIcon::themeSearchPaths();
        for (const QString &dir : QStandardPaths::locateAll(
                 QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                 QStandardPaths::LocateDirectory))
            if (!paths.contains(dir))
                paths << dir;
        QIcon::setThemeSearchPaths(paths);
        QIcon::setThemeName(FallbackTheme);
    }
    app.setWindowIcon(applicationIcon());
    app.installEventFilter(new ReadOnlyLook(&app));
}

QIcon operationIcon(const QString &key)
{
    struct Icon
    {
        const char *theme;
        QStyle::StandardPixmap fallback;
    };
    // One picture per operation, never shared by two of them: "Imprimir" must not look like
    // "Guardar".
    static const QHash<QString, Icon> icons{
        {QStringLiteral("Nuevo"), {"document-new", QStyle::SP_FileIcon}},
        {QStringLiteral("Modificar"), {"accessories-text-editor", QStyle::SP_FileDialogDetailedView}},
        {QStringLiteral("Eliminar"), {"edit-delete", QStyle::SP_TrashIcon}},
        {QStringLiteral("Buscar"), {"edit-find", QStyle::SP_FileDialogContentsView}},
        {QStringLiteral("Imprimir"), {"document-print", QStyle::SP_FileDialogInfoView}},
        {QStringLiteral("Cancelar"), {"process-stop", QStyle::SP_DialogCancelButton}},
        {QStringLiteral("Guardar"), {"document-save", QStyle::SP_DialogSaveButton}},
        {QStringLiteral("Aprobar"), {"emblem-default", QStyle::SP_DialogApplyButton}},
        {QStringLiteral("Reprobar"), {"edit-undo", QStyle::SP_DialogNoButton}},
        {QStringLiteral("Salir"), {"window-close", QStyle::SP_DialogCloseButton}},
        {QStringLiteral("Subir"), {"go-up", QStyle::SP_ArrowUp}},
        {QStringLiteral("Bajar"), {"go-down", QStyle::SP_ArrowDown}},
        {QStringLiteral("Empresa"), {"go-home", QStyle::SP_DirHomeIcon}},
        {QStringLiteral("Sesion"), {"system-log-out", QStyle::SP_BrowserReload}},
        {QStringLiteral("SalirSistema"), {"application-exit", QStyle::SP_DialogCloseButton}},
        {QStringLiteral("Primera"), {"go-first", QStyle::SP_MediaSkipBackward}},
        {QStringLiteral("Anterior"), {"go-previous", QStyle::SP_ArrowBack}},
        {QStringLiteral("Siguiente"), {"go-next", QStyle::SP_ArrowForward}},
        {QStringLiteral("Ultima"), {"go-last", QStyle::SP_MediaSkipForward}},
        {QStringLiteral("ExportarPDF"), {"document-save-as", QStyle::SP_DriveFDIcon}},
    };
    const auto it = icons.constFind(key);
    return it == icons.constEnd() ? QIcon() : themed(it->theme, it->fallback);
}

QIcon applicationIcon()
{
    return themed("accessories-calculator", QStyle::SP_ComputerIcon);
}

} // namespace ApplicationLook
