#pragma once

#include "vouchers/import/VoucherImportFile.h"

#include <QString>
#include <optional>
#include <vector>

class Db;

// Posts the vouchers of a file from another system through the posting service, all or
// nothing: every code is checked against the catalogues first, then every voucher is posted
// in one transaction, and the first refusal rolls everything back.
class VoucherImport
{
public:
    struct Posted
    {
        QString reference;
        QString type;
        QString number;
        int lines = 0;
    };
    struct Outcome
    {
        std::vector<Posted> posted; // in the order of the file; empty when refused
        std::optional<ImportProblem> problem;
        bool ok() const { return !problem; }
    };

    explicit VoucherImport(Db &db);

    // Posts `vouchers` for `company` (its head office read from EMPRESA) with `user` as the
    // creator of the lines, who must be an active user: his groups decide, as for anyone
    // posting, whether a blocked month stops him.
    Outcome run(const QString &company, const QString &user,
                const std::vector<ImportedVoucher> &vouchers);

private:
    Db &m_db;
};
