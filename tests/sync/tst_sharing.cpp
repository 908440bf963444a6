#include "Awaited.h"
#include "Records.h"
#include "SyncSide.h"
#include "account/AccountClient.h"
#include "account/Client.h"
#include "account/SharingBackend.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "services/TransactionService.h"
#include "sync/SyncEngine.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

using MellAccount::ShareMember;

namespace {

const QDate kDay(2025, 3, 14);
const QString kPush = QStringLiteral("/ledgerine/v1/sync/push");

struct ShareResult {
    bool ok = false;
    QString error;
};

ShareResult shareWith(
    SyncSide& side, const QString& account, const QString& target, const QString& role = QString())
{
    const auto [ok, error] = awaited<bool, QString>(
        [&](auto done) { side->sharing()->shareWith(account, target, role, done); });
    return { ok, error };
}

std::optional<bool> removeShare(SyncSide& side, const QString& account, const QString& user)
{
    return awaited<std::optional<bool>>(
        [&](auto done) { side->sharing()->removeShare(account, user, done); });
}

QList<ShareMember> members(SyncSide& side, const QString& account)
{
    return awaited<QList<ShareMember>>(
        [&](auto done) { side->sharing()->listMembers(account, done); });
}

} // namespace

class TestSharing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_server.start()); }
    void init();
    void cleanup();
    void requestsAndRefusals();
    void sharedAccountReachesTheMemberAndLeavesAgain();

private:
    // The account, stored and synced on the owner's side: its server id.
    QString syncedAccount(const Account& account);

    TestHttpServer& front() { return m_server.front(); }

    RealServer m_server;
    std::unique_ptr<SyncSide> m_owner;
    std::unique_ptr<SyncSide> m_member;
};

void TestSharing::init()
{
    front().reset();
    QVERIFY(m_server.addUser(RealServer::email("ann"), RealServer::kPassword, "Ann"));
    m_owner = std::make_unique<SyncSide>(m_server, RealServer::email("ann"));
    m_member = std::make_unique<SyncSide>(m_server, RealServer::email("bob"));
    QVERIFY(m_owner->holdCycles() && m_member->holdCycles());
    // Accounts are shared within a household.
    QVERIFY(m_member->join(*m_owner));
}

void TestSharing::cleanup()
{
    m_owner.reset();
    m_member.reset();
}

QString TestSharing::syncedAccount(const Account& account)
{
    if (!(*m_owner)->accounts()->insert(account) || !m_owner->sync())
        return {};
    return (*m_owner)->accounts()->findById(account.id)->serverId;
}

void TestSharing::requestsAndRefusals()
{
    SyncSide& owner = *m_owner;
    const QString account = syncedAccount(Records::account("Joint"));
    QVERIFY(!account.isEmpty());
    TestHttpServer& server = front();
    const QString bob = m_member->userId();
    const QString bobMail = RealServer::email("bob");

    // An address goes as both e-mail and user id; the role defaults to member.
    QVERIFY(shareWith(owner, account, bobMail).ok);
    const QJsonObject byMail = server.requests().last().json();
    QCOMPARE(byMail.value("email").toString(), bobMail);
    QCOMPARE(byMail.value("user_id").toString(), bobMail);
    QCOMPARE(byMail.value("role").toString(), QString("member"));
    QVERIFY(shareWith(owner, account, bob, "viewer").ok);
    const QJsonObject byId = server.requests().last().json();
    QVERIFY(!byId.contains("email"));
    QCOMPARE(byId.value("role").toString(), QString("viewer"));
    const QList<ShareMember> shared = members(owner, account);
    QCOMPARE(shared.size(), 2);
    QCOMPARE(shared.first().role, QString("owner"));
    QCOMPARE(shared.last().userId, bob);
    QCOMPARE(shared.last().id, bob);
    QCOMPARE(shared.last().email, bobMail);
    QCOMPARE(shared.last().role, QString("member"));

    // Only the owner shares; the server's own words reach the caller.
    const ShareResult refused = shareWith(*m_member, account, RealServer::email("ann"));
    QVERIFY(!refused.ok);
    QCOMPARE(refused.error, QString("Only the owner of this account can change who sees it"));

    // A user id is one path segment whatever it holds; one that cannot be a
    // segment never leaves this computer.
    QCOMPARE(removeShare(owner, account, "kim?x=1/y"), std::optional<bool>(false));
    QVERIFY(server.requests().last().rawPath.endsWith("/share/kim%3Fx%3D1%2Fy"));
    QCOMPARE(members(owner, account).size(), 2);
    server.clearRequests();
    QCOMPARE(removeShare(owner, account, ".."), std::optional<bool>(false));
    QCOMPARE(shareWith(owner, "", bob).ok, false);
    QVERIFY(server.requests().isEmpty());
}

