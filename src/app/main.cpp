// valdoria: the desktop application.
#include "app/Application.h"
#include "common/ui/ApplicationLook.h"
#include "platform/Version.h"
#include "platform/memory/LargePages.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <cstdio>
#include <exception>

namespace {
// Without a display Qt would abort with a message about platform plugins; say it plainly.
bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Whatever escaped every window ends the program with a message instead of an abort.
void reportFailure(const QString &what, bool window)
{
    const QString text = QStringLiteral("Valdoria se cerrará por un error inesperado:\n") + what;
    std::fprintf(stderr, "valdoria: %s\n", text.toLocal8Bit().constData());
    if (window)
        QMessageBox::critical(nullptr, QStringLiteral("Valdoria"), text);
}

int run(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Valdoria"));
    QApplication::setOrganizationName(QStringLiteral("ServidorSQL"));
    QApplication::setApplicationVersion(ApplicationVersion());
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Venezuela));
    ApplicationLook::install(app);

    QTranslator qtSpanish;
    if (qtSpanish.load(QStringLiteral("qtbase_es"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);

    try {
        Application valdoria;
        valdoria.setDemo(QApplication::arguments().contains(QStringLiteral("--demo")));
        return valdoria.Main();
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()), true);
    } catch (...) {
        reportFailure(QStringLiteral("error desconocido"), true);
    }
    return 1;
}
} // namespace

int main(int argc, char **argv)
{
    UseLargeMemoryPages();
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "valdoria: no hay pantalla disponible (DISPLAY no está definido).\n"
                     "Para administrar la base de datos sin pantalla use valdoria-cli "
                     "(valdoria-cli --help).\n"
                     "Para abrir las ventanas sin pantalla real: QT_QPA_PLATFORM=offscreen o "
                     "xvfb-run.\n");
        return 2;
    }
    try {
        return run(argc, argv);
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()), false);
    } catch (...) {
        reportFailure(QStringLiteral("error desconocido"), false);
    }
    return 1;
}
