#include "app/Application.h"

#include "app/StandardWindows.h"
#include "common/grid/ui/clsSpread.h"
#include "common/report/PrintGrid.h"
#include "common/report/ui/WorkstationReportOutput.h"
#include "demo/DemoCompany.h"
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
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

Application::Application()
    : m_dataFolder(DataFolder::path())
    , m_connector(m_session, m_dataFolder)
{
    m_session.prompter = &m_prompter;
    m_session.settings = &m_settings;
    RegisterStandardWindows(m_windows, m_session, m_connector);
}

Application::~Application() = default;

bool Application::showServerConfiguration()
{
    frmConfServidor window(m_session, m_connector, m_prompter);
    window.exec();
    return window.connected();
}

bool Application::ConnectToDemo()
{
    ServerConfig demo;
    demo.server = ServerConfig::LocalServer;
    demo.database = QStringLiteral("valdoria-demo");
    const bool isNew = !QFileInfo::exists(demo.toConnectionSettings(m_dataFolder).database);
    DataFolder::create(m_dataFolder);
    if (!m_connector.OpenConnection(demo)) {
        m_prompter.warning(m_connector.lastError());
        return false;
    }
    m_session.gServidor = demo.server;
    try {
        if (isNew) {
            const DemoCompany::Summary summary = DemoCompany::Create(*m_connector.connection());
            m_prompter.info(QStringLiteral("Se creó la base de datos de demostración.\n\n") +
                                summary.credentials.join(QLatin1Char('\n')),
                            QStringLiteral("Demostración"));
            return true;
        }
    } catch (const std::exception &e) {
        // A DbError, or a password hash that could not be made: the demo was not written.
        const auto *dbError = dynamic_cast<const DbError *>(&e);
        m_prompter.error(dbError ? dbError->userText() : QString::fromUtf8(e.what()));
        m_connector.CloseConnection();
        QFile::remove(demo.toConnectionSettings(m_dataFolder).database);
        return false;
    }
    return DatabaseSetup(*m_connector.connection()).prepare(m_prompter);
}

bool Application::ConnectToServer()
{
    if (m_demo)
        return ConnectToDemo();
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
    m_session.host = m_main.get();
    m_reports =
        std::make_unique<WorkstationReportOutput>(m_prompter, m_main.get(), &m_settings);
    m_session.reports = m_reports.get();
    InstallDisbursementWindow(m_main.get());
    clsSpread::setGridPrinter(
        [this](QWidget *, const QAbstractItemModel &rows, const QString &title) {
            PrintGrid(*m_reports, m_prompter, rows, {}, title);
        });
    m_main->setWindowFactory(
        [this](const QString &form, const QString &node) { return m_windows.create(form, node); });
    m_main->setWindowCheck([this](const QString &form) { return m_windows.contains(form); });
    QObject::connect(m_main.get(), &frmPrincipal::companySelectionRequested, m_main.get(),
                     &frmPrincipal::runCompanySelection);
    QObject::connect(m_main.get(), &frmPrincipal::loginRequested, m_main.get(),
                     &frmPrincipal::runLogin);
    m_main->showMaximized();
    m_main->startLoginTimer();
    const int code = QApplication::exec();
    m_prompter.setParent(nullptr);
    InstallDisbursementWindow(nullptr);
    m_session.host = nullptr;
    m_session.reports = nullptr;
    clsSpread::setGridPrinter({});
    m_reports.reset();
    m_main.reset();
    return code;
}
