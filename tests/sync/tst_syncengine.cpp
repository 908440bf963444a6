#include "DialogTestHelpers.h"
#include "Records.h"
#include "SyncSide.h"
#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"
#include "services/AccountService.h"
#include "services/TransactionService.h"
#include "services/import/CsvProfileService.h"
#include "services/import/ImportService.h"
#include "sync/SyncEngine.h"
#include "ui/dialogs/SyncConflictsDialog.h"
#include "ui/mainwindow/AccountSidebar.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterScreen.h"
#include "ui/register/RegisterTableView.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

const QDate kDay(2025, 3, 14);
const QString kPush = QStringLiteral("/ledgerine/v1/sync/push");
const QString kPull = QStringLiteral("/ledgerine/v1/sync/pull");

QList<TestHttpRequest> syncRequests(const TestHttpServer& front)
{
    QList<TestHttpRequest> found;
    for (const TestHttpRequest& request : front.requests()) {
        if (request.path == kPush || request.path == kPull)
            found << request;
    }
    return found;
}

// What a server answers as `edit` changes its JSON body.
void editJson(QByteArray& body, const std::function<void(QJsonObject&)>& edit)
{
    QJsonObject json = QJsonDocument::fromJson(body).object();
    edit(json);
    body = QJsonDocument(json).toJson(QJsonDocument::Compact);
}

// The changes of a push, edited as a list.
void editChanges(QByteArray& body, const std::function<void(QList<QJsonValue>&)>& edit)
{
    editJson(body, [&](QJsonObject& push) {
        const QJsonArray changes = push["changes"].toArray();
        QList<QJsonValue> list(changes.begin(), changes.end());
        edit(list);
        QJsonArray edited;
        for (const QJsonValue& change : std::as_const(list))
            edited.append(change);
        push["changes"] = edited;
    });
}

// Entity types in the order parents come before children.
int rankOf(const QJsonValue& change)
{
    static const QStringList order { "account", "category", "recurring", "transaction",
        "reconciliation", "csv_profile" };
    return int(order.indexOf(change.toObject().value("entity_type").toString()));
}

} // namespace

class TestSyncEngine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_server.start()); }
    void init();
    void cleanup();
    void twoComputersKeepOneLedger();
    void secondComputerTakesTheDefaultsAndAFormsLateEdit();
    void conflictIsSettledEitherWay();
    void pushesInBatchesAndSurvivesAFaultyServer();
    void recordBeforeItsParentIsParkedThenApplied();
    void forceFullSyncMidCycleAndAnotherUser();

private:
    // Both computers exchange everything; true when every cycle completed.
    bool exchange() { return m_a->sync() && m_b->sync() && m_a->sync(); }

    TestHttpServer& front() { return m_server.front(); }

    RealServer m_server;
    std::unique_ptr<SyncSide> m_a;
    std::unique_ptr<SyncSide> m_b;
};

void TestSyncEngine::init()
{
    front().reset();
    m_a = std::make_unique<SyncSide>(m_server, RealServer::email("ann"));
    m_b = std::make_unique<SyncSide>(m_server, RealServer::email("ann"));
    QVERIFY(m_a->holdCycles() && m_b->holdCycles());
}

void TestSyncEngine::cleanup()
{
    m_a.reset();
    m_b.reset();
}

