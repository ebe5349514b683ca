#include "common/grid/WorkstationIdentity.h"

#include "common/Prompter.h"
#include "platform/Workstation.h"

#include <cerrno>

namespace {

WorkstationIdentity::HostName readHostName()
{
    errno = 0;
    const QString name = Workstation::LocalHostName();
    return {name, name.isEmpty() ? errno : 0};
}

// The two routines word the failure differently (two blanks after the full stop, or one);
// both are kept letter for letter.
QString hostNameFailure(int error, const char *separator)
{
    return QStringLiteral("Windows Sockets error ") + QString::number(error) +
           QLatin1String(" has occurred.") + QLatin1String(separator) +
           QStringLiteral("Unable to successfully get Host Name.");
}

} // namespace

WorkstationIdentity::WorkstationIdentity(Prompter &prompter)
    : WorkstationIdentity(prompter, readHostName, Workstation::LocalIpAddress)
{
}

WorkstationIdentity::WorkstationIdentity(Prompter &prompter, HostNameReader hostName,
                                         AddressReader address)
    : m_prompter(prompter)
    , m_hostName(std::move(hostName))
    , m_address(std::move(address))
{
}

QString WorkstationIdentity::LocalHostName() const
{
    const HostName host = m_hostName();
    if (host.name.isEmpty()) {
        m_prompter.error(hostNameFailure(host.error, "  "));
        return {};
    }
    return host.name;
}

QString WorkstationIdentity::LocalIpAddress() const
{
    const HostName host = m_hostName();
    if (host.name.isEmpty()) {
        m_prompter.error(hostNameFailure(host.error, " "));
        return {};
    }
    const QString address = m_address();
    return address.isEmpty() ? QStringLiteral("127.0.0.1") : address;
}
