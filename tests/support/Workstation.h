#pragma once

#include "common/Session.h"
#include "platform/Db.h"
#include "platform/SettingsStore.h"
#include "shell/Connector.h"
#include "shell/DatabaseSetup.h"
#include "shell/ServerSetup.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>

// A workstation as the main window sees it: its own data folder and settings, a scripted
// prompter and the connector. `connectEmbedded()` opens a new embedded database in it.
struct TestWorkstation
{
    TestWorkstation()
        : settings(dir.filePath("settings.ini"))
        , connector(session, dir.path())
    {
        session.prompter = &prompter;
        session.settings = &settings;
        session.gNombreSistema = "Valdoria";
        session.gDescripcionSistema = "Valdoria - Sistema de Contabilidad";
    }

    // Returns false when the database could not be opened.
    bool connectEmbedded()
    {
        if (!connector.OpenConnection(ServerSetup::embeddedDefault()))
            return false;
        DatabaseSetup(session.db()).migrate();
        session.gServidor = "(local)";
        return true;
    }
    Db &db() { return session.db(); }

    QTemporaryDir dir;
    Session session;
    SettingsStore settings;
    ScriptedPrompter prompter;
    Connector connector;
};
