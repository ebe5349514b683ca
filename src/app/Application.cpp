#include "app/Application.h"

#include "platform/DataFolder.h"
#include "platform/Db.h"
#include "platform/SingleInstance.h"
#include "shell/DatabaseSetup.h"
#include "shell/Startup.h"
#include "shell/SystemData.h"
#include "shell/ui/SplashWindow.h"
#include "shell/ui/frmConfServidor.h"
#include "shell/ui/frmPrincipal.h"

#include <QApplication>
#include <QMessageBox>

Application::Application()
    : m_dataFolder(DataFolder::path())
    , m_connector(m_session, m_dataFolder)
{
    m_session.prompter = &m_prompter;
    m_session.settings = &m_settings;
}

Application::~Application() = default;

bool Application::showServerConfiguration()
{
    frmConfServidor window(m_session, m_connector, m_prompter);
    window.exec();
    return window.connected();
}

bool Application::ConnectToServer()
{
    switch (Startup::ConnectFromFile(m_session, m_connector)) {
    case Startup::FileConnection::Connected:
        if (!DatabaseSetup(*m_connector.connection()).prepare(m_prompter))
            return false;
        return true;
    case Startup::FileConnection::Failed:
        m_prompter.warning(m_connector.lastError());
        return showServerConfiguration();
    case Startup::FileConnection::NoFile:
        return showServerConfiguration();
    }
    return false;
}

int Application::Main()
{
    SingleInstance instance;
    if (!instance.acquire()) {
        QMessageBox::warning(nullptr, QStringLiteral("Orvan-Información"),
                             QStringLiteral("La aplicación se esta ejecutando...!"));
        return 1;
    }

    if (qEnvironmentVariableIsEmpty("VALDORIA_NO_SPLASH")) {
        SplashWindow splash(QStringLiteral("Valdoria"));
        splash.runModal();
    }

    if (!ConnectToServer()) {
        m_prompter.warning(QStringLiteral("No hay conexión con la base de datos. "
                                          "Valdoria se cerrará."));
        return 1;
    }
    try {
        SystemData::LoadSystemData(m_session, m_dataFolder);
    } catch (const DbError &e) {
        m_prompter.error(e.userText());
        return 1;
    }

    m_main = std::make_unique<frmPrincipal>(m_session, m_connector, m_settings, m_prompter);
    m_prompter.setParent(m_main.get());
    QObject::connect(m_main.get(), &frmPrincipal::loginRequested, m_main.get(),
                     &frmPrincipal::runLogin);
    m_main->showMaximized();
    m_main->startLoginTimer();
    const int code = QApplication::exec();
    m_prompter.setParent(nullptr);
    m_main.reset();
    return code;
}
