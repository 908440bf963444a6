#include "TestAppState.h"
#include "TestHttpServer.h"
#include "data/PreferencesRepository.h"
#include "ui/widgets/MessageBoxes.h"
#include "update/Client.h"
#include "update/Manifest.h"
#include "update/ReleaseNotesFetcher.h"
#include "update/StartupUpdates.h"
#include "update/UpdateCommands.h"
#include "update/UpdateDialog.h"
#include "update/WhatsNewDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>

using namespace MellUpdate;

namespace {

const QString kApp = QStringLiteral("Mellowind Ledgerine");
const QString kShownKey = QStringLiteral("whatsNew/lastShownVersion");

template <class T> T* openDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<T*>(widget); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

QString notesText(QWidget* dialog)
{
    return dialog->findChild<QTextBrowser*>(QStringLiteral("notesBrowser"))->toPlainText();
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

} // namespace

class TestUpdateFlows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void whatsNewOncePerVersion();
    void offersAtStartupAndFromTheMenu();
    void dialogsShowNotesAndOpenDownloads();

private:
    UpdateConfig config(const QString& version) const;
    void serveRelease(const QString& version);
    PreferencesRepository* preferences() const { return (*m_app)->preferences(); }

    std::unique_ptr<TestHttpServer> m_server;
    std::unique_ptr<TestAppState> m_app;
    std::unique_ptr<QWidget> m_window;
    UrlCatcher m_browser;
};

void TestUpdateFlows::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Mellowind");
    QCoreApplication::setApplicationName("LedgerineUpdateTest");
    QDesktopServices::setUrlHandler("https", &m_browser, "open");
}

void TestUpdateFlows::init()
{
    QSettings().clear();
    m_server = std::make_unique<TestHttpServer>();
    m_server->serve("/ledgerine/1.2.0/release-notes.md",
        { 200, "# Faster register\n\nSee [the guide](https://example.com/guide).\n", {} });
    m_app = std::make_unique<TestAppState>();
    m_window = std::make_unique<QWidget>();
}

void TestUpdateFlows::cleanup()
{
    m_window.reset();
    m_app.reset();
    m_server.reset();
    m_browser.urls.clear();
}

UpdateConfig TestUpdateFlows::config(const QString& version) const
{
    UpdateConfig config;
    config.manifestBaseUrl = m_server->url("/ledgerine/stable/");
    config.currentVersion = version;
    return config;
}

void TestUpdateFlows::serveRelease(const QString& version)
{
    const QJsonObject artifact { { "version", version }, { "released_at", "2024-05-01T10:00:00Z" },
        { "url", "https://downloads.example.com/ledgerine-" + version + ".tar.gz" },
        { "sha256", QString(64, QLatin1Char('0')) },
        { "release_notes_url", m_server->url("/ledgerine/1.2.0/release-notes.md").toString() } };
    const QJsonObject manifest { { "schema", 1 }, { "app", "ledgerine" }, { "channel", "stable" },
        { "artifacts", QJsonObject { { Manifest::platformKey(), artifact } } } };
    m_server->serve("/ledgerine/stable/latest.json", { 200, QJsonDocument(manifest).toJson(), {} });
}

