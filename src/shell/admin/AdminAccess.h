#pragma once

#include <QString>
#include <QStringList>

struct Session;

// What the caller of an administration service may do there: the toolbar operations his
// groups were granted on the window's node, and the administrators' privilege over other
// users' passwords and rights. Each check that fails tells the user why.
class AdminAccess
{
public:
    AdminAccess(Session &session, QString node);

    const QString &node() const { return m_node; }
    // Member of "SISTEMAS": sees that group and its members.
    bool isSystemsUser() const;
    // Member of "SISTEMAS" or "SUPERGRUPO": may change other users' passwords and rights.
    bool isAdministrator() const;

    // True when the caller may use every one of `options` on the node.
    bool require(const QStringList &options) const;
    bool requireAdministrator() const;
    // The refusal every check gives.
    void refuse() const;

    // Whether `user` belongs to "SISTEMAS", for the protection of that group's members.
    bool inSystemsGroup(const QString &user) const;

private:
    Session &m_session;
    QString m_node;
};