void TestSharing::sharedAccountReachesTheMemberAndLeavesAgain()
{
    SyncSide& owner = *m_owner;
    SyncSide& member = *m_member;
    const Account joint = Records::account("Joint", 10000);
    const Account savings = Records::account("Savings");
    const Account wallet = Records::account("Wallet");
    QVERIFY(member->accounts()->insert(wallet));
    const Category hobby = Records::category("Hobby");
    const auto groceries = owner->categories()->findByName("Groceries");
    QVERIFY(groceries);
    QVERIFY(owner->accounts()->insert(joint) && owner->accounts()->insert(savings));
    QVERIFY(owner->categories()->insert(hobby));
    Transaction split = Records::transaction(joint.id, kDay, "Market", -5000);
    split.isSplit = true;
    QCOMPARE(owner->transactionService()->save(split,
                 QList<SplitLine> { Records::splitLine(hobby.id, -3000),
                     Records::splitLine(groceries->id, -2000) },
                 true),
        TransactionService::Result::Saved);
    Transaction transfer = Records::transaction(joint.id, kDay, "Transfer to Savings", -700);
    transfer.transferDestAccountId = savings.id;
    QCOMPARE(owner->transactionService()->save(transfer, std::nullopt, true),
        TransactionService::Result::Saved);
    // A category only a schedule names: nothing else brings its stand-in.
    const Category music = Records::category("Music");
    QVERIFY(owner->categories()->insert(music));
    RecurringTransaction lessons = Records::recurring(joint.id, "Lessons", kDay.addDays(7));
    lessons.categoryId = music.id;
    QVERIFY(owner->recurring()->insert(lessons));
    QVERIFY(owner.sync() && member.sync());
    QVERIFY(!member->accounts()->findById(joint.id));

    const QString serverId = owner->accounts()->findById(joint.id)->serverId;
    const QString bob = member.userId();
    QVERIFY(shareWith(owner, serverId, bob).ok);
    QVERIFY(member.sync());
    QCOMPARE(member->accounts()->findById(joint.id)->name, QString("Joint"));
    // The member's copy names whose it is; the owner's names nobody.
    QCOMPARE(member->accounts()->findById(joint.id)->sharedBy, std::optional<QString>("Ann"));
    QVERIFY(!member->accounts()->findById(wallet.id)->sharedBy);
    QVERIFY(!owner->accounts()->findById(joint.id)->sharedBy);
    QVERIFY(!member->accounts()->findById(savings.id));
    // Every row arrives whole, the owner's category held by a stand-in that
    // reads "Shared category" and is offered nowhere.
    QCOMPARE(member.scalar("SELECT COUNT(*) FROM sync_parked"), 0);
    const auto sharedSchedule = member->recurring()->findById(lessons.id);
    QVERIFY(sharedSchedule);
    QCOMPARE(sharedSchedule->categoryId, music.id);
    QList<SplitLine> lines = member->splitLines()->findByTransaction(split.id);
    QCOMPARE(lines.size(), 2);
    QVERIFY(std::any_of(lines.cbegin(), lines.cend(),
        [&](const SplitLine& line) { return line.categoryId == hobby.id; }));
    QVERIFY(member->categories()->findById(hobby.id)->isStandIn());
    QVERIFY(!member->categories()->findByName("Hobby"));
    QCOMPARE(member->transactions()->findByAccount(joint.id).size(), 2);
    const Transaction leg = *member->transactions()->findById(transfer.id);
    QVERIFY(!member->transactionService()->hasVisibleOtherLeg(leg));

    // The member works in the shared register; the owner sees it, the
    // owner's category untouched and never copied to the member's own.
    for (SplitLine& line : lines)
        line.amount = line.categoryId == hobby.id ? -3500 : -1500;
    Transaction edited = *member->transactions()->findById(split.id);
    edited.syncStatus = SyncStatus::Pending;
    edited.updatedAt = Clock::nowUtc();
    QCOMPARE(member->transactionService()->save(edited, lines, false),
        TransactionService::Result::Saved);
    const Transaction bakery = Records::transaction(joint.id, kDay, "Bakery", -2500);
    QVERIFY(member->transactions()->insert(bakery));
    front().clearRequests();
    QVERIFY(member.sync() && owner.sync());
    QCOMPARE(owner->transactions()->findById(bakery.id)->amount, qint64(-2500));
    const QList<SplitLine> ownerLines = owner->splitLines()->findByTransaction(split.id);
    QCOMPARE(ownerLines.size(), 2);
    for (const SplitLine& line : ownerLines)
        QCOMPARE(line.amount, line.categoryId == hobby.id ? qint64(-3500) : qint64(-1500));
    QCOMPARE(owner->categories()->findById(hobby.id)->name, QString("Hobby"));
    for (const TestHttpRequest& push : front().requestsTo(kPush))
        for (const QJsonValue& change : push.json().value("changes").toArray())
            QVERIFY(change["entity_id"].toString() != hobby.id);
    QCOMPARE(member.scalar("SELECT COUNT(*) FROM transactions WHERE sync_status != 'synced'"), 0);
    QVERIFY(!owner->accounts()->findById(wallet.id));
    QCOMPARE(member.engine()->statusText(), QString("Synced"));
    // The owner's account is not the member's to delete: the refusal shows.
    QVERIFY(member->accounts()->softDelete(joint.id));
    QVERIFY(member.sync());
    QCOMPARE(member.engine()->statusText(), QString("1 record(s) not accepted"));

    // The share ends while the member has an edit and the refused deletion on
    // their way: both are dropped, and what is gone is not the member's
    // deletion to undo.
    Transaction late = *member->transactions()->findById(bakery.id);
    late.payee = "Bakery (late)";
    late.syncStatus = SyncStatus::Pending;
    QVERIFY(member->transactions()->update(late));
    QCOMPARE(member.scalar("SELECT COUNT(*) FROM accounts WHERE deleted_at IS NOT NULL"), 1);
    QCOMPARE(removeShare(owner, serverId, bob), std::optional<bool>(true));
    QSignalSpy ended(member.engine(), &SyncEngine::accessEnded);
    QVERIFY(member.sync());
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.first().at(0).toString(), QString("Joint"));
    QCOMPARE(member.engine()->statusText(), QString("Synced"));
    QVERIFY(member->accounts()->findById(joint.id)->deletedAt.has_value());
    QVERIFY(member->transactions()->findByAccount(joint.id).isEmpty());
    QVERIFY(!member->accounts()->findById(wallet.id)->deletedAt.has_value());
    QVERIFY(member->accounts()->findDeleted().isEmpty());
    // Nothing of it goes back up, not even brought back by hand, and the
    // owner keeps everything.
    QCOMPARE(member.scalar("SELECT COUNT(*) FROM accounts WHERE sync_status != 'synced'"), 0);
    QCOMPARE(member.scalar("SELECT COUNT(*) FROM transactions WHERE sync_status != 'synced'"), 0);
    QCOMPARE(
        member->accountService()->restore(joint.id), AccountService::RestoreResult::AccessEnded);
    QVERIFY(member->accounts()->restore(joint.id));
    front().clearRequests();
    QVERIFY(member.sync() && owner.sync());
    for (const TestHttpRequest& push : front().requestsTo(kPush))
        QVERIFY(!push.body.contains(joint.id.toUtf8()));
    QCOMPARE(owner->transactions()->findById(bakery.id)->payee, QString("Bakery"));
    QVERIFY(!owner->accounts()->findById(joint.id)->deletedAt.has_value());
    QCOMPARE(owner->transactions()->findByAccount(joint.id).size(), 3);

    // Shared again, it comes back whole.
    QVERIFY(shareWith(owner, serverId, bob).ok);
    QVERIFY(member.sync());
    QVERIFY(!member->accounts()->findById(joint.id)->deletedAt.has_value());
    QCOMPARE(member->transactions()->findByAccount(joint.id).size(), 3);

    // Leaving the household ends the shares to and from the one who left.
    QVERIFY(std::get<0>(awaited<bool, QString>(
        [&](auto done) { member->cloudClient()->accountClient()->leaveGroup(done); })));
    QVERIFY(member.sync());
    QVERIFY(member->accounts()->findById(joint.id)->deletedAt.has_value());
    QVERIFY(member->transactions()->findByAccount(joint.id).isEmpty());

    // The owner's computer signed in as the one who left keeps the owner's
    // account: only what came through the share goes with it.
    owner.signInAs(RealServer::email("bob"));
    owner.engine()->syncNow();
    owner.engine()->adoptAccount();
    QVERIFY(owner.settle() && owner.sync());
    QVERIFY(!owner->accounts()->findById(joint.id)->deletedAt.has_value());
    QCOMPARE(owner->transactions()->findByAccount(joint.id).size(), 3);
}

QTEST_MAIN(TestSharing)
#include "tst_sharing.moc"
