#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/RecurringRepository.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);

QStringList payees(const QList<RecurringTransaction>& list)
{
    QStringList out;
    for (const RecurringTransaction& r : list)
        out << r.payee;
    out.sort(); // callers that care about order compare without this helper
    return out;
}

struct Schedules {
    TestDatabase test;
    AccountRepository accounts { test.db() };
    RecurringRepository repo { test.db() };
    Account account = add(QStringLiteral("Checking"));

    Account add(const QString& name)
    {
        Account a = Records::account(name);
        if (!accounts.insert(a))
            qFatal("account insert failed");
        return a;
    }
    RecurringTransaction insert(const QString& payee, const QDate& due, bool active = true,
        const QString& accountId = QString())
    {
        RecurringTransaction r
            = Records::recurring(accountId.isEmpty() ? account.id : accountId, payee, due);
        r.isActive = active;
        if (!repo.insert(r))
            qFatal("recurring insert failed");
        return r;
    }
};

} // namespace

class TestRecurringRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }

    void roundTripAndUpdate();
    void findAllOrder();
    void findDue();
    void brokenNextDueDateWarnsAndSaves_data();
    void brokenNextDueDateWarnsAndSaves();
    void frequencyTexts_data();
    void frequencyTexts();
    void deleteRestoreAndResync();
    void failedWrites();
};

void TestRecurringRepository::roundTripAndUpdate()
{
    Schedules s;
    const Account savings = s.add(QStringLiteral("Savings"));
    CategoryRepository categories(s.test.db());
    const Category rent = Records::category(QStringLiteral("Rent"));
    QVERIFY(categories.insert(rent));
    QSignalSpy changed(&s.repo, &RecurringRepository::recurringChanged);

    RecurringTransaction r
        = Records::recurring(s.account.id, QStringLiteral("Landlord"), QDate(2026, 4, 1));
    r.memo = QStringLiteral("flat");
    r.amount = -150'000;
    r.categoryId = rent.id;
    r.frequency = Frequency::SemiAnnual;
    r.startDate = QDate(2026, 1, 1);
    r.endDate = QDate(2027, 12, 31);
    r.autoPost = true;
    r.transferDestAccountId = savings.id;
    r.version = 2;
    r.serverId = QStringLiteral("srv");
    QVERIFY(s.repo.insert(r));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(s.test
                 .scalar(QStringLiteral("SELECT frequency || '|' || start_date || '|' || "
                                        "end_date || '|' || next_due_date FROM "
                                        "recurring_transactions"))
                 .toString(),
        QStringLiteral("semi_annual|2026-01-01|2027-12-31|2026-04-01"));

    auto stored = s.repo.findById(r.id);
    QVERIFY(stored);
    QCOMPARE(stored->accountId, s.account.id);
    QCOMPARE(stored->memo, QStringLiteral("flat"));
    QCOMPARE(stored->amount, -150'000);
    QCOMPARE(stored->categoryId, rent.id);
    QCOMPARE(stored->frequency, Frequency::SemiAnnual);
    QCOMPARE(stored->startDate, QDate(2026, 1, 1));
    QCOMPARE(stored->endDate, std::optional<QDate>(QDate(2027, 12, 31)));
    QCOMPARE(stored->nextDueDate, QDate(2026, 4, 1));
    QVERIFY(stored->autoPost && stored->isActive);
    QCOMPARE(stored->transferDestAccountId, savings.id);
    QCOMPARE(stored->version, 2);
    QCOMPARE(stored->serverId, QStringLiteral("srv"));
    QCOMPARE(stored->createdAt, kNow);

    RecurringTransaction edited = *stored;
    edited.endDate.reset();
    edited.categoryId.clear();
    edited.accountId = savings.id; // never moved by an update
    edited.isActive = false;
    edited.nextDueDate = QDate(2026, 10, 1);
    edited.createdAt = kNow.addYears(-1);
    edited.updatedAt = kNow.addDays(1);
    QVERIFY(s.repo.update(edited));
    QCOMPARE(changed.count(), 2);
    stored = s.repo.findById(r.id);
    QVERIFY(!stored->endDate);
    QVERIFY(stored->categoryId.isEmpty());
    QVERIFY(!stored->isActive);
    QCOMPARE(stored->accountId, s.account.id);
    QCOMPARE(stored->nextDueDate, QDate(2026, 10, 1));
    QCOMPARE(stored->createdAt, kNow);
    QCOMPARE(stored->updatedAt, kNow.addDays(1));
    QCOMPARE(s.test
                 .scalar(QStringLiteral("SELECT (end_date IS NULL) || (category_id IS NULL) "
                                        "FROM recurring_transactions"))
                 .toString(),
        QStringLiteral("11"));
}

void TestRecurringRepository::findAllOrder()
{
    Schedules s;
    const QDate d(2026, 5, 1);
    s.insert(QStringLiteral("paused early"), d.addDays(-30), false);
    s.insert(QStringLiteral("beta"), d);
    s.insert(QStringLiteral("Alpha"), d);
    s.insert(QStringLiteral("soon"), d.addDays(-1));
    s.insert(QStringLiteral("paused late"), d.addDays(30), false);
    const RecurringTransaction gone = s.insert(QStringLiteral("gone"), d.addDays(-99));
    QVERIFY(s.repo.softDelete(gone.id));

    QStringList ordered;
    for (const RecurringTransaction& r : s.repo.findAll())
        ordered << r.payee;
    QCOMPARE(ordered,
        QStringList({ QStringLiteral("soon"), QStringLiteral("Alpha"), QStringLiteral("beta"),
            QStringLiteral("paused early"), QStringLiteral("paused late") }));
}

void TestRecurringRepository::findDue()
{
    Schedules s;
    const QDate today = Clock::today();
    s.insert(QStringLiteral("due today"), today);
    s.insert(QStringLiteral("overdue"), today.addMonths(-1));
    s.insert(QStringLiteral("tomorrow"), today.addDays(1));
    s.insert(QStringLiteral("inactive"), today.addDays(-3), false);
    const RecurringTransaction gone = s.insert(QStringLiteral("deleted"), today.addDays(-3));
    QVERIFY(s.repo.softDelete(gone.id));

    QCOMPARE(payees(s.repo.findDue(today)),
        QStringList({ QStringLiteral("due today"), QStringLiteral("overdue") }));
    QCOMPARE(payees(s.repo.findDue(today.addDays(-40))), QStringList());
    QCOMPARE(payees(s.repo.findDue(today.addDays(1))),
        QStringList({ QStringLiteral("due today"), QStringLiteral("overdue"),
            QStringLiteral("tomorrow") }));
}

void TestRecurringRepository::brokenNextDueDateWarnsAndSaves_data()
{
    QTest::addColumn<QDate>("nextDue");
    QTest::addColumn<bool>("warns");
    QTest::newRow("last day of 1999") << QDate(1999, 12, 31) << true;
    QTest::newRow("invalid") << QDate() << true;
    QTest::newRow("first day of 2000") << QDate(2000, 1, 1) << false;
}

void TestRecurringRepository::brokenNextDueDateWarnsAndSaves()
{
    QFETCH(QDate, nextDue);
    QFETCH(bool, warns);
    Schedules s;
    RecurringTransaction r = Records::recurring(s.account.id, QStringLiteral("Gym"), nextDue);
    r.id = QStringLiteral("sched-1");
    r.startDate = QDate(1999, 11, 30);
    r.frequency = Frequency::Weekly;
    const QString expected = QStringLiteral("RecurringRepository::%1 saving recurring with broken "
                                            "nextDueDate: id=sched-1 payee=Gym nextDueDate=%2 "
                                            "startDate=1999-11-30 frequency=1")
                                 .arg(QStringLiteral("%1"), nextDue.toString(Qt::ISODate));
    if (warns)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(expected.arg(QStringLiteral("insert"))));
    else
        QTest::failOnWarning(QRegularExpression(QStringLiteral("broken nextDueDate")));
    QVERIFY(s.repo.insert(r));
    const auto stored = s.repo.findById(r.id);
    QVERIFY(stored);
    QCOMPARE(stored->nextDueDate, nextDue);

    r.payee = QStringLiteral("Gym");
    if (warns)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(expected.arg(QStringLiteral("update"))));
    QVERIFY(s.repo.update(r));
}

