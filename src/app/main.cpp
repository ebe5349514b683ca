// valdoria: the desktop application.
#include "app/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

namespace {
// Without a display Qt would abort with a message about platform plugins; say it plainly.
bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
} // namespace

int main(int argc, char **argv)
{
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "valdoria: no hay pantalla disponible (DISPLAY no está definido).\n"
                     "Para administrar la base de datos sin pantalla use valdoria-cli "
                     "(valdoria-cli --help).\n"
                     "Para abrir las ventanas sin pantalla real: QT_QPA_PLATFORM=offscreen o "
                     "xvfb-run.\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Valdoria"));
    QApplication::setOrganizationName(QStringLiteral("ServidorSQL"));
    QApplication::setApplicationVersion(QStringLiteral(VALDORIA_VERSION));
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Venezuela));

    QTranslator qtSpanish;
    if (qtSpanish.load(QStringLiteral("qtbase_es"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);

    Application valdoria;
    valdoria.setDemo(QApplication::arguments().contains(QStringLiteral("--demo")));
    return valdoria.Main();
}
