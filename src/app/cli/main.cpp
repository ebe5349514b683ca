// valdoria-cli: database administration without a display.
#include "app/cli/AdminCommands.h"
#include "app/cli/PasswordInput.h"
#include "app/cli/ReportCommand.h"
#include "platform/Version.h"
#include "platform/memory/LargePages.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <exception>
#include <unistd.h>

int main(int argc, char **argv)
{
    UseLargeMemoryPages();
    try {
        const auto app = ReportCommand::makeApplication(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Valdoria"));
        QCoreApplication::setApplicationVersion(ApplicationVersion());
        QTextStream out(stdout);
        QTextStream err(stderr);
        return AdminCommands::Run(
            QCoreApplication::arguments().mid(1),
            [&err] { return PasswordInput::ReadAdministratorPassword(STDIN_FILENO, err); }, out,
            err);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "valdoria-cli: error inesperado: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "valdoria-cli: error inesperado.\n");
    }
    return 1;
}