void TestRecurringRepository::frequencyTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Frequency>("frequency");
    QTest::newRow("daily") << QStringLiteral("daily") << Frequency::Daily;
    QTest::newRow("biweekly") << QStringLiteral("biweekly") << Frequency::Biweekly;
    QTest::newRow("quarterly") << QStringLiteral("quarterly") << Frequency::Quarterly;
    QTest::newRow("semi_annual") << QStringLiteral("semi_annual") << Frequency::SemiAnnual;
    QTest::newRow("annual") << QStringLiteral("annual") << Frequency::Annual;
    QTest::newRow("unknown") << QStringLiteral("fortnightly") << Frequency::Monthly;
    QTest::newRow("capitalised") << QStringLiteral("Weekly") << Frequency::Monthly;
}

void TestRecurringRepository::frequencyTexts()
{
    QFETCH(QString, text);
    QFETCH(Frequency, frequency);
    Schedules s;
    QVERIFY(s.test.exec(QStringLiteral(
        "INSERT INTO recurring_transactions (id, account_id, payee, amount, frequency, "
        "start_date, next_due_date, created_at, updated_at) VALUES ('r', '%1', 'P', 1, '%2', "
        "'2026-01-01', '2026-02-01', '', '')")
                            .arg(s.account.id, text)));
    QCOMPARE(s.repo.findById(QStringLiteral("r"))->frequency, frequency);
    QCOMPARE(frequencyToText(Frequency(42)), QStringLiteral("monthly"));
}

