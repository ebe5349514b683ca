#pragma once

#include "shell/admin/AdminAccess.h"
#include "shell/admin/PermissionEntry.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

struct Session;

// Groups of users: their permission flags, the navigation nodes they see and the toolbar
// operations they may use on each. "SISTEMAS" is invisible outside itself and cannot be
// deleted; only administrators change a group, since that changes its members' rights.
class GroupAdmin
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_grupos");
    static inline const QString EmptyFieldText = QStringLiteral("¡El campo no debe estar vacio!");
    static inline const QString ExistsText = QStringLiteral("El codigo de grupo existe");
    static inline const QString UnknownGroupText = QStringLiteral("¡El grupo no existe!");
    static inline const QString ProtectedText =
        QStringLiteral("¡El grupo SISTEMAS no puede eliminarse!");

    enum class Result { Saved, Deleted, MissingField, Exists, UnknownGroup, NotAllowed, Protected };
    enum class Field { None, Code, Name };

    struct Group
    {
        QString code;
        QString name;
        bool imprimirCheque = false;
        bool modificarMovimiento = false;
        bool mostrarUltMov = false;
        bool incTerceroMov = false;
        // Whether the group may modify everybody's vouchers; only with ModificarMovimiento.
        bool tipoModificacion = false;
    };
    // What the permission tree marked.
    struct Marks
    {
        QStringList nodes;
        std::vector<std::pair<QString, int>> options; // (node, operation code)
    };

    explicit GroupAdmin(Session &session, QString node = NodeCode);

    // The groups the caller may see, by code.
    std::vector<Group> groups() const;
    std::optional<Group> group(const QString &code) const;
    // Every navigation node, each function followed by the operations it offers, marked as
    // `group` was granted them (nothing marked for an empty code). Parents come first.
    std::vector<PermissionEntry> permissionEntries(const QString &group) const;

    Result create(const Group &group, const Marks &marks);
    Result modify(const Group &group, const Marks &marks);
    Result remove(const QString &code);
    Field failedField() const { return m_failedField; }

    static QString NormalizeCode(const QString &code) { return code.trimmed().toUpper(); }

private:
    Result validate(const Group &group);
    Result refuse(Result result, const QString &text, Field field = Field::None);
    void writeGroupRow(const Group &group, bool isNew);
    void writeGrants(const QString &code, const Marks &marks);
    bool visible(const QString &code) const;

    Session &m_session;
    AdminAccess m_access;
    Field m_failedField = Field::None;
};
