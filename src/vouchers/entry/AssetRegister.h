#pragma once

#include "vouchers/entry/EntryLine.h"

#include <optional>
#include <utility>
#include <vector>

class Db;

// The ACTIVOFIJO rows that voucher lines create, change and release. Every function runs in
// the caller's transaction (the line's).
class AssetRegister
{
public:
    AssetRegister(Db &db, QString company, QString headOffice);

    // The asset of `serial` (never "*"), with Status in `active`; nullopt when absent.
    std::optional<AssetData> find(const QString &serial, bool *active = nullptr) const;
    // The catalogue of assets in service; no parameters beyond company and head office.
    static QString catalog();
    // The asset categories (code, name), by name.
    static std::vector<std::pair<int, QString>> categories(Db &db);

    // After a line on `account` was written: a purchase creates or updates the row, a
    // retirement retires it (Status 0), a variation leaves it as it is.
    void recordLine(const QString &account, const AssetData &asset);
    // Whether deleting the purchase line of `serial` must wait for its variation and
    // retirement lines (posted, or in any work area outside `exceptGroup` of `user`).
    bool hasLaterLines(const QString &serial, const QString &user, int exceptGroup) const;
    // After a line was deleted: a purchase removes the row, a retirement puts it back in
    // service.
    void releaseLine(const QString &serial, AssetMovement movement);

private:
    Db &m_db;
    QString m_company;
    QString m_headOffice;
};