void TestSyncEngine::twoComputersKeepOneLedger()
{
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    const Account checking = Records::account("Checking", 10000);
    const Account savings = Records::account("Savings");
    QVERIFY(a->accounts()->insert(checking) && a->accounts()->insert(savings));
    const Category hobby = Records::category("Hobby");
    const Category model = Records::category("Models", hobby.id);
    QVERIFY(a->categories()->insert(hobby) && a->categories()->insert(model));
    Transaction split = Records::transaction(checking.id, kDay, "Market", -5000);
    split.isSplit = true;
    QCOMPARE(a->transactionService()->save(split,
                 QList<SplitLine> { { Ids::newId(), {}, hobby.id, -3000, "paint", {}, {} },
                     { Ids::newId(), {}, model.id, -2000, "kit", {}, {} } },
                 true),
        TransactionService::Result::Saved);
    Transaction transfer = Records::transaction(checking.id, kDay, "Transfer to Savings", -700);
    transfer.transferDestAccountId = savings.id;
    QCOMPARE(a->transactionService()->save(transfer, std::nullopt, true),
        TransactionService::Result::Saved);
    QVERIFY(a->recurring()->insert(Records::recurring(checking.id, "Rent", kDay.addDays(10))));
    Reconciliation reconciliation;
    reconciliation.id = Ids::newId();
    reconciliation.accountId = checking.id;
    reconciliation.statementDate = kDay;
    reconciliation.statementBalance = reconciliation.reconciledBalance = 4300;
    reconciliation.completedAt = Clock::nowUtc();
    QVERIFY(a->reconciliations()->insert(reconciliation));
    const Account wallet = Records::account("Wallet");
    QVERIFY(b->accounts()->insert(wallet));
    const Transaction coffee = Records::transaction(wallet.id, kDay, "Coffee", -350);
    QVERIFY(b->transactions()->insert(coffee));
    // A page the store cannot keep goes whole.
    QSqlQuery refuse(b->database()->database());
    QVERIFY(refuse.exec("CREATE TRIGGER refuse_cursor BEFORE INSERT ON preferences WHEN new.key "
                        "= 'syncCursor' BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    QVERIFY(a.sync() && !b.sync());
    QCOMPARE(b.scalar("SELECT COUNT(*) FROM transactions"), 1);
    QVERIFY(refuse.exec("DROP TRIGGER refuse_cursor"));

    // The sidebar follows what a sync brings, without a restart.
    MainWindow window(b.state());
    QSignalSpy merged(b.state(), &AppState::dataChanged);
    QVERIFY(exchange());
    QCOMPARE(merged.count(), 1);
    QCOMPARE(window.sidebar()->totalLabel()->text(), QStringLiteral("Total: $46.50"));
    QCOMPARE(a.dump(), b.dump());
    QCOMPARE(b->splitLines()->findByTransaction(split.id).size(), 2);
    QCOMPARE(b.scalar("SELECT COUNT(*) FROM transactions WHERE transfer_link_id != ''"), 2);
    QCOMPARE(b.scalar("SELECT COUNT(*) FROM transactions WHERE sync_status != 'synced'"), 0);
    QVERIFY(!b->preferences()->value(SyncEngine::kLastSyncKey).isEmpty());

    // Different rows edited on each side, one of them while its push is in
    // flight: the later edit must not be taken for synced.
    QVERIFY(b.editPayee(split.id, "Farmers market"));
    QVERIFY(a.editPayee(coffee.id, "Espresso"));
    const int pushes = front().requestsTo(kPush).size();
    front().setFault(kPush, { .delayMs = 400, .times = 1 });
    a.engine()->syncNow();
    QVERIFY(QTest::qWaitFor([&] { return front().requestsTo(kPush).size() > pushes; }));
    QVERIFY(a.editPayee(coffee.id, "Double espresso"));
    QVERIFY(a.settle());
    QCOMPARE(a.transaction(coffee.id).syncStatus, SyncStatus::Pending);
    Transaction dearer = a.transaction(coffee.id);
    dearer.amount = -450;
    dearer.syncStatus = SyncStatus::Pending;
    QVERIFY(a->transactions()->update(dearer));
    merged.clear();
    QVERIFY(exchange());
    // One announcement per cycle that brought anything, not one per row.
    QCOMPARE(merged.count(), 1);
    QCOMPARE(window.sidebar()->totalLabel()->text(), QStringLiteral("Total: $45.50"));
    QCOMPARE(b.transaction(coffee.id).payee, QString("Double espresso"));
    QCOMPARE(a.transaction(split.id).payee, QString("Farmers market"));
    QCOMPARE(a.dump(), b.dump());
    // Search finds what pulls brought, new rows and changed ones, by their
    // latest text, and rows added after them.
    const QString matching
        = QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH '%1'");
    for (SyncSide* side : { &a, &b }) {
        QVERIFY((*side)->transactions()->insert(
            Records::transaction(checking.id, kDay, "Bakery", -200)));
        QCOMPARE(side->scalar(matching.arg("farmers OR espresso OR savings OR bakery")), 4);
        QCOMPARE(side->scalar(matching.arg("coffee")), 0);
    }

    // A deleted account goes away on the other computer, and comes back
    // there when restored here.
    QVERIFY(a->accountService()->remove(wallet.id).removed);
    QVERIFY(exchange());
    QVERIFY(b->accounts()->findById(wallet.id)->deletedAt.has_value());
    QVERIFY(b->accounts()->restore(wallet.id));
    QVERIFY(b.sync() && a.sync());
    QVERIFY(!a->accounts()->findById(wallet.id)->deletedAt.has_value());
    QCOMPARE(a.dump(), b.dump());
}

void TestSyncEngine::secondComputerTakesTheDefaultsAndAFormsLateEdit()
{
    // A computer new to the account made the same default categories on its
    // own: its first sync takes the account's, renames included.
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    Category groceries = *a->categories()->findByName("Groceries");
    groceries.name = "Food";
    groceries.updatedAt = Clock::nowUtc();
    groceries.syncStatus = SyncStatus::Pending;
    QVERIFY(a->categories()->update(groceries));
    QVERIFY(exchange());
    SyncSide c(m_server, RealServer::email("ann"));
    c.engine()->stopAutoSync();
    QVERIFY(c.settle() && c.sync());
    QCOMPARE(c.engine()->conflictCount(), 0);
    QCOMPARE(c.scalar("SELECT COUNT(*) FROM categories WHERE sync_status != 'synced'"), 0);
    QCOMPARE(c->categories()->findById(groceries.id)->name, QString("Food"));
    QCOMPARE(b->categories()->findById(groceries.id)->name, QString("Food"));
    QCOMPARE(a.dump(), c.dump());

    // A form opened before a sync moved its row on saves the user's fields
    // only: the edit arrives instead of conflicting with itself.
    const Account checking = Records::account("Checking");
    QVERIFY(a->accounts()->insert(checking));
    const Transaction rent = Records::transaction(checking.id, kDay, "Rent", -90000);
    QVERIFY(a->transactions()->insert(rent));
    QVERIFY(exchange());
    Transaction form = b.transaction(rent.id);
    QVERIFY(a.editPayee(rent.id, "Rent (March)"));
    QVERIFY(a.sync() && b.sync());
    form.payee = "Rent (March)";
    form.memo = "paid by card";
    form.updatedAt = Clock::nowUtc();
    form.syncStatus = SyncStatus::Pending;
    QCOMPARE(b->transactionService()->save(form, std::nullopt, false),
        TransactionService::Result::Saved);
    QVERIFY(b.sync() && a.sync());
    QCOMPARE(a.transaction(rent.id).memo, QString("paid by card"));
    QCOMPARE(b.engine()->conflictCount(), 0);
    QCOMPARE(a.dump(), b.dump());
}

void TestSyncEngine::conflictIsSettledEitherWay()
{
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    const Account checking = Records::account("Checking");
    QVERIFY(a->accounts()->insert(checking));
    const Transaction rent = Records::transaction(checking.id, kDay, "Rent", -90000);
    QVERIFY(a->transactions()->insert(rent));
    QVERIFY(exchange());

    QVERIFY(a.editPayee(rent.id, "Rent (March)"));
    QVERIFY(b.editPayee(rent.id, "Landlord"));
    QVERIFY(a.sync());
    QSignalSpy conflicts(b.engine(), &SyncEngine::conflictCountChanged);
    // Refused, the edit is neither pushed again nor overwritten: it waits for
    // the user, and an edit of it stays this computer's side.
    QVERIFY(b.sync());
    QCOMPARE(b.transaction(rent.id).syncStatus, SyncStatus::Conflict);
    QCOMPARE(conflicts.last().at(0).toInt(), 1);
    QVERIFY(b.editPayee(rent.id, "Landlord (March)"));
    QVERIFY(b.sync());
    QCOMPARE(b.transaction(rent.id).syncStatus, SyncStatus::Conflict);
    const QList<SyncConflict> listed = b.engine()->conflicts();
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed.first().mine.value("payee").toString(), QString("Landlord (March)"));
    QCOMPARE(listed.first().theirs->value("payee").toString(), QString("Rent (March)"));

    // Keep mine: it goes up over the server's version and wins everywhere.
    b.engine()->keepMine(SyncEntity::Transaction, rent.id);
    QVERIFY(b.settle() && b.sync() && a.sync());
    QCOMPARE(a.transaction(rent.id).payee, QString("Landlord (March)"));
    QCOMPARE(b.engine()->conflictCount(), 0);
    QCOMPARE(a.dump(), b.dump());

    // The other computer's, chosen in the conflicts window that the row's
    // menu in the register opens (as does the count in the status line),
    // with both sides' values next to each other.
    QVERIFY(a.editPayee(rent.id, "Rent (April)"));
    QVERIFY(b.editPayee(rent.id, "Landlord (April)"));
    QVERIFY(a.sync() && b.sync());
    MainWindow window(b.state());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.statusLine()
                ->findChild<QLabel*>("syncConflictLabel")
                ->text()
                .contains("1 sync conflict(s)</a>"));
    QStringList shown;
    QTimer menuAnswer;
    connect(&menuAnswer, &QTimer::timeout, [&menuAnswer] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
            if (action->text() == "Resolve Sync &Conflict...") {
                menuAnswer.stop();
                menu->close();
                action->trigger();
            }
        }
    });
    DialogTest::whenOpen<SyncConflictsDialog>([&shown](SyncConflictsDialog& dialog) {
        const auto* values = dialog.findChild<QTableWidget*>("conflictValues");
        for (int row = 0; row < values->rowCount(); ++row) {
            for (int column = 0; column < 3; ++column)
                shown << values->item(row, column)->text();
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>("useTheirsButton"), Qt::LeftButton);
        dialog.reject();
    });
    menuAnswer.start(10);
    RegisterScreen* register_ = window.registerScreen();
    const int row = register_->model()->rowOfTransaction(rent.id);
    register_->onContextMenu(
        register_->view()->visualRect(register_->model()->index(row, 2)).center());
    QCOMPARE(shown, QStringList({ "Payee", "Landlord (April)", "Rent (April)" }));
    QCOMPARE(b.transaction(rent.id).payee, QString("Rent (April)"));
    QVERIFY(b.settle() && b.sync() && a.sync());
    QCOMPARE(b.engine()->conflictCount(), 0);
    QCOMPARE(a.dump(), b.dump());

    // A conflict whose other side never arrived here (a store from before
    // they were kept) fetches it from the server.
    QVERIFY(a.editPayee(rent.id, "Rent (May)"));
    QVERIFY(b.editPayee(rent.id, "Landlord (May)"));
    QVERIFY(a.sync() && b.sync());
    QSqlQuery(b->database()->database()).exec("DELETE FROM sync_server_copies");
    b.engine()->useTheirs(SyncEntity::Transaction, rent.id);
    QVERIFY(b.settle() && b.sync());
    QCOMPARE(b.transaction(rent.id).payee, QString("Rent (May)"));
    QCOMPARE(a.dump(), b.dump());

    // An import profile renamed on both computers is settled the same way.
    CsvMapping mapping;
    mapping.hasHeaderRow = true;
    const auto profile = a->importService()->profiles()->remember(
        checking.id, "Date,Payee,Amount\n", mapping, "Bank");
    QVERIFY(profile && exchange());
    QVERIFY(a->importService()->profiles()->rename(profile->id, "ING"));
    QVERIFY(b->importService()->profiles()->rename(profile->id, "ING Direct"));
    QVERIFY(a.sync() && b.sync());
    QCOMPARE(b.engine()->conflicts().size(), 1);
    QCOMPARE(b.engine()->conflicts().first().theirs->value("name").toString(), QString("ING"));
    b.engine()->useTheirs(SyncEntity::CsvProfile, profile->id);
    QVERIFY(b.settle() && b.sync());
    QVERIFY(b->importService()->profiles()->named(checking.id, "ING"));
    QCOMPARE(a.dump(), b.dump());
    QVERIFY(b->importService()->profiles()->remove(profile->id));
    QVERIFY(b.sync() && a.sync());
    QVERIFY(a->importService()->profiles()->profiles(checking.id).isEmpty());
}

