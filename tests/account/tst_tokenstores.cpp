#include "FakeCloud.h"
#include "account/FileTokenStore.h"
#include "account/TokenManager.h"
#include "data/Clock.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace MellAccount;

namespace {

constexpr QFileDevice::Permissions kOwnerReadWrite
    = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString token(qint64 expiresIn, bool stamped = true)
{
    const qint64 now = Clock::nowUtc().toSecsSinceEpoch();
    QJsonObject claims { { "sub", "user-7" }, { "exp", now + expiresIn } };
    if (stamped)
        claims.insert("iat", now);
    return FakeCloud::unsignedJwt(claims);
}

// Permission bits as the file system reports them, without Qt's user/owner doubling.
QFileDevice::Permissions ownerAndOthers(const QString& path)
{
    return QFileInfo(path).permissions()
        & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

} // namespace

class TestTokenStores : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC)); }
    void cleanup() { Clock::clearFixed(); }
    void fileStoreIsOwnerOnly();
    void readsTokensAndJudgesExpiry();
};

void TestTokenStores::fileStoreIsOwnerOnly()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("data/secrets/tokens.json");
    FileTokenStore store(path);
    QVERIFY(!store.read(TokenStore::kAccessTokenKey));
    QVERIFY(store.write(TokenStore::kAccessTokenKey, "access-1"));
    QVERIFY(store.write(TokenStore::kRefreshTokenKey, "refresh-1"));
    QCOMPARE(ownerAndOthers(path), kOwnerReadWrite);
    QCOMPARE(ownerAndOthers(dir.filePath("data/secrets")), kOwnerReadWrite | QFileDevice::ExeOwner);

    // A file someone opened up is closed again by the next write.
    QFile::setPermissions(path, kOwnerReadWrite | QFileDevice::ReadOther);
    QVERIFY(store.write(TokenStore::kAccessTokenKey, "access-2"));
    QCOMPARE(ownerAndOthers(path), kOwnerReadWrite);

    FileTokenStore again(path);
    QCOMPARE(again.read(TokenStore::kAccessTokenKey), "access-2");
    QCOMPARE(again.read(TokenStore::kRefreshTokenKey), "refresh-1");
    QVERIFY(again.removeKey(TokenStore::kAccessTokenKey));
    QVERIFY(!store.read(TokenStore::kAccessTokenKey));
    again.clear();
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(!QFileInfo::exists(path + ".new"));
}

void TestTokenStores::readsTokensAndJudgesExpiry()
{
    QCOMPARE(subject(token(900)), "user-7");
    QCOMPARE(expiry(token(900)), Clock::nowUtc().toSecsSinceEpoch() + 900);
    for (const QString& garbage : { QString(), QStringLiteral("abc"), QStringLiteral("a.!!!.c"),
             FakeCloud::unsignedJwt({ { "sub", "x" } }) })
        QCOMPARE(expiry(garbage), 0);

    TokenManager tokens(std::make_unique<FileTokenStore>(QTemporaryDir().filePath("t.json")));
    const QDateTime start = Clock::nowUtc();
    const auto after = [&start](int seconds) { Clock::setFixedUtc(start.addSecs(seconds)); };
    // A quarter of an hour's token counts as expired for its last 30 s.
    tokens.setTokens(token(900), "refresh-1");
    after(869);
    QVERIFY(!tokens.accessToken().isEmpty());
    QVERIFY(!tokens.needsRefresh());
    after(880);
    QVERIFY(tokens.accessToken().isEmpty());
    QVERIFY(tokens.needsRefresh());
    // One that lives 20 s in all is good for its first three quarters, also
    // when it does not say when it was issued.
    for (const bool stamped : { true, false }) {
        after(0);
        tokens.setTokens(token(20, stamped), "refresh-1");
        QVERIFY(!tokens.accessToken().isEmpty());
        after(14);
        QVERIFY(!tokens.accessToken().isEmpty());
        after(16);
        QVERIFY(tokens.accessToken().isEmpty());
        QVERIFY(tokens.needsRefresh());
    }
    // Without a refresh token nothing can be refreshed, and a caller hears so
    // at once. Many callers sharing one refresh and its outcomes are the API
    // client's tests.
    tokens.setTokens("not-a-jwt", QString());
    QVERIFY(tokens.accessToken().isEmpty());
    QVERIFY(!tokens.needsRefresh());
    std::optional<RefreshResult> result;
    tokens.refresh([&result](RefreshResult given) { result = given; });
    QVERIFY(result == RefreshResult::Rejected);
}

QTEST_MAIN(TestTokenStores)
#include "tst_tokenstores.moc"
