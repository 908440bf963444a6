#include "Records.h"
#include "TestDatabase.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/RecurringRepository.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);

struct Schedules {
    TestDatabase test;
    RecurringRepository repo { test.db() };
    Account account = test.addAccount("Checking");

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
    QString scalar(const QString& sql) const { return test.scalar(sql).toString(); }
};

QStringList payees(const QList<RecurringTransaction>& list)
{
    return Records::texts(list, &RecurringTransaction::payee);
}

} // namespace

class TestRecurringRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }

    void roundTripUpdateAndFallbacks();
    void findAllAndFindDue();
    void brokenNextDueDateWarnsAndSaves_data();
    void brokenNextDueDateWarnsAndSaves();
    void deleteRestoreResyncAndFailures();
};

void TestRecurringRepository::roundTripUpdateAndFallbacks()
{
    Schedules s;
    const Category rent = Records::category("Rent");
    QVERIFY(CategoryRepository(s.test.db()).insert(rent));
    QSignalSpy changed(&s.repo, &RecurringRepository::recurringChanged);
    RecurringTransaction r = Records::recurring(s.account.id, "Landlord", QDate(2026, 4, 1));
    r.memo = "flat";
    r.amount = -150'000;
    r.categoryId = rent.id;
    r.frequency = Frequency::SemiAnnual;
    r.startDate = QDate(2026, 1, 1);
    r.endDate = QDate(2027, 12, 31);
    r.autoPost = true;
    QVERIFY(s.repo.insert(r));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(s.scalar("SELECT frequency || '|' || start_date || '|' || end_date || '|' || "
                      "next_due_date FROM recurring_transactions"),
        "semi_annual|2026-01-01|2027-12-31|2026-04-01");
    auto stored = s.repo.findById(r.id);
    QCOMPARE(QStringList({ stored->memo, stored->categoryId }), QStringList({ "flat", rent.id }));
    QCOMPARE(stored->amount, -150'000);
    QCOMPARE(stored->frequency, Frequency::SemiAnnual);
    QCOMPARE(stored->endDate, std::optional<QDate>(QDate(2027, 12, 31)));
    QVERIFY(stored->autoPost && stored->isActive);

    // Cleared links and dates go back as NULL; the account and created_at stay.
    stored->endDate.reset();
    stored->categoryId.clear();
    stored->accountId = s.test.addAccount("Savings").id;
    stored->isActive = false;
    stored->createdAt = kNow.addYears(-1);
    QVERIFY(s.repo.update(*stored));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(s.scalar("SELECT (end_date IS NULL) || (category_id IS NULL) || is_active || "
                      "(account_id = '"
                 + s.account.id + "') || created_at FROM recurring_transactions"),
        "1101" + kNow.toString(Qt::ISODate));

    // Frequency texts are compared exactly; anything else reads as monthly.
    QVERIFY(s.test.exec("UPDATE recurring_transactions SET frequency = 'Weekly'"));
    QCOMPARE(s.repo.findById(r.id)->frequency, Frequency::Monthly);
    QCOMPARE(frequencyToText(Frequency(42)), "monthly");
}

void TestRecurringRepository::findAllAndFindDue()
{
    Schedules s;
    const QDate today = Clock::today();
    s.insert("paused early", today.addDays(-30), false);
    s.insert("Beta", today);
    s.insert("alpha", today);
    s.insert("overdue", today.addDays(-1));
    s.insert("tomorrow", today.addDays(1));
    s.insert("paused late", today.addDays(30), false);
    QVERIFY(s.repo.softDelete(s.insert("gone", today.addDays(-99)).id));

    // Active ones first by due date, then payee in any case; paused ones after.
    QCOMPARE(payees(s.repo.findAll()),
        QStringList({ "overdue", "alpha", "Beta", "tomorrow", "paused early", "paused late" }));
    QStringList due = payees(s.repo.findDue(today));
    due.sort();
    QCOMPARE(due, QStringList({ "Beta", "alpha", "overdue" }));
    QVERIFY(s.repo.findDue(today.addDays(-40)).isEmpty());
    QCOMPARE(s.repo.findDue(today.addDays(1)).size(), 4);
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
    RecurringTransaction r = Records::recurring(s.account.id, "Gym", nextDue);
    r.id = "sched-1";
    r.startDate = QDate(1999, 11, 30);
    r.frequency = Frequency::Weekly;
    const QString expected = QStringLiteral("RecurringRepository::%1 saving recurring with broken "
                                            "nextDueDate: id=sched-1 payee=Gym nextDueDate=%2 "
                                            "startDate=1999-11-30 frequency=1")
                                 .arg("%1", nextDue.toString(Qt::ISODate));
    if (warns)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(expected.arg("insert")));
    else
        QTest::failOnWarning(QRegularExpression("broken nextDueDate"));
    QVERIFY(s.repo.insert(r));
    QCOMPARE(s.repo.findById(r.id)->nextDueDate, nextDue);
    // An invalid date is stored as "" (the column is NOT NULL).
    QCOMPARE(s.scalar("SELECT next_due_date FROM recurring_transactions"),
        nextDue.toString(Qt::ISODate));
    if (warns)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(expected.arg("update")));
    QVERIFY(s.repo.update(r));
}

void TestRecurringRepository::deleteRestoreResyncAndFailures()
{
    Schedules s;
    const Account other = s.test.addAccount("Other");
    const RecurringTransaction a = s.insert("a", QDate(2026, 4, 1));
    const RecurringTransaction b = s.insert("b", QDate(2026, 4, 1));
    s.insert("c", QDate(2026, 4, 1), true, other.id);
    QSignalSpy changed(&s.repo, &RecurringRepository::recurringChanged);
    QVERIFY(s.repo.softDelete(a.id));
    Clock::setFixedUtc(kNow.addDays(1));
    QCOMPARE(s.repo.softDeleteByAccount(s.account.id), 1);
    QCOMPARE(payees(s.repo.findAll()), QStringList { "c" });
    QCOMPARE(s.repo.restoreByAccount(s.account.id, kNow.addDays(1).toString(Qt::ISODate)), 1);
    QCOMPARE(payees(s.repo.findAll()), QStringList({ "b", "c" }));
    QVERIFY(s.repo.markSynced(b.id, "s"));
    QCOMPARE(s.repo.markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 4);

    // Failed writes log (all but the single soft delete, which reports by its
    // result only), return false or 0, emit nothing and change nothing.
    expectWarning("^RecurringRepository::insert failed: .*FOREIGN KEY");
    QVERIFY(!s.repo.insert(Records::recurring("nobody", "x", QDate(2026, 4, 1))));
    QVERIFY(s.test.freeze("recurring_transactions"));
    expectWarning("^RecurringRepository::update failed: .*frozen");
    expectWarning("^RecurringRepository::softDeleteByAccount failed: .*frozen");
    QTest::failOnWarning(QRegularExpression("softDelete failed"));
    RecurringTransaction edited = b;
    edited.payee = "changed";
    QVERIFY(!s.repo.update(edited));
    QVERIFY(!s.repo.softDelete(b.id));
    QCOMPARE(s.repo.softDeleteByAccount(s.account.id), 0);
    QCOMPARE(changed.count(), 4);
    QCOMPARE(payees(s.repo.findAll()), QStringList({ "b", "c" }));
}

QTEST_GUILESS_MAIN(TestRecurringRepository)
#include "tst_recurringrepository.moc"
