#include "Application.h"

#include "AppPaths.h"
#include "AppState.h"
#include "Environment.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/widgets/MessageBoxes.h"
#include "update/StartupUpdates.h"

#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <QWidget>

#include <cstdio>

namespace {

const QString kLanguageKey = QStringLiteral("ui/language");

void quietMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg: return;
    case QtWarningMsg: std::fprintf(stderr, "WARN: %s\n", message.toLocal8Bit().constData()); break;
    case QtCriticalMsg:
    case QtFatalMsg: std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData()); break;
    }
    std::fflush(stderr);
}

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    if (!Environment::isSet("LEDGERINE_VERBOSE"))
        qInstallMessageHandler(quietMessageHandler);

    setOrganizationName(QStringLiteral("Mellowind"));
    setOrganizationDomain(QStringLiteral("mellowind.app"));
    setApplicationName(QStringLiteral("Ledgerine"));
    setApplicationVersion(QStringLiteral(LEDGERINE_VERSION));

    installTranslators();
    installIconAndFont();
}

Application::~Application()
{
    // Windows go before the state they show.
    m_mainWindow.reset();
}

QStringList Application::supportedLanguages()
{
    return { QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("fr"),
        QStringLiteral("ja") };
}

QString Application::resolveLanguage(bool resolveSystem)
{
    const QString stored = QSettings().value(kLanguageKey, QStringLiteral("system")).toString();
    if (!resolveSystem || stored != QLatin1String("system"))
        return stored;
    const QString system = QLocale::system().name().left(2);
    return supportedLanguages().contains(system) ? system : QStringLiteral("en");
}

void Application::setLanguage(const QString& code)
{
    QSettings().setValue(kLanguageKey, code);
}

void Application::installTranslators()
{
    const QString code = resolveLanguage(true);
    if (code != QLatin1String("en")) {
        auto* qtTranslator = new QTranslator(this);
        if (qtTranslator->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            installTranslator(qtTranslator);
            m_qtTranslator = qtTranslator;
        } else {
            delete qtTranslator;
        }
    }
    auto* appTranslator = new QTranslator(this);
    if (appTranslator->load(QStringLiteral(":/i18n/ledgerine_%1.qm").arg(code))) {
        installTranslator(appTranslator);
        m_appTranslator = appTranslator;
    } else {
        delete appTranslator;
    }
}

void Application::installIconAndFont()
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/app_icon.png")));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
}

int Application::run()
{
    m_appState = new AppState(this);
    if (!m_appState->initialize()) {
        MessageBoxes::critical(nullptr, tr("Database Error"),
            tr("Failed to initialize the database.\n\nData directory: %1\n\nPlease check file "
               "permissions and try again.")
                .arg(AppPaths::dataDirectory()));
        return 1;
    }

    m_mainWindow = std::make_unique<MainWindow>(m_appState);
    m_mainWindow->show();

    auto* updates = new MellUpdate::StartupUpdates(MellUpdate::UpdateConfig::forThisBuild(),
        QStringLiteral("Mellowind Ledgerine"), m_appState->preferences(), m_mainWindow.get());
    updates->showWhatsNewIfNew();
    updates->scheduleCheck(1500);

    return exec();
}
