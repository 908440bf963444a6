#include "Application.h"

#include "AppLogging.h"
#include "AppPaths.h"
#include "AppState.h"
#include "Environment.h"
#include "ImportCommand.h"
#include "LanguageSetup.h"
#include "SingleInstance.h"
#include "data/Database.h"
#include "data/FilePrivacy.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/screens/RestoreFlow.h"
#include "ui/widgets/MessageBoxes.h"
#include "update/StartupUpdates.h"

#include <QDir>
#include <QFontDatabase>
#include <QIcon>
#include <QLocale>
#include <QSettings>
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
    // Lets the desktop match the windows to the installed menu entry and icon.
    setDesktopFileName(QStringLiteral("com.mellowindvantor.ledgerine"));

    installTranslators();
    installIconAndFont();
}

Application::~Application()
{
    // Windows go before the state they show, and the data is closed before
    // the lock that keeps a second start away from it goes.
    m_mainWindow.reset();
    delete m_appState;
    m_appState = nullptr;
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
    const LanguageSetup::Translators installed
        = LanguageSetup::install(resolveLanguage(true), this);
    m_qtTranslator = installed.qtBase;
    m_appTranslator = installed.app;
}

void Application::installIconAndFont()
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/app_icon.png")));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
}

QString Application::databaseErrorText(const StoreFailure& failure, const QString& dataDirectory)
{
    QString reason;
    switch (failure.kind) {
    case StoreFailure::Kind::NewerSchema:
        reason = tr("This data was made by a newer version of Mellowind Ledgerine (data version "
                    "%1). This version understands data up to version %2.")
                     .arg(failure.version)
                     .arg(Database::latestVersion());
        break;
    case StoreFailure::Kind::MissingTables:
        reason = tr("Required tables are missing: %1.").arg(failure.detail);
        break;
    case StoreFailure::Kind::LibraryMismatch:
        reason = tr("The SQLite library of Qt's database driver differs from the one this "
                    "program was built with (driver / program: %1).")
                     .arg(failure.detail);
        break;
    case StoreFailure::Kind::Permissions:
        reason = failure.detail.isEmpty() ? QString() : failure.detail + QStringLiteral("\n\n");
        reason += tr("Please check file permissions and try again.");
        break;
    case StoreFailure::Kind::Damaged: reason = damagedLedgerText(failure.detail); break;
    case StoreFailure::Kind::ReadOnlyOutdated:
        reason = tr("The ledger file is read-only, and this version of Mellowind Ledgerine has to "
                    "update it before it can open it. Allow writing to it and try again.");
        break;
    case StoreFailure::Kind::Sqlite:
    case StoreFailure::Kind::None: reason = failure.detail; break;
    }
    QString text = tr("Failed to initialize the database.\n\nData directory: %1")
                       .arg(QDir::toNativeSeparators(dataDirectory));
    if (!reason.isEmpty())
        text += QStringLiteral("\n\n") + reason;
    return text;
}

QString Application::damagedLedgerText(const QString& reason)
{
    return tr(
        "The ledger file is damaged (%1). Restore a backup from File › Import Backup, or open "
        "it with an SQLite tool.")
        .arg(reason);
}

void Application::bringToFront()
{
    if (!m_mainWindow)
        return;
    qCInfo(lcApp) << "Another start asked for the window";
    m_mainWindow->setWindowState(m_mainWindow->windowState() & ~Qt::WindowMinimized);
    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

int Application::run()
{
    const QString dataDirectory = AppPaths::dataDirectory();
    // The lock lives in the directory; one that cannot be made is reported by
    // the database start below.
    FilePrivacy::makePrivateDirectory(dataDirectory);
    m_instance = new SingleInstance(dataDirectory, this);

    // Arguments mean a scripted import, which opens no window.
    if (ImportCommand::isRequested(arguments())) {
        if (!m_instance->holdQuietly()) {
            std::fprintf(stderr, "%s\n",
                qPrintable(tr("Mellowind Ledgerine is running with this data (%1); close it "
                              "before importing.")
                               .arg(QDir::toNativeSeparators(dataDirectory))));
            return 1;
        }
        return ImportCommand::run(arguments());
    }

    switch (m_instance->claim()) {
    case SingleInstance::Claim::HandedOver: return 0;
    case SingleInstance::Claim::Unanswered:
        MessageBoxes::critical(nullptr, tr("Mellowind Ledgerine"),
            tr("Mellowind Ledgerine is already running with this data (%1).")
                .arg(QDir::toNativeSeparators(dataDirectory)));
        return 1;
    case SingleInstance::Claim::Primary: break;
    }
    connect(m_instance, &SingleInstance::activationRequested, this, &Application::bringToFront);
    if (!startSession())
        return 1;
    return exec();
}

bool Application::startSession()
{
    const QString dataDirectory = AppPaths::dataDirectory();
    for (;;) {
        m_appState = new AppState(this);
        if (m_appState->initialize())
            break;
        const StoreFailure failure = m_appState->failure();
        delete m_appState;
        m_appState = nullptr;
        const QString text = databaseErrorText(failure, dataDirectory);
        if (failure.kind != StoreFailure::Kind::Damaged) {
            MessageBoxes::critical(nullptr, tr("Database Error"), text);
            return false;
        }
        // The way out the message names: a new ledger from a backup.
        if (MessageBoxes::criticalOffer(nullptr, tr("Database Error"), text, tr("Import Backup..."))
            != QMessageBox::Ok)
            return false;
        const QString archive = RestoreFlow::askArchive(nullptr);
        if (!archive.isEmpty())
            RestoreFlow::replaceDamagedLedger(nullptr, AppPaths::databasePath(), archive);
    }

    auto window = std::make_unique<MainWindow>(m_appState);
    connect(window.get(), &MainWindow::ledgerReplacementRequested, this,
        &Application::replaceLedger, Qt::QueuedConnection);
    m_mainWindow = std::move(window);
    m_mainWindow->show();

    auto* updates = new MellUpdate::StartupUpdates(MellUpdate::UpdateConfig::forThisBuild(),
        QStringLiteral("Mellowind Ledgerine"), m_appState->preferences(), m_mainWindow.get());
    updates->showWhatsNewIfNew();
    updates->scheduleCheck(1500);
    // Damage on pages the start did not read shows up here, off the window's thread.
    m_appState->startIntegrityCheck();
    return true;
}

void Application::replaceLedger(const QString& archivePath)
{
    // The boxes on the way are for a while the only windows: closing them is no quit.
    setQuitOnLastWindowClosed(false);
    // The damaged file is closed (without being written) before it is moved aside.
    m_mainWindow.reset();
    delete m_appState;
    m_appState = nullptr;
    RestoreFlow::replaceDamagedLedger(nullptr, AppPaths::databasePath(), archivePath);
    const bool started = startSession();
    setQuitOnLastWindowClosed(true);
    if (!started)
        exit(1);
}
