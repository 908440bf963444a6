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
#include "update/Version.h"
#include "update/WhatsNewDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>

using namespace MellUpdate;

namespace {

// `object` with members of `changes` replaced and those of `removed` left out.
QJsonObject changed(QJsonObject object, const QJsonObject& changes, const QStringList& removed)
{
    for (auto it = changes.begin(); it != changes.end(); ++it)
        object.insert(it.key(), it.value());
    for (const QString& key : removed)
        object.remove(key);
    return object;
}

QJsonObject artifact(
    const QString& version, const QJsonObject& changes = {}, const QStringList& removed = {})
{
    return changed({ { "version", version }, { "released_at", "2024-05-01T10:00:00Z" },
                       { "url", "https://downloads.example.com/ledgerine-" + version + ".tar.gz" },
                       { "size", 1234 }, { "sha256", QString(64, QLatin1Char('a')) } },
        changes, removed);
}

QByteArray manifest(
    const QJsonObject& artifacts, const QJsonObject& changes = {}, const QStringList& removed = {})
{
    return QJsonDocument(changed({ { "schema", 1 }, { "app", "ledgerine" }, { "channel", "stable" },
                                     { "artifacts", artifacts } },
                             changes, removed))
        .toJson();
}

QByteArray forThisPlatform(
    const QJsonObject& one, const QJsonObject& changes = {}, const QStringList& removed = {})
{
    return manifest({ { Manifest::platformKey(), one } }, changes, removed);
}

UpdateConfig configFor(const TestHttpServer& server, const QString& version)
{
    UpdateConfig config;
    config.manifestBaseUrl = server.url(QStringLiteral("/ledgerine/stable/"));
    config.currentVersion = version;
    return config;
}

// The one signal a check ended with: "up to date", "available <version>" or
// "failed: <reason>".
QString runCheck(Client& client)
{
    QSignalSpy available(&client, &Client::updateAvailable);
    QSignalSpy upToDate(&client, &Client::upToDate);
    QSignalSpy failed(&client, &Client::checkFailed);
    client.check();
    if (!QTest::qWaitFor(
            [&] { return available.size() + upToDate.size() + failed.size() > 0; }, 10000))
        return QStringLiteral("no answer");
    if (!upToDate.isEmpty())
        return QStringLiteral("up to date");
    if (!available.isEmpty())
        return "available " + available.first().first().value<Artifact>().version;
    return "failed: " + failed.first().first().toString();
}

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

class TestUpdateClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void versionsAndPlatforms();
    void manifestVerdicts_data();
    void manifestVerdicts();
    void transportFaults();
    void releaseNotesFallBackToThePlainFile();
    void whatsNewOncePerVersion();
    void offersAtStartupAndFromTheMenu();

private:
    // A release notes server, a ledger and a window for the start-up flows.
    void startWindow();
    void serveRelease(const QString& version);
    PreferencesRepository* preferences() const { return (*m_app)->preferences(); }

    std::unique_ptr<TestHttpServer> m_server;
    std::unique_ptr<TestAppState> m_app;
    std::unique_ptr<QWidget> m_window;
    UrlCatcher m_browser;
};

void TestUpdateClient::initTestCase()
{
    TestHttpServer::trustCertificate();
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Mellowind");
    QCoreApplication::setApplicationName("LedgerineUpdateTest");
    QDesktopServices::setUrlHandler("https", &m_browser, "open");
}

void TestUpdateClient::startWindow()
{
    QSettings().clear();
    m_server = std::make_unique<TestHttpServer>();
    for (const char* version : { "1.2.0", "1.3.0" })
        m_server->serve("/ledgerine/" + QString(version) + "/release-notes.md",
            { 200, "# Faster register\n\nSee [the guide](https://example.com/guide).\n", {} });
    m_app = std::make_unique<TestAppState>();
    m_window = std::make_unique<QWidget>();
}

