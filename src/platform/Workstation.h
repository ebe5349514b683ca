#pragma once

#include <QString>

// Identity of this workstation as the session registry, the login log and the audits record it.
namespace Workstation {
QString LocalHostName();
// First IPv4 address of an active, non-loopback interface; "127.0.0.1" when there is none.
QString LocalIpAddress();
} // namespace Workstation
