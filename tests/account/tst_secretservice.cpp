#include "Awaited.h"
#include "account/FileTokenStore.h"
#include "account/SecretServiceTokenStore.h"
#include "account/SystemTokenStore.h"
#include "account/TokenManager.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>

using namespace MellAccount;

namespace {

// What the desktop's own tool finds in the keyring, to see past our code.
QString lookUp(const QStringList& attributes)
{
    QProcess tool;
    tool.start("secret-tool", QStringList { "lookup" } + attributes);
    if (!tool.waitForFinished(10000))
        return QStringLiteral("secret-tool did not finish");
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// An item as a version of the program stored it before directories had their own.
bool storeUnkeyed(const QString& service, const QString& key, const QByteArray& value)
{
    QProcess tool;
    tool.start("secret-tool", { "store", "--label=old", "service", service, "key", key });
    tool.write(value);
    tool.closeWriteChannel();
    return tool.waitForFinished(10000) && tool.exitCode() == 0;
}

// The process that answers for the Secret Service on this session's bus.
qint64 keyringProcess()
{
    QProcess bus;
    bus.start("dbus-send",
        { "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
            "org.freedesktop.DBus.GetConnectionUnixProcessID", "string:org.freedesktop.secrets" });
    if (!bus.waitForFinished(10000))
        return 0;
    return QString::fromLatin1(bus.readAllStandardOutput())
        .section("uint32", 1)
        .trimmed()
        .toLongLong();
}

// Reads the stored tokens as the program does at start.
std::unique_ptr<TokenManager> loaded(std::unique_ptr<SystemTokenStore> store)
{
    auto tokens = std::make_unique<TokenManager>(std::move(store));
    awaited<>([&](auto done) { tokens->load(done); });
    return tokens;
}

} // namespace

// Runs inside a private D-Bus session with gnome-keyring (see CMakeLists.txt).
class TestSecretService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tokensLiveInTheKeyring();
    void everyDataDirectoryHasItsOwnSignIn();
    void leftoverFileMovesIntoTheKeyring();
    void aStalledKeyringFreezesNothing();
};

void TestSecretService::tokensLiveInTheKeyring()
{
    QString why;
    QVERIFY2(SecretServiceTokenStore::isAvailable(&why), qPrintable(why));
    SecretServiceTokenStore store("test.ledgerine", "dir-1");
    SecretServiceTokenStore other("test.other", "dir-1");
    QVERIFY(!store.read(TokenStore::kAccessTokenKey));
    QVERIFY(store.write(TokenStore::kAccessTokenKey, "eyJ.access-1"));
    QVERIFY(store.write(TokenStore::kRefreshTokenKey, "refresh-1"));
    QVERIFY(store.write(TokenStore::kRefreshTokenKey, "refresh-2 ünïcode"));
    QCOMPARE(lookUp({ "service", "test.ledgerine", "key", TokenStore::kAccessTokenKey }),
        "eyJ.access-1");
    QCOMPARE(SecretServiceTokenStore("test.ledgerine", "dir-1").read(TokenStore::kRefreshTokenKey),
        "refresh-2 ünïcode");
    QVERIFY(!other.read(TokenStore::kAccessTokenKey));

    QVERIFY(other.write(TokenStore::kAccessTokenKey, "theirs"));
    store.clear();
    QVERIFY(!store.read(TokenStore::kAccessTokenKey));
    QVERIFY(!store.read(TokenStore::kRefreshTokenKey));
    QCOMPARE(
        lookUp({ "service", "test.ledgerine", "key", TokenStore::kAccessTokenKey }), QString());
    QCOMPARE(other.read(TokenStore::kAccessTokenKey), "theirs");
    QVERIFY(store.removeKey(TokenStore::kAccessTokenKey));
}

