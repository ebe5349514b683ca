#include "platform/Version.h"

// VALDORIA_VERSION comes from the project's version in the build, for this file only.
QString ApplicationVersion()
{
    return QStringLiteral(VALDORIA_VERSION);
}