void TestUpdateClient::cleanup()
{
    m_window.reset();
    m_app.reset();
    m_server.reset();
    m_browser.urls.clear();
}

void TestUpdateClient::serveRelease(const QString& version)
{
    m_server->serve("/ledgerine/stable/latest.json",
        { 200,
            forThisPlatform(artifact(version,
                { { "release_notes_url",
                    m_server->url("/ledgerine/" + version + "/release-notes.md").toString() } })),
            {} });
}

void TestUpdateClient::versionsAndPlatforms()
{
    const auto v = [](const QString& text) { return Version::parse(text); };
    QCOMPARE(v("1.2"), v("1.2.0"));
    QCOMPARE(v("7"), (Version { 7, 0, 0 }));
    for (const char* garbage : { "1.2.3.4", "1.x", "", "-1.0", " 1.0", "1..2", "+1" })
        QCOMPARE(v(QString::fromLatin1(garbage)), Version {});
    QVERIFY(v("1.2.10") > v("1.2.9"));
    QVERIFY(v("10.0") > v("9.9.9"));
    QVERIFY(v("") < v("0.0.1"));

    QStringList keys;
    for (const auto& [system, processor] : { std::pair { "winnt", "x86_64" }, { "darwin", "arm64" },
             { "freebsd", "x86_64" }, { "linux", "riscv64" } })
        keys << Manifest::platformKey(system, processor);
    QCOMPARE(keys, QStringList({ "windows-x64", "macos-arm64", "", "" }));
}

void TestUpdateClient::manifestVerdicts_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("verdict");

    const QString key = Manifest::platformKey();
    const QString invalid = QStringLiteral("failed: manifest invalid: ");
    const QJsonObject minimum = artifact("1.3.0", { { "min_upgradable_from", "1.2.5" } });

    const auto row = [](const char* name, const QByteArray& body, const QString& verdict,
                         const char* current = "1.2.0", int status = 200) {
        QTest::newRow(name) << QString(current) << status << body << verdict;
    };
    const auto newer = [](const QJsonObject& changes, const QStringList& removed = {}) {
        return forThisPlatform(artifact("1.3.0"), changes, removed);
    };
    row("404 is up to date", {}, "up to date", "1.2.0", 404);
    row("newer", newer({}), "available 1.3.0");
    row("only another platform", manifest({ { "windows-x64", artifact("9.0.0") } }), "up to date");
    row("can upgrade from here", forThisPlatform(minimum), "available 1.3.0", "1.2.5");
    row("too old to upgrade", forThisPlatform(minimum),
        "failed: current version 1.2.4 is older than min_upgradable_from 1.2.5; please upgrade "
        "to an intermediate release first",
        "1.2.4");

    row("not JSON", "{ nope", invalid + "JSON parse error: unterminated object");
    row("array root", "[]", invalid + "manifest root is not a JSON object");
    row("fractional schema", newer({ { "schema", 1.5 } }),
        invalid + "missing or non-integer field: schema");
    row("schema 2", newer({ { "schema", 2 } }),
        invalid + "unsupported manifest schema: 2 (expected 1)");
    row("no artifacts", manifest({}, { { "artifacts", "none" } }),
        invalid + "missing or non-object field: artifacts");
    row("artifact not an object", manifest({ { key, 5 } }),
        invalid + "artifact " + key + " is not an object");
    row("no sha256", forThisPlatform(artifact("1.3.0", {}, { "sha256" })),
        invalid + "missing or non-string field: sha256");
    // One broken artifact spoils the whole manifest, whatever platform it is for.
    row("63-character sha256",
        manifest({ { key, artifact("1.3.0") },
            { "zz-other", artifact("1.3.0", { { "sha256", QString(63, 'a') } }) } }),
        invalid + "artifact zz-other failed validation");
    row("file URL", forThisPlatform(artifact("1.3.0", { { "url", "file:///usr/bin/xterm" } })),
        invalid + "artifact " + key + " failed validation");
    row("empty channel", newer({ { "channel", "" } }), invalid + "manifest failed validation");
}

