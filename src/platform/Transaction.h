#pragma once

class Db;

// RAII write transaction: rolls back unless commit() was called. A guard opened inside
// another one becomes a savepoint, so procedures can run inside their caller's transaction.
class Transaction
{
public:
    explicit Transaction(Db &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();
    void rollback();
    bool isActive() const { return m_active; }

private:
    Db &m_db;
    int m_level = 0;  // 1 = outermost
    bool m_active = false;
};
