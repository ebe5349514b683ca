#include "platform/Transaction.h"

#include "platform/Db.h"

namespace {
QString savepointName(int level)
{
    return QStringLiteral("valdoria_sp%1").arg(level);
}
} // namespace

Transaction::Transaction(Db &db)
    : m_db(db)
{
    m_level = m_db.m_transactionDepth + 1;
    if (m_level == 1)
        m_db.exec(m_db.dialect().beginTransaction());
    else
        m_db.exec(QStringLiteral("SAVEPOINT ") + savepointName(m_level));
    m_db.m_transactionDepth = m_level;
    m_active = true;
}

Transaction::~Transaction()
{
    if (!m_active)
        return;
    try {
        rollback();
    } catch (...) {
        // A failed rollback leaves the connection to the engine, which discards the
        // transaction when the connection closes; nothing more can be done here.
        m_db.m_transactionDepth = m_level - 1;
        m_active = false;
    }
}

void Transaction::commit()
{
    if (!m_active)
        return;
    if (m_level == 1)
        m_db.exec(QStringLiteral("COMMIT"));
    else
        m_db.exec(QStringLiteral("RELEASE SAVEPOINT ") + savepointName(m_level));
    m_db.m_transactionDepth = m_level - 1;
    m_active = false;
}

void Transaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    m_db.m_transactionDepth = m_level - 1;
    if (m_level == 1) {
        m_db.exec(QStringLiteral("ROLLBACK"));
    } else {
        m_db.exec(QStringLiteral("ROLLBACK TO SAVEPOINT ") + savepointName(m_level));
        m_db.exec(QStringLiteral("RELEASE SAVEPOINT ") + savepointName(m_level));
    }
}