void TestUpdateClient::manifestVerdicts()
{
    QFETCH(QString, current);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, verdict);
    QVERIFY(!Manifest::platformKey().isEmpty());

    TestHttpServer server;
    server.serve("/ledgerine/stable/latest.json", { status, body, {} });
    Client client(configFor(server, current));
    QCOMPARE(runCheck(client), verdict);
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().first().header("user-agent"), "MellUpdateQt/0.1 (ledgerine)");
}

void TestUpdateClient::transportFaults()
{
    TestHttpServer plain;
    plain.serve("/ledgerine/stable/latest.json", { 200, forThisPlatform(artifact("1.3.0")), {} });

    // A secure feed that points to a plain address is not followed.
    TestHttpServer secure(TestHttpServer::Scheme::Https);
    secure.serve("/ledgerine/stable/latest.json",
        TestHttpResponse::redirect(302, plain.url("/ledgerine/stable/latest.json")));
    Client downgraded(configFor(secure, "1.2.0"));
    QVERIFY(runCheck(downgraded).startsWith("failed: network error: "));
    QCOMPARE(secure.requests().size(), 1);
    QCOMPARE(plain.connectionCount(), 0);

    // A server that never answers ends at the timeout; the next check runs.
    Client client(configFor(plain, "1.2.0"));
    client.setTransferTimeout(300);
    plain.setFault("/ledgerine/stable/latest.json", { .hang = true, .times = 1 });
    QSignalSpy failed(&client, &Client::checkFailed);
    client.check();
    client.check();
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), "network error: timeout");
    QCOMPARE(plain.requests().size(), 1);
    QCOMPARE(runCheck(client), "available 1.3.0");

    // A feed larger than any manifest is refused before it is all read.
    plain.setFault("/ledgerine/stable/latest.json", { .endlessBody = true, .times = 1 });
    client.setTransferTimeout(10000);
    QCOMPARE(runCheck(client), "failed: network error: reply larger than 1048576 bytes");

    // Nothing is asked of an address that is not a secure or local one.
    UpdateConfig insecure = configFor(plain, "1.2.0");
    insecure.manifestBaseUrl = QUrl("http://downloads.example.com/ledgerine/stable/");
    Client refused(insecure);
    QCOMPARE(runCheck(refused), "failed: manifestBaseUrl is not valid");
}

void TestUpdateClient::releaseNotesFallBackToThePlainFile()
{
    QCOMPARE(ReleaseNotesFetcher::localizedUrl(
                 QUrl("https://dl.example.com/ledgerine/1.1.0/release-notes.md"), "C"),
        QUrl());

    TestHttpServer server;
    server.serve("/ledgerine/1.2.0/release-notes.md", { 200, "# Plain notes\n", {} });
    server.serve("/ledgerine/1.2.0/release-notes.fr.md", { 200, "# Notes en français\n", {} });
    server.serve("/ledgerine/1.2.0/release-notes.es.md", { 200, "", {} });
    const auto fetch = [&](const QString& language, const QString& version = "1.2.0") {
        ReleaseNotesFetcher fetcher(configFor(server, version));
        fetcher.setLanguage(language);
        QSignalSpy ready(&fetcher, &ReleaseNotesFetcher::notesReady);
        QSignalSpy unavailable(&fetcher, &ReleaseNotesFetcher::notesUnavailable);
        server.clearRequests();
        fetcher.fetch();
        if (!QTest::qWaitFor([&] { return ready.size() + unavailable.size() > 0; }, 10000))
            return QStringLiteral("no answer");
        return ready.isEmpty() ? QStringLiteral("unavailable") : ready.first().first().toString();
    };
    QCOMPARE(fetch("fr"), "# Notes en français\n");
    QCOMPARE(fetch("de"), "# Plain notes\n");
    QCOMPARE(server.requests().size(), 2);
    QCOMPARE(server.requests().at(0).path, "/ledgerine/1.2.0/release-notes.de.md");
    QCOMPARE(fetch("es"), "# Plain notes\n");
    QCOMPARE(fetch("en"), "# Plain notes\n");
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(fetch("de", "9.9.9"), "unavailable");
}