void TestSyncEngine::pushesInBatchesAndSurvivesAFaultyServer()
{
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    const Account checking = Records::account("Checking");
    QVERIFY(a->accounts()->insert(checking));
    {
        TransactionScope scope(a->database());
        for (int i = 0; i < 1200; ++i)
            QVERIFY(a->transactions()->insert(
                Records::transaction(checking.id, kDay.addDays(i % 90), "Row", -i)));
        QVERIFY(scope.commit());
    }
    front().clearRequests();
    // The server keeps the first batch, but its answer never arrives (nor
    // those of the network layer's own retries).
    front().setFault(kPush, { .dropAfterAnswer = true });
    QVERIFY(!a.sync());
    QCOMPARE(a.engine()->state(), SyncEngine::Error);
    QVERIFY(a.engine()->lastError().startsWith("Push failed"));
    front().clearFaults();
    QVERIFY(a.sync());
    QList<int> sizes;
    for (const TestHttpRequest& request : syncRequests(front())) {
        if (request.path == kPull)
            break;
        sizes << int(request.json().value("changes").toArray().size());
    }
    // 1,201 rows go in three batches before the first pull; the kept batch
    // is sent again and taken as the same changes.
    QVERIFY(sizes.size() >= 4);
    QCOMPARE(sizes.mid(sizes.size() - 4), (QList<int> { 500, 500, 500, 201 }));

    // A server stuck at one position ends the cycle instead of asking 50 times.
    front().clearRequests();
    front().setRewrite(
        kPull, { .answer = [](const TestHttpRequest& request, TestHttpResponse& answer) {
            editJson(answer.body, [&](QJsonObject& page) {
                page["has_more"] = true;
                page["cursor"] = request.query.queryItemValue("cursor", QUrl::FullyDecoded);
            });
        } });
    QVERIFY(!b.sync());
    QCOMPARE(front().requestsTo(kPull).size(), 1);
    front().setRewrite(kPull, {});
    // Pages are written several to a unit of work. One the store cannot keep
    // goes whole, with those after it; the pages before it stay, with their
    // cursor.
    QSqlQuery refuse(b->database()->database());
    for (const char* event : { "INSERT", "UPDATE" })
        QVERIFY(
            refuse.exec(QString("CREATE TRIGGER refuse_%1 BEFORE %1 ON preferences WHEN "
                                "new.key = 'syncCursor' AND (SELECT COUNT(*) FROM "
                                "transactions) > 400 BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                            .arg(event)));
    const int before = b.scalar("SELECT COUNT(*) FROM transactions");
    const QString cursor = b->preferences()->value(SyncEngine::kCursorKey);
    QVERIFY(!b.sync());
    const int kept = b.scalar("SELECT COUNT(*) FROM transactions");
    QVERIFY2(kept > before && kept <= 400, qPrintable(QString("%1 %2").arg(before).arg(kept)));
    QVERIFY(b->preferences()->value(SyncEngine::kCursorKey) != cursor);
    QVERIFY(refuse.exec("DROP TRIGGER refuse_INSERT") && refuse.exec("DROP TRIGGER refuse_UPDATE"));
    QVERIFY(b.sync());
    QCOMPARE(a.dump(), b.dump());

    // A server from before import profiles refuses them: the rest goes up in
    // one cycle, and the profile waits without counting as a refused record
    // until a server takes it.
    const auto refused = [](const QJsonValue& change) {
        return change["entity_type"].toString() == "csv_profile";
    };
    front().setRewrite(kPush,
        { .request =
                [refused](TestHttpRequest& request) {
                    editChanges(request.body,
                        [&](QList<QJsonValue>& changes) { changes.removeIf(refused); });
                },
            .answer =
                [refused](const TestHttpRequest& request, TestHttpResponse& answer) {
                    editJson(answer.body, [&](QJsonObject& body) {
                        QJsonArray results = body["results"].toArray();
                        for (const QJsonValue& change : request.json().value("changes").toArray())
                            if (refused(change))
                                results.append(QJsonObject { { "status", "error" },
                                    { "entity_type", "csv_profile" },
                                    { "entity_id", change["entity_id"] } });
                        body["results"] = results;
                    });
                } });
    CsvMapping mapping;
    mapping.hasHeaderRow = true;
    const auto profile = a->importService()->profiles()->remember(
        checking.id, "Date,Payee,Amount\n", mapping, "Bank");
    const Transaction late = Records::transaction(checking.id, kDay, "Late", -1);
    QVERIFY(profile && a->transactions()->insert(late));
    front().clearRequests();
    QVERIFY(a.sync());
    QCOMPARE(syncRequests(front()).size(), 2);
    QCOMPARE(a.engine()->statusText(), SyncEngine::stateText(SyncEngine::Idle));
    QCOMPARE(a.scalar("SELECT COUNT(*) FROM csv_profiles WHERE sync_status = 'pending'"), 1);
    QVERIFY(b.sync() && b->transactions()->findById(late.id));
    QVERIFY(!b->importService()->profiles()->named(checking.id, "Bank"));
    front().setRewrite(kPush, {});
    QVERIFY(a.sync() && b.sync());
    QVERIFY(b->importService()->profiles()->named(checking.id, "Bank"));
}

void TestSyncEngine::recordBeforeItsParentIsParkedThenApplied()
{
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    QVERIFY(exchange());
    // The server takes one push's changes children first and hands out one
    // record a page, so a pull meets the row before its parent.
    front().setRewrite(kPush, { .request = [](TestHttpRequest& request) {
        editChanges(request.body, [](QList<QJsonValue>& changes) {
            std::stable_sort(changes.begin(), changes.end(),
                [](const QJsonValue& a, const QJsonValue& b) { return rankOf(a) > rankOf(b); });
        });
    } });
    front().setRewrite(kPull, { .request = [](TestHttpRequest& request) {
        request.query.removeAllQueryItems("limit");
        request.query.addQueryItem("limit", "1");
    } });
    const Account checking = Records::account("Checking");
    QVERIFY(a->accounts()->insert(checking));
    const Category hobby = Records::category("Hobby");
    QVERIFY(a->categories()->insert(hobby));
    Transaction t = Records::transaction(checking.id, kDay, "Paint", -1200);
    t.categoryId = hobby.id;
    QVERIFY(a->transactions()->insert(t));
    QVERIFY(a.sync());

    front().clearRequests();
    QVERIFY(b.sync());
    QVERIFY(front().requestsTo(kPull).size() >= 3);
    QCOMPARE(b.transaction(t.id).payee, QString("Paint"));
    QCOMPARE(b.scalar("SELECT COUNT(*) FROM sync_parked"), 0);
    QCOMPARE(a.dump(), b.dump());

    // Rows no write path here would store, as an older program may send them,
    // are left out with the reason.
    const Transaction longPayee = Records::transaction(checking.id, kDay, QString(201, 'p'), -1);
    const Transaction later = Records::transaction(checking.id, QDate(2101, 1, 1), "Later", -1);
    QVERIFY(a->transactions()->insert(longPayee) && a->transactions()->insert(later));
    QVERIFY(a.sync());
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression("Skipping server transaction .* The payee is longer than 200"));
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression("applyTransactionChange: skipping server record with broken date:"));
    QVERIFY(b.sync());
    QVERIFY(!b->transactions()->findById(longPayee.id));
    QVERIFY(!b->transactions()->findById(later.id));

    // A row the store refuses waits alone: the rest of its page is kept, and
    // the row comes in once the store takes it.
    front().setRewrite(kPull, {});
    QSqlQuery refuse(b->database()->database());
    QVERIFY(refuse.exec("CREATE TRIGGER refuse_row BEFORE INSERT ON transactions WHEN new.payee "
                        "= 'Refused' BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    const Transaction refused = Records::transaction(checking.id, kDay, "Refused", -2);
    const Transaction kept = Records::transaction(checking.id, kDay, "Kept", -3);
    QVERIFY(a->transactions()->insert(refused) && a->transactions()->insert(kept));
    QVERIFY(a.sync() && b.sync());
    QVERIFY(b->transactions()->findById(kept.id));
    QVERIFY(!b->transactions()->findById(refused.id));
    QCOMPARE(b.scalar("SELECT COUNT(*) FROM sync_parked"), 1);
    QVERIFY(refuse.exec("DROP TRIGGER refuse_row"));
    QVERIFY(b.sync());
    QCOMPARE(b.transaction(refused.id).payee, QString("Refused"));
    QCOMPARE(b.scalar("SELECT COUNT(*) FROM sync_parked"), 0);
}

void TestSyncEngine::forceFullSyncMidCycleAndAnotherUser()
{
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    const Account checking = Records::account("Checking");
    QVERIFY(a->accounts()->insert(checking));
    QVERIFY(a->transactions()->insert(Records::transaction(checking.id, kDay, "Gas", -4000)));
    QVERIFY(exchange());

    // Asked for while a pull is on its way: the answer must not store its
    // cursor, and the next cycle starts the stream over.
    front().clearRequests();
    front().setFault(kPull, { .delayMs = 300, .times = 1 });
    QSignalSpy completed(b.engine(), &SyncEngine::syncCompleted);
    b.engine()->syncNow();
    QVERIFY(QTest::qWaitFor([&] { return !front().requestsTo(kPull).isEmpty(); }));
    b.engine()->forceFullSync();
    QVERIFY(QTest::qWaitFor([&] { return completed.count() > 0 && !b.engine()->isRunning(); }));
    const QList<TestHttpRequest> pulls = front().requestsTo(kPull);
    QVERIFY(pulls.size() >= 2);
    QVERIFY(pulls.first().query.hasQueryItem("cursor"));
    QVERIFY(!pulls.at(1).query.hasQueryItem("cursor"));
    QVERIFY(front().requestsTo(kPush).size() >= 1);
    QVERIFY(a.sync());
    QCOMPARE(a.dump(), b.dump());

    // Another user: nothing goes anywhere until the user agrees to upload,
    // and the user is asked once however many cycles want to start.
    const Transaction pay = Records::transaction(checking.id, kDay, "Pay", 250000);
    QVERIFY(a->transactions()->insert(pay));
    QVERIFY(a.sync() && b.sync());
    QSignalSpy asked(a.engine(), &SyncEngine::accountChangeDetected);
    a.signInAs(RealServer::email("bob"));
    front().clearRequests();
    a.engine()->syncNow();
    a.engine()->syncNow();
    QCOMPARE(asked.count(), 1);
    QVERIFY(syncRequests(front()).isEmpty());
    // "No" pauses the sync and says so, without asking again.
    a.engine()->declineAccount();
    a.engine()->syncNow();
    QCOMPARE(a.engine()->statusText(), QString("Sync paused"));
    QCOMPARE(asked.count(), 1);
    QVERIFY(syncRequests(front()).isEmpty());
    a.engine()->adoptAccount();
    QVERIFY(a.settle());
    QVERIFY(a.sync());
    QCOMPARE(a.scalar("SELECT COUNT(*) FROM transactions WHERE sync_status != 'synced'"), 0);
    {
        // Everything went up to the other account.
        SyncSide bobs(m_server, RealServer::email("bob"));
        QVERIFY(bobs.holdCycles() && bobs.sync());
        QCOMPARE(bobs.dump(), a.dump());
    }

    // Back to the first account, which moved on meanwhile: what went on
    // there is pulled before anything goes up, and a row changed on both
    // sides waits for the user instead of overwriting the other's change.
    QVERIFY(b.editPayee(pay.id, "Salary"));
    QVERIFY(a.editPayee(pay.id, "Wages"));
    QVERIFY(a.sync() && b.sync());
    asked.clear();
    a.signInAs(RealServer::email("ann"));
    a.engine()->syncNow();
    QCOMPARE(asked.count(), 1);
    a.engine()->adoptAccount();
    QVERIFY(a.settle());
    QVERIFY(a.sync() && b.sync());
    QCOMPARE(b.transaction(pay.id).payee, QString("Salary"));
    QCOMPARE(a.transaction(pay.id).syncStatus, SyncStatus::Conflict);
    QCOMPARE(a.transaction(pay.id).payee, QString("Wages"));
    QCOMPARE(a.scalar("SELECT COUNT(*) FROM categories WHERE sync_status != 'synced'"), 0);
}

QTEST_MAIN(TestSyncEngine)
#include "tst_syncengine.moc"