void TestUpdateFlows::whatsNewOncePerVersion()
{
    const auto startUp = [this] {
        auto* startup = new StartupUpdates(config("1.2.0"), kApp, preferences(), m_window.get());
        startup->showWhatsNewIfNew();
        return startup;
    };

    // First start of 1.2.0: the notes are fetched and shown, rendered.
    startUp();
    QCOMPARE(QSettings().value(kShownKey).toString(), "1.2.0");
    WhatsNewDialog* dialog = nullptr;
    QTRY_VERIFY((dialog = openDialog<WhatsNewDialog>()));
    QCOMPARE(dialog->windowTitle(), "What's New in Mellowind Ledgerine 1.2.0");
    QCOMPARE(dialog->findChild<QLabel*>("footerLabel")->text(), "You are running version 1.2.0");
    QVERIFY(!dialog->findChild<QPushButton*>("downloadButton"));
    QCOMPARE(notesText(dialog), "Faster register\nSee the guide.");
    dialog->close();
    QTRY_VERIFY(!openDialog<WhatsNewDialog>());

    // The next start of the same version asks for nothing.
    QVERIFY(startUp()->findChildren<ReleaseNotesFetcher*>().isEmpty());

    // The marker's older home counts once, and is carried over.
    QSettings().clear();
    preferences()->set("last_whats_new_version", "1.2.0");
    QVERIFY(startUp()->findChildren<ReleaseNotesFetcher*>().isEmpty());
    QCOMPARE(QSettings().value(kShownKey).toString(), "1.2.0");
    QSettings().clear();
    preferences()->set("last_whats_new_version", "1.1.9");
    QVERIFY(!startUp()->findChildren<ReleaseNotesFetcher*>().isEmpty());
    QTRY_VERIFY(openDialog<WhatsNewDialog>());
    QCOMPARE(QSettings().value(kShownKey).toString(), "1.2.0");
    QCOMPARE(m_server->requestsTo("/ledgerine/1.2.0/release-notes.md").size(), 2);
    openDialog<WhatsNewDialog>()->close();

    // With a newer release out as well, What's New and the offer come one after the other.
    QSettings().clear();
    serveRelease("1.3.0");
    StartupUpdates* both = startUp();
    both->scheduleCheck(0);
    const auto shown = [] {
        QList<QDialog*> dialogs;
        if (QDialog* notes = openDialog<WhatsNewDialog>())
            dialogs << notes;
        if (QDialog* offer = openDialog<UpdateDialog>())
            dialogs << offer;
        return dialogs;
    };
    QTRY_VERIFY(both->findChildren<Client*>().isEmpty()
        && both->findChildren<ReleaseNotesFetcher*>().isEmpty());
    QCOMPARE(shown().size(), 1);
    const bool notesFirst = qobject_cast<WhatsNewDialog*>(shown().first());
    shown().first()->close();
    QTRY_COMPARE(shown().size(), 1);
    QCOMPARE(bool(qobject_cast<WhatsNewDialog*>(shown().first())), !notesFirst);
    shown().first()->close();
    QTRY_VERIFY(shown().isEmpty());
}

