#pragma once

#include <QString>
#include <functional>

class Prompter;

// This workstation's name and address as the session registry, the login log and the
// audits record them, with the messages the user gets when the name cannot be read.
class WorkstationIdentity
{
public:
    struct HostName
    {
        QString name; // empty when it could not be read
        int error = 0;
    };
    using HostNameReader = std::function<HostName()>;
    using AddressReader = std::function<QString()>;

    // Reads this machine.
    explicit WorkstationIdentity(Prompter &prompter);
    // Reads through the given functions (tests, or a workstation that must be named).
    WorkstationIdentity(Prompter &prompter, HostNameReader hostName, AddressReader address);

    // The host name; empty, after a message, when it cannot be read.
    QString LocalHostName() const;
    // The first IPv4 address of the host ("127.0.0.1" without a network); empty, after a
    // message, when the host name cannot be read.
    QString LocalIpAddress() const;

private:
    Prompter &m_prompter;
    HostNameReader m_hostName;
    AddressReader m_address;
};