void TestRecurringRepository::deleteRestoreAndResync()
{
    Schedules s;
    const Account other = s.add(QStringLiteral("Other"));
    const RecurringTransaction a = s.insert(QStringLiteral("a"), QDate(2026, 4, 1));
    const RecurringTransaction b = s.insert(QStringLiteral("b"), QDate(2026, 4, 1));
    const RecurringTransaction elsewhere
        = s.insert(QStringLiteral("c"), QDate(2026, 4, 1), true, other.id);
    QSignalSpy changed(&s.repo, &RecurringRepository::recurringChanged);

    const QDateTime cut = kNow.addDays(1);
    Clock::setFixedUtc(cut.addSecs(-1));
    QVERIFY(s.repo.softDelete(a.id));
    QCOMPARE(*s.repo.findById(a.id)->deletedAt, s.repo.findById(a.id)->updatedAt);
    Clock::setFixedUtc(cut);
    QCOMPARE(s.repo.softDeleteByAccount(s.account.id), 1);
    QCOMPARE(s.repo.softDeleteByAccount(s.account.id), 0);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(s.repo.findAll().size(), 1);

    QCOMPARE(s.repo.restoreByAccount(s.account.id, cut.addSecs(1).toString(Qt::ISODate)), 0);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(s.repo.restoreByAccount(s.account.id, cut.toString(Qt::ISODate)), 1);
    QCOMPARE(changed.count(), 3);
    QVERIFY(!s.repo.findById(b.id)->deletedAt);
    QVERIFY(s.repo.findById(a.id)->deletedAt);

    QVERIFY(s.repo.markSynced(b.id, QStringLiteral("sb")));
    QVERIFY(s.repo.markSynced(elsewhere.id, QStringLiteral("sc")));
    QVERIFY(s.repo.markSynced(a.id, QStringLiteral("sa")));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(s.repo.findPending().size(), 0);
    QCOMPARE(s.repo.markAllPendingForResync(), 2);
    QCOMPARE(changed.count(), 4);
    QCOMPARE(s.repo.findById(a.id)->syncStatus, SyncStatus::Synced);
    QCOMPARE(s.repo.markAllPendingForResync(), 0);
    QCOMPARE(changed.count(), 4);
}

void TestRecurringRepository::failedWrites()
{
    Schedules s;
    const RecurringTransaction r = s.insert(QStringLiteral("kept"), QDate(2026, 4, 1));
    const RecurringTransaction gone = s.insert(QStringLiteral("gone"), QDate(2026, 4, 1));
    QVERIFY(s.repo.softDelete(gone.id));
    QSignalSpy changed(&s.repo, &RecurringRepository::recurringChanged);

    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^RecurringRepository::insert failed: .*FOREIGN KEY")));
    QVERIFY(!s.repo.insert(
        Records::recurring(QStringLiteral("nobody"), QStringLiteral("x"), QDate(2026, 4, 1))));

    QVERIFY(s.test.exec(QStringLiteral("CREATE TRIGGER frozen BEFORE UPDATE ON "
                                       "recurring_transactions BEGIN SELECT RAISE(ABORT, "
                                       "'frozen'); END")));
    for (const char* op :
        { "update", "softDeleteByAccount", "restoreByAccount", "markAllPendingForResync" })
        QTest::ignoreMessage(QtWarningMsg,
            QRegularExpression(QStringLiteral("^RecurringRepository::%1 failed: .*frozen")
                                   .arg(QLatin1String(op))));
    // The single soft delete reports its failure by its result only.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("softDelete failed")));
    RecurringTransaction edited = r;
    edited.payee = QStringLiteral("changed");
    QVERIFY(!s.repo.update(edited));
    QVERIFY(!s.repo.softDelete(r.id));
    QCOMPARE(s.repo.softDeleteByAccount(s.account.id), 0);
    QCOMPARE(s.repo.restoreByAccount(s.account.id, QStringLiteral("2000-01-01T00:00:00Z")), 0);
    QVERIFY(s.test.exec(QStringLiteral("DROP TRIGGER frozen")));
    QVERIFY(s.repo.markSynced(r.id, QStringLiteral("s")));
    QVERIFY(s.test.exec(QStringLiteral("CREATE TRIGGER frozen BEFORE UPDATE ON "
                                       "recurring_transactions BEGIN SELECT RAISE(ABORT, "
                                       "'frozen'); END")));
    QCOMPARE(s.repo.markAllPendingForResync(), 0);

    QCOMPARE(changed.count(), 0);
    const auto stored = s.repo.findById(r.id);
    QCOMPARE(stored->payee, QStringLiteral("kept"));
    QVERIFY(!stored->deletedAt);
    QVERIFY(s.repo.findById(gone.id)->deletedAt);
}

QTEST_GUILESS_MAIN(TestRecurringRepository)
#include "tst_recurringrepository.moc"
