#pragma once

class Connector;
class WindowRegistry;
struct Session;

// Registers every window of the system under the class name its navigation nodes use.
void RegisterStandardWindows(WindowRegistry &registry, Session &session, Connector &connector);
