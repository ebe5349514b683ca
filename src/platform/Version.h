#pragma once

#include <QString>

// The version of this build ("0.1.0"), the one every window, the command line and the
// database's records show.
QString ApplicationVersion();
