#include "platform/MigrationRunner.h"

#include "platform/Db.h"
#include "platform/Transaction.h"

#include <algorithm>

MigrationRunner::MigrationRunner(Db &db, std::vector<Migration> migrations)
    : m_db(db)
    , m_migrations(std::move(migrations))
{
    std::sort(m_migrations.begin(), m_migrations.end(),
              [](const Migration &a, const Migration &b) { return a.version < b.version; });
}

int MigrationRunner::currentVersion() const
{
    if (!m_db.hasTable(versionTable()))
        return 0;
    return m_db.scalar(QStringLiteral("SELECT MAX(Version) FROM VALDORIA_ESQUEMA")).toInt();
}

int MigrationRunner::latestVersion() const
{
    return m_migrations.empty() ? 0 : m_migrations.back().version;
}

void MigrationRunner::ensureVersionTable()
{
    if (m_db.hasTable(versionTable()))
        return;
    TableDef t(versionTable());
    t.integer("Version").text("Descripcion", 200).timestamp("Aplicada").primaryKey({"Version"});
    m_db.execScript(m_db.dialect().createTable(t));
}

int MigrationRunner::migrate(const std::function<void(const Migration &)> &onStep)
{
    const int latest = latestVersion();
    int applied = 0;
    for (const Migration &m : m_migrations) {
        Transaction tx(m_db);
        // Two workstations upgrading at the same moment: the second waits here and then
        // finds the step done, instead of running it twice.
        if (const QString lock = m_db.dialect().schemaLock(); !lock.isEmpty())
            m_db.scalar(lock);
        const int current = currentVersion();
        if (current > latest)
            throw DbError(QStringLiteral("La base de datos tiene la versión de esquema %1, más "
                                         "nueva que la versión %2 que conoce este programa. "
                                         "Actualice Valdoria en esta estación antes de abrirla.")
                              .arg(current)
                              .arg(latest));
        if (m.version <= current)
            continue;
        ensureVersionTable();
        if (onStep)
            onStep(m);
        m.apply(m_db);
        m_db.exec(QStringLiteral("INSERT INTO VALDORIA_ESQUEMA (Version, Descripcion, Aplicada) "
                                 "VALUES (?, ?, %1)")
                      .arg(m_db.dialect().currentTimestamp()),
                  {m.version, m.description});
        tx.commit();
        ++applied;
    }
    return applied;
}
