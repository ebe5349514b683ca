#include "app/cli/VoucherImportCommand.h"

#include "platform/Db.h"
#include "platform/DbError.h"
#include "shell/DatabaseSetup.h"
#include "vouchers/import/VoucherImport.h"
#include "vouchers/import/VoucherImportFile.h"

#include <pwd.h>
#include <unistd.h>

namespace VoucherImportCommand {

namespace {

constexpr int Done = 0, Failed = 1, Refused = 3;

void refused(QTextStream &err, const ImportProblem &problem)
{
    err << "Archivo rechazado; no se contabilizó ningún comprobante.\n" << problem.text() << "\n";
}

} // namespace

QList<QCommandLineOption> options()
{
    return {{"user", "Con vouchers import: usuario que registra las líneas.", "usuario"}};
}

QString defaultUser()
{
    QString name = qEnvironmentVariable("USER");
    if (name.trimmed().isEmpty()) {
        if (const passwd *pw = getpwuid(geteuid()))
            name = QString::fromLocal8Bit(pw->pw_name);
    }
    return name.trimmed().toUpper();
}

int Run(Db &db, const QString &company, const QString &user, const QString &file, QTextStream &out,
        QTextStream &err)
{
    const auto read = VoucherImportFile::read(file);
    if (!read.ok()) {
        refused(err, *read.problem);
        return Refused;
    }
    const auto outcome = VoucherImport(db).run(company, user, read.vouchers);
    if (!outcome.ok()) {
        refused(err, *outcome.problem);
        return Refused;
    }
    int lines = 0;
    for (const VoucherImport::Posted &p : outcome.posted) {
        out << p.reference << ": comprobante " << p.type << " número " << p.number << "\n";
        lines += p.lines;
    }
    out << "Comprobantes contabilizados: " << outcome.posted.size() << " (" << lines
        << " líneas), usuario " << user << ".\n";
    return Done;
}

int Run(const ConnectionSettings &settings, const QString &company, const QString &user,
        const QString &file, QTextStream &out, QTextStream &err)
{
    try {
        auto db = Db::open(settings);
        DatabaseSetup setup(*db);
        const DatabaseSetup::State state = setup.state();
        const QString where = QStringLiteral("La base de datos ") + settings.describe();
        if (state == DatabaseSetup::State::Empty) {
            err << where << " está vacía: use 'init' para crearla.\n";
            return Refused;
        }
        if (state == DatabaseSetup::State::Older) {
            err << where << " es de una versión anterior: actualícela primero con 'migrate'.\n";
            return Refused;
        }
        if (const QString refusal = setup.refusal(state, where); !refusal.isEmpty()) {
            err << refusal << "\n";
            return Refused;
        }
        return Run(*db, company, user, file, out, err);
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return Failed;
    }
}

} // namespace VoucherImportCommand