void TestUpdateFlows::offersAtStartupAndFromTheMenu()
{
    QStringList status;
    const UpdateCommands::Status callbacks { [&status](
                                                 const QString& text) { status << "busy " + text; },
        [&status] { status << "idle"; } };
    const auto startupCheck = [this](const QString& current) {
        auto* startup = new StartupUpdates(config(current), kApp, preferences(), m_window.get());
        const int before = int(m_server->requestsTo("/ledgerine/stable/latest.json").size());
        startup->scheduleCheck(0);
        QTRY_COMPARE(m_server->requestsTo("/ledgerine/stable/latest.json").size(), before + 1);
        QTRY_VERIFY(startup->findChildren<Client*>().isEmpty());
    };

    // An offer the user has closed is not repeated at start-up...
    serveRelease("1.3.0");
    preferences()->set("update_dismissed_version", "1.3.0");
    startupCheck("1.2.0");
    QVERIFY(!openDialog<UpdateDialog>());

    // ...but an explicit check shows it.
    (new UpdateCommands(config("1.2.0"), kApp, callbacks, m_window.get()))->checkForUpdates();
    UpdateDialog* offer = nullptr;
    QTRY_VERIFY((offer = openDialog<UpdateDialog>()));
    QCOMPARE(status, QStringList({ "busy Checking for updates…", "idle" }));
    QCOMPARE(offer->findChild<QLabel*>("versionLabel")->text(),
        "You have version 1.2.0. The latest version is 1.3.0.");
    offer->findChild<QPushButton*>("laterButton")->click();
    QTRY_VERIFY(!openDialog<UpdateDialog>());
    QCOMPARE(preferences()->value("update_dismissed_version"), "1.3.0");

    // A newer release is offered at start-up once, however the offer is closed.
    serveRelease("1.4.0");
    startupCheck("1.2.0");
    QTRY_VERIFY((offer = openDialog<UpdateDialog>()));
    offer->close();
    QTRY_COMPARE(preferences()->value("update_dismissed_version"), "1.4.0");
    startupCheck("1.2.0");
    QVERIFY(!openDialog<UpdateDialog>());

    // What a check finds, it says in a box, in words rather than the feed's error.
    const auto checked = [&](const UpdateConfig& config) {
        MessageBoxes::clearAnswers();
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        (new UpdateCommands(config, kApp, callbacks, m_window.get()))->checkForUpdates();
        if (!QTest::qWaitFor([] { return MessageBoxes::lastShown().has_value(); }))
            return QStringLiteral("(no box)");
        return MessageBoxes::lastShown()->title + QStringLiteral(": ")
            + MessageBoxes::lastShown()->text;
    };
    status.clear();
    QCOMPARE(checked(config("1.4.0")),
        "Check for Updates: Mellowind Ledgerine is up to date (version 1.4.0)");
    QCOMPARE(status, QStringList({ "busy Checking for updates…", "idle" }));
    QCOMPARE(MessageBoxes::lastShown()->icon, QMessageBox::Information);
    m_server->setFault("/ledgerine/stable/latest.json", { .status = 503 });
    QCOMPARE(checked(config("1.4.0")),
        "Check for Updates: The update server could not be reached. Check the connection to the "
        "internet and try again.");
    QCOMPARE(MessageBoxes::lastShown()->icon, QMessageBox::Warning);

    // Without an update server nothing is asked, and the menu says why.
    const int requests = int(m_server->requests().size());
    UpdateConfig none = config("1.2.0");
    none.manifestBaseUrl.clear();
    auto* quiet = new StartupUpdates(none, kApp, preferences(), m_window.get());
    quiet->scheduleCheck(0);
    QCOMPARE(checked(none), "Check for Updates: This build has no update server configured");
    QTest::qWait(50);
    QVERIFY(quiet->findChildren<Client*>().isEmpty());
    QCOMPARE(m_server->requests().size(), requests);
}

void TestUpdateFlows::dialogsShowNotesAndOpenDownloads()
{
    Artifact artifact;
    artifact.version = "1.3.0";
    artifact.url = QUrl("https://downloads.example.com/ledgerine-1.3.0.tar.gz");
    artifact.releaseNotesUrl = m_server->url("/ledgerine/1.2.0/release-notes.md");
    UpdateDialog offer(artifact, kApp, "1.2.0");
    offer.show();
    QCOMPARE(offer.windowTitle(), "Update available");
    QCOMPARE(offer.findChild<QLabel*>("headingLabel")->text(),
        "A new version of Mellowind Ledgerine is available.");
    QCOMPARE(offer.findChild<QTextBrowser*>("notesBrowser")->placeholderText(),
        "Loading release notes…");
    QTRY_COMPARE(notesText(&offer), "Faster register\nSee the guide.");
    QVERIFY(offer.findChild<QPushButton*>("downloadButton")->isDefault());
    offer.findChild<QPushButton*>("downloadButton")->click();
    QCOMPARE(m_browser.urls, QList<QUrl> { artifact.url });
    QCOMPARE(offer.result(), int(QDialog::Accepted));

    artifact.releaseNotesUrl = m_server->url("/ledgerine/1.3.0/release-notes.md");
    UpdateDialog withoutNotes(artifact, kApp, "1.2.0");
    QTRY_COMPARE(notesText(&withoutNotes), "Release notes are not available for this version.");

    WhatsNewDialog whatsNew("Hello", kApp, "1.3.0", artifact.url);
    QPushButton* download = whatsNew.findChild<QPushButton*>("downloadButton");
    QCOMPARE(download->text(), "Download 1.3.0");
    download->click();
    QCOMPARE(m_browser.urls.size(), 2);
}

QTEST_MAIN(TestUpdateFlows)
#include "tst_updateflows.moc"