void TestUpdateClient::whatsNewOncePerVersion()
{
    startWindow();
    const auto startUp = [this] {
        auto* startup = new StartupUpdates(
            configFor(*m_server, "1.2.0"), kApp, preferences(), m_window.get());
        startup->showWhatsNewIfNew();
        return startup;
    };

    // First start of 1.2.0: the notes are fetched and shown, rendered.
    startUp();
    QCOMPARE(QSettings().value(kShownKey).toString(), "1.2.0");
    WhatsNewDialog* dialog = nullptr;
    QTRY_VERIFY((dialog = openDialog<WhatsNewDialog>()));
    QCOMPARE(dialog->windowTitle(), "What's New in Mellowind Ledgerine 1.2.0");
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

void TestUpdateClient::offersAtStartupAndFromTheMenu()
{
    startWindow();
    QStringList status;
    const UpdateCommands::Status callbacks { [&status](
                                                 const QString& text) { status << "busy " + text; },
        [&status] { status << "idle"; } };
    const auto startupCheck = [this](const QString& current) {
        auto* startup = new StartupUpdates(
            configFor(*m_server, current), kApp, preferences(), m_window.get());
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
    (new UpdateCommands(configFor(*m_server, "1.2.0"), kApp, callbacks, m_window.get()))
        ->checkForUpdates();
    UpdateDialog* offer = nullptr;
    QTRY_VERIFY((offer = openDialog<UpdateDialog>()));
    QCOMPARE(status, QStringList({ "busy Checking for updates…", "idle" }));
    QCOMPARE(offer->findChild<QLabel*>("versionLabel")->text(),
        "You have version 1.2.0. The latest version is 1.3.0.");
    QTRY_COMPARE(notesText(offer), "Faster register\nSee the guide.");
    auto* download = offer->findChild<QPushButton*>("downloadButton");
    QVERIFY(download->isDefault());
    download->click();
    QCOMPARE(m_browser.urls,
        QList<QUrl> { QUrl("https://downloads.example.com/ledgerine-1.3.0.tar.gz") });
    QTRY_VERIFY(!openDialog<UpdateDialog>());

    // A newer release is offered at start-up once, however the offer is closed.
    serveRelease("1.4.0");
    startupCheck("1.2.0");
    QTRY_VERIFY((offer = openDialog<UpdateDialog>()));
    QTRY_COMPARE(notesText(offer), "Release notes are not available for this version.");
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
    QCOMPARE(checked(configFor(*m_server, "1.4.0")),
        "Check for Updates: Mellowind Ledgerine is up to date (version 1.4.0)");
    QCOMPARE(status, QStringList({ "busy Checking for updates…", "idle" }));
    QCOMPARE(MessageBoxes::lastShown()->icon, QMessageBox::Information);
    m_server->setFault("/ledgerine/stable/latest.json", { .status = 503 });
    QCOMPARE(checked(configFor(*m_server, "1.4.0")),
        "Check for Updates: The update server could not be reached. Check the connection to the "
        "internet and try again.");
    QCOMPARE(MessageBoxes::lastShown()->icon, QMessageBox::Warning);

    // Without an update server nothing is asked, and the menu says why.
    const int requests = int(m_server->requests().size());
    UpdateConfig none = configFor(*m_server, "1.2.0");
    none.manifestBaseUrl.clear();
    QCOMPARE(checked(none), "Check for Updates: This build has no update server configured");
    QCOMPARE(m_server->requests().size(), requests);
}

QTEST_MAIN(TestUpdateClient)
#include "tst_updateclient.moc"
