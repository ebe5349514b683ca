#pragma once

#include "shell/admin/AdminAccess.h"

#include <QString>
#include <QVariantList>
#include <vector>

struct Session;

// Which companies a user who is not an administrator may open (USUARIOEMPRESA). Changing it
// changes the user's rights, so only administrators save it.
class CompanyUserAssignment
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_empresasusuario");
    static inline const QString UnknownUserText = QStringLiteral("¡El usuario no existe!");

    struct Company
    {
        QString codigo;
        QString nombre;
        int tipo = 1; // 1 head office, 0 branch
        QString codigoMatriz;
        QString nombreMatriz;
        bool assigned = false;

        // A branch names its head office: "Centro (SUCURSAL Alfa C.A.)".
        QString caption() const;
    };

    enum class Result { Saved, UnknownUser, NotAllowed };

    explicit CompanyUserAssignment(Session &session, QString node = NodeCode);

    // The lookup of the users that can be assigned: active and in neither "SISTEMAS" nor
    // "SUPERGRUPO" (administrators open every company anyway). Columns Codigo, Nombre, Status.
    static QString UserLookupStatement();
    static QVariantList UserLookupParameters();

    // Every company, head offices first, ticked where `user` has it.
    std::vector<Company> companies(const QString &user) const;
    // Replaces the user's companies with the ticked ones, in one transaction.
    Result save(const QString &user, const std::vector<Company> &companies);

private:
    Session &m_session;
    AdminAccess m_access;
};
