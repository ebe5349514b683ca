#pragma once

#include "shell/admin/AdminAccess.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct Session;

// Users and their group memberships. Members of "SISTEMAS" are invisible to everybody outside
// that group; only administrators set other users' passwords and groups, and "SISTEMAS"
// always keeps an active member. Every refusal is told through the session's prompter.
class UserAdmin
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_usuarios");
    static inline const QString EmptyFieldText = QStringLiteral("¡El campo no debe estar vacio!");
    static inline const QString NoGroupText = QStringLiteral("¡Debe seleccionar un grupo!");
    static inline const QString ConfirmationText = QStringLiteral("¡Confirmación de clave errada!");
    static inline const QString DuplicateText = QStringLiteral("Registro duplicado!");
    static inline const QString UnknownUserText = QStringLiteral("¡El usuario no existe!");
    static inline const QString LastSystemsMemberText =
        QStringLiteral("¡El grupo SISTEMAS debe conservar al menos un usuario activo!");

    enum class Result {
        Saved,
        Deleted,
        MissingField, // failedField() says which
        NoGroup,
        ConfirmationDiffers,
        Duplicate,
        UnknownUser,
        NotAllowed,
        LastSystemsMember,
    };
    enum class Field { None, Code, Name, Password, Groups };

    struct Group
    {
        QString code;
        QString name;
    };
    struct User
    {
        QString code;
        QString name;
        bool active = true;
        QStringList groups; // codes; filled by user() only
    };
    // What the window typed. On a change, a password left empty (with its confirmation)
    // keeps the stored one.
    struct Input
    {
        QString code;
        QString name;
        QString password;
        QString verification;
        bool active = true;
        QStringList groups; // codes
    };

    explicit UserAdmin(Session &session, QString node = NodeCode);

    // The groups the caller may hand out: all of them for "SISTEMAS", the others otherwise.
    std::vector<Group> groups() const;
    // The users the caller may see, by name.
    std::vector<User> users() const;
    // One visible user with his groups; nullopt when absent or hidden from the caller.
    std::optional<User> user(const QString &code) const;

    Result create(const Input &input);
    Result modify(const Input &input);
    Result remove(const QString &code);
    // The field a MissingField, NoGroup or ConfirmationDiffers refusal is about.
    Field failedField() const { return m_failedField; }

    // Codes are kept as the login looks them up: trimmed and upper-cased.
    static QString NormalizeCode(const QString &code) { return code.trimmed().toUpper(); }

private:
    Result validate(const Input &input, bool isNew);
    Result refuse(Result result, const QString &text, Field field = Field::None);
    // Within the caller's transaction: false when `code` is the last active member of
    // "SISTEMAS" and would stop being one.
    bool keepsSystemsMember(const QString &code, bool staysActiveMember);
    void writeGroups(const QString &code, const QStringList &groups);
    QStringList existingGroups(const QStringList &codes) const;

    Session &m_session;
    AdminAccess m_access;
    Field m_failedField = Field::None;
};