void TestSecretService::everyDataDirectoryHasItsOwnSignIn()
{
    QVERIFY(storeUnkeyed("test.dirs", TokenStore::kRefreshTokenKey, "refresh-from-before"));
    QTemporaryDir one;
    QTemporaryDir two;
    // The first directory to look takes the item of no directory; a new
    // directory starts signed out instead of as someone else.
    auto first = loaded(std::make_unique<SystemTokenStore>("test.dirs", one.path()));
    auto second = loaded(std::make_unique<SystemTokenStore>("test.dirs", two.path()));
    QCOMPARE(first->refreshToken(), "refresh-from-before");
    QVERIFY(second->refreshToken().isEmpty());
    QCOMPARE(lookUp({ "service", "test.dirs", "key", TokenStore::kRefreshTokenKey, "data_dir",
                 TokenStore::directoryKey(one.path()) }),
        "refresh-from-before");

    // Two sign-ins in one keyring, each found again by its own directory.
    first->setTokens("access-one", "refresh-one");
    second->setTokens("access-two", "refresh-two");
    first.reset();
    second.reset();
    QCOMPARE(
        loaded(std::make_unique<SystemTokenStore>("test.dirs", one.path() + "/."))->refreshToken(),
        "refresh-one");
    QCOMPARE(loaded(std::make_unique<SystemTokenStore>("test.dirs", two.path()))->refreshToken(),
        "refresh-two");
}

void TestSecretService::leftoverFileMovesIntoTheKeyring()
{
    QTemporaryDir dir;
    FileTokenStore file(dir.filePath("secrets/tokens.json"));
    QVERIFY(file.write(TokenStore::kAccessTokenKey, "from-the-file"));
    QVERIFY(file.write(TokenStore::kRefreshTokenKey, "refresh-from-the-file"));

    SystemTokenStore system("test.moved", dir.path());
    QCOMPARE(system.kind(), SystemTokenStore::Kind::SecretService);
    QVERIFY(!file.exists());
    QCOMPARE(system.read(TokenStore::kAccessTokenKey), "from-the-file");
    QCOMPARE(lookUp({ "service", "test.moved", "key", TokenStore::kRefreshTokenKey }),
        "refresh-from-the-file");
    QVERIFY(system.write(TokenStore::kAccessTokenKey, "new"));
    QCOMPARE(system.read(TokenStore::kAccessTokenKey), "new");
    QVERIFY(!file.exists());
}

void TestSecretService::aStalledKeyringFreezesNothing()
{
    QTemporaryDir dir;
    // An older sign-in left in the file must not stand in for the keyring's.
    FileTokenStore file(dir.filePath("secrets/tokens.json"));
    QVERIFY(file.write(TokenStore::kRefreshTokenKey, "refresh-from-the-file"));
    const qint64 keyring = keyringProcess();
    QVERIFY(keyring > 0);
    QCOMPARE(::kill(pid_t(keyring), SIGSTOP), 0);
    // Whatever happens below, the keyring runs again afterwards.
    const std::shared_ptr<void> resume(
        nullptr, [keyring](void*) { ::kill(pid_t(keyring), SIGCONT); });

    auto store = std::make_unique<SystemTokenStore>("test.stalled", dir.path());
    store->setTimeout(500);
    TokenManager tokens(std::move(store));
    QSignalSpy stalled(&tokens, &TokenManager::storeStalled);
    bool done = false;
    QElapsedTimer clock;
    clock.start();
    tokens.load([&done] { done = true; });
    QVERIFY(clock.elapsed() < 200);
    // The event loop runs all along: a timer keeps firing while we wait.
    int ticks = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
    tick.start(50);
    QTRY_VERIFY(done);
    QVERIFY(ticks >= 5);
    QCOMPARE(stalled.size(), 1);
    QVERIFY(tokens.refreshToken().isEmpty());
    // A sign-in meanwhile lives in memory; the keyring gets it once it answers.
    tokens.setTokens("access-now", "refresh-now");
    QCOMPARE(::kill(pid_t(keyring), SIGCONT), 0);
    static_cast<SystemTokenStore*>(tokens.store())->setTimeout(20000);
    QCOMPARE(tokens.store()->read(TokenStore::kRefreshTokenKey), "refresh-now");
}

QTEST_MAIN(TestSecretService)
#include "tst_secretservice.moc"
