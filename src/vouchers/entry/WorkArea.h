#pragma once

#include "vouchers/entry/WorkAreaRow.h"

#include <QDate>
#include <QString>
#include <QVariantList>
#include <optional>
#include <vector>

class Db;

// Where a user's unapproved voucher lives: the work area REGISTRO (per user and company), or
// the consolidation area CONSOLIDACION (per user, entering company and receiving company).
// It knows its table and the key columns every statement on it filters by.
class WorkArea
{
public:
    enum class Table { Registro, Consolidacion };

    static WorkArea registro(const QString &user, const QString &company,
                             const QString &headOffice);
    // Lines that `enteringCompany` generates for `receivingCompany`; lines written here
    // belong to the originating voucher's line group `originLine` (LineaPertenece).
    static WorkArea consolidacion(const QString &user, const QString &enteringCompany,
                                  const QString &enteringHeadOffice,
                                  const QString &receivingCompany,
                                  const QString &receivingHeadOffice, int originLine = 0);

    Table table() const { return m_table; }
    QString tableName() const;
    const QString &user() const { return m_user; }
    // The company whose books the lines go to (Empresa, Matriz).
    const QString &company() const { return m_company; }
    const QString &headOffice() const { return m_headOffice; }
    // The company that entered them (EmpresaC, MatrizC); the same company for REGISTRO.
    const QString &enteringCompany() const { return m_enteringCompany; }
    const QString &enteringHeadOffice() const { return m_enteringHeadOffice; }
    int originLine() const { return m_originLine; }

    // "R.Usuario = ? AND R.Empresa = ? AND R.Matriz = ?" (plus EmpresaC, MatrizC) and its
    // values; an empty alias leaves the columns unqualified.
    QString keyCondition(const QString &alias = QStringLiteral("R")) const;
    QVariantList keyValues() const;
    // Key columns and values for an INSERT, in the same order.
    QStringList keyColumns() const;

    // One more than the highest line number; 1 when empty.
    int nextLine(Db &db) const;
    bool isEmpty(Db &db) const;
    // Every row, in line order, as the grid shows it.
    std::vector<WorkAreaRow> rows(Db &db) const;
    // The date of the voucher held; nullopt when empty.
    std::optional<QDate> voucherDate(Db &db) const;

private:
    Table m_table = Table::Registro;
    QString m_user, m_company, m_headOffice, m_enteringCompany, m_enteringHeadOffice;
    int m_originLine = 0;
};
