#include "RealServer.h"
#include "TestAppState.h"
#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/SyncServer.h"
#include "account/TokenManager.h"
#include "ui/screens/SyncServerSection.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using MellAccount::SyncServer;

// Preferences › Data & Sync › Sync server against the real server.
class TestSyncServerSection : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { SyncServer::forget(); }
    void cleanup() { SyncServer::forget(); }
    void checkUsesAndForgetsAServer();
    void environmentWins();
};

void TestSyncServerSection::checkUsesAndForgetsAServer()
{
    RealServer server;
    QVERIFY(server.start());
    QVERIFY(server.addUser(QStringLiteral("ann@example.org"), QStringLiteral("correct horse")));
    TestAppState app;
    MellAccount::Client* cloud = app->cloudClient();
    SyncServerSection section(app.state());
    section.show();
    QVERIFY(QTest::qWaitForWindowExposed(&section));
    QCOMPARE(section.resultLabel()->text(), QStringLiteral("No sync server is set."));
    QVERIFY(!cloud->isConfigured());
    const auto checkAddress = [&section](const QString& address) {
        section.addressField()->setText(address);
        QTest::mouseClick(section.checkButton(), Qt::LeftButton);
        return QTest::qWaitFor([&section] { return section.checkButton()->isEnabled(); }, 30000);
    };

    QVERIFY(checkAddress(QStringLiteral("http://example.org")));
    QVERIFY(section.resultLabel()->text().contains(
        QStringLiteral("Plain http is only for a server on this computer")));
    QVERIFY(checkAddress(QStringLiteral("http://127.0.0.1:1")));
    QVERIFY(section.resultLabel()->text().startsWith(
        QStringLiteral("No sync server found at http://127.0.0.1:1")));
    QVERIFY(!SyncServer::stored());
    QVERIFY(!cloud->isConfigured());

    // Without a scheme, an address on this computer is plain http.
    QVERIFY(checkAddress(server.origin().mid(int(qstrlen("http://")))));
    const QString found = section.resultLabel()->text();
    QVERIFY2(
        found.startsWith(QStringLiteral("Sync server at %1, version 1.1.0.").arg(server.origin())),
        qPrintable(found));
    QVERIFY(found.contains(server.syncApiUrl()));
    // In use at once, and at the next start.
    QCOMPARE(cloud->config().authBaseUrl, server.origin());
    QCOMPARE(cloud->syncApi()->baseUrl().toString(), server.syncApiUrl());
    QCOMPARE(
        MellAccount::ClientConfig::fromEnvironment().accountApiUrl, server.config().accountApiUrl);
    QCOMPARE(MellAccount::ClientConfig::syncApiUrlFromEnvironment(), server.syncApiUrl());

    // Signed in, the address stays as it is.
    const auto tokens
        = server.signIn(QStringLiteral("ann@example.org"), QStringLiteral("correct horse"));
    QVERIFY(tokens);
    cloud->tokenManager()->setTokens(tokens->access, tokens->refresh);
    cloud->authClient()->initialize();
    QTRY_VERIFY(cloud->isAuthenticated());
    QVERIFY(!section.addressField()->isEnabled() && !section.checkButton()->isEnabled());
    QVERIFY(section.resultLabel()->text().endsWith(
        QStringLiteral("Sign out to change the sync server.")));

    cloud->authClient()->logout();
    QVERIFY(section.checkButton()->isEnabled());
    QVERIFY(checkAddress(QString()));
    QCOMPARE(section.resultLabel()->text(), QStringLiteral("No sync server is set."));
    QVERIFY(!SyncServer::stored());
    QVERIFY(!cloud->isConfigured());
}

void TestSyncServerSection::environmentWins()
{
    SyncServer { "https://chosen.example.org", "1.1.0", "https://chosen.example.org", "mellowind",
        "id", "https://chosen.example.org/account/v1", "https://chosen.example.org/ledgerine/v1" }
        .store();
    qputenv("AUTH_BASE_URL", "http://127.0.0.1:9");
    TestAppState app;
    SyncServerSection section(app.state());
    qunsetenv("AUTH_BASE_URL");
    QCOMPARE(app->cloudClient()->config().authBaseUrl, QStringLiteral("http://127.0.0.1:9"));
    // What the environment leaves unset still comes from the chosen server.
    QCOMPARE(app->cloudClient()->config().accountApiUrl,
        QStringLiteral("https://chosen.example.org/account/v1"));
    QVERIFY(!section.addressField()->isEnabled());
    QVERIFY(section.resultLabel()->text().startsWith(
        QStringLiteral("The environment names the cloud services")));
}

QTEST_MAIN(TestSyncServerSection)
#include "tst_syncserversection.moc"
