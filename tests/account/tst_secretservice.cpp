#include "account/FileTokenStore.h"
#include "account/SecretServiceTokenStore.h"
#include "account/SystemTokenStore.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace MellAccount;

namespace {

// What the desktop's own tool finds in the keyring, to see past our code.
QString lookUp(const QString& service, const QString& key)
{
    QProcess tool;
    tool.start("secret-tool", { "lookup", "service", service, "key", key });
    if (!tool.waitForFinished(10000))
        return QStringLiteral("secret-tool did not finish");
    return QString::fromUtf8(tool.readAllStandardOutput());
}

} // namespace

// Runs inside a private D-Bus session with gnome-keyring (see CMakeLists.txt).
class TestSecretService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tokensLiveInTheKeyring();
    void leftoverFileMovesIntoTheKeyring();
};

void TestSecretService::tokensLiveInTheKeyring()
{
    QString why;
    QVERIFY2(SecretServiceTokenStore::isAvailable(&why), qPrintable(why));
    SecretServiceTokenStore store("test.ledgerine");
    SecretServiceTokenStore other("test.other");
    QVERIFY(!store.read(TokenStore::kAccessTokenKey));
    QVERIFY(store.write(TokenStore::kAccessTokenKey, "eyJ.access-1"));
    QVERIFY(store.write(TokenStore::kRefreshTokenKey, "refresh-1"));
    QVERIFY(store.write(TokenStore::kRefreshTokenKey, "refresh-2 ünïcode"));
    QCOMPARE(lookUp("test.ledgerine", TokenStore::kAccessTokenKey), "eyJ.access-1");
    QCOMPARE(SecretServiceTokenStore("test.ledgerine").read(TokenStore::kRefreshTokenKey),
        "refresh-2 ünïcode");
    QVERIFY(!other.read(TokenStore::kAccessTokenKey));

    QVERIFY(other.write(TokenStore::kAccessTokenKey, "theirs"));
    store.clear();
    QVERIFY(!store.read(TokenStore::kAccessTokenKey));
    QVERIFY(!store.read(TokenStore::kRefreshTokenKey));
    QCOMPARE(lookUp("test.ledgerine", TokenStore::kAccessTokenKey), QString());
    QCOMPARE(other.read(TokenStore::kAccessTokenKey), "theirs");
    QVERIFY(store.removeKey(TokenStore::kAccessTokenKey));
}

void TestSecretService::leftoverFileMovesIntoTheKeyring()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("secrets/tokens.json");
    FileTokenStore file(path);
    QVERIFY(file.write(TokenStore::kAccessTokenKey, "from-the-file"));
    QVERIFY(file.write(TokenStore::kRefreshTokenKey, "refresh-from-the-file"));

    SystemTokenStore system("test.moved", path);
    QCOMPARE(system.kind(), SystemTokenStore::Kind::SecretService);
    QVERIFY(!file.exists());
    QCOMPARE(system.read(TokenStore::kAccessTokenKey), "from-the-file");
    QCOMPARE(lookUp("test.moved", TokenStore::kRefreshTokenKey), "refresh-from-the-file");
    QVERIFY(system.write(TokenStore::kAccessTokenKey, "new"));
    QVERIFY(!file.exists());
}

QTEST_MAIN(TestSecretService)
#include "tst_secretservice.moc"
