#include "Records.h"
#include "TestDatabase.h"
#include "data/Clock.h"
#include "data/RecurringRepository.h"

#include <QTest>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);

struct Schedules {
    TestDatabase test;
    RecurringRepository repo { test.db() };
    Account account = test.addAccount("Checking");

    RecurringTransaction insert(const QString& payee, const QDate& due, bool active = true)
    {
        RecurringTransaction r = Records::recurring(account.id, payee, due);
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

    void roundTripAndUpdate();
    void findAllAndFindDue();
    void brokenNextDueDateWarnsAndSaves_data();
    void brokenNextDueDateWarnsAndSaves();
};

void TestRecurringRepository::roundTripAndUpdate()
{
    Schedules s;
    RecurringTransaction r = Records::recurring(s.account.id, "Landlord", QDate(2026, 4, 1));
    r.frequency = Frequency::SemiAnnual;
    r.endDate = QDate(2027, 12, 31);
    QVERIFY(s.repo.insert(r));
    auto stored = s.repo.findById(r.id);
    QCOMPARE(stored->frequency, Frequency::SemiAnnual);
    QCOMPARE(stored->endDate, std::optional<QDate>(QDate(2027, 12, 31)));

    // A cleared end date goes back as NULL; the account and created_at stay.
    stored->endDate.reset();
    stored->accountId = s.test.addAccount("Savings").id;
    stored->createdAt = kNow.addYears(-1);
    QVERIFY(s.repo.update(*stored));
    QCOMPARE(s.scalar("SELECT (end_date IS NULL) || (account_id = '" + s.account.id
                 + "') || created_at FROM recurring_transactions"),
        "11" + kNow.toString(Qt::ISODate));

    // Frequency texts are compared exactly; anything else reads as monthly.
    QVERIFY(s.test.exec("UPDATE recurring_transactions SET frequency = 'Weekly'"));
    QCOMPARE(s.repo.findById(r.id)->frequency, Frequency::Monthly);
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

    // An account deleted and restored brings back its live schedules only.
    Clock::setFixedUtc(kNow.addDays(1));
    QCOMPARE(s.repo.softDeleteByAccount(s.account.id), 6);
    QVERIFY(s.repo.findAll().isEmpty());
    QCOMPARE(s.repo.restoreByAccount(s.account.id, Clock::nowIso()), 6);
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
    const QString warning = QStringLiteral("RecurringRepository::insert saving recurring with "
                                           "broken nextDueDate: id=sched-1 payee=Gym "
                                           "nextDueDate=%1 startDate=1999-11-30 frequency=1")
                                .arg(nextDue.toString(Qt::ISODate));
    if (warns)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    else
        QTest::failOnWarning(QRegularExpression("broken nextDueDate"));
    QVERIFY(s.repo.insert(r));
    // An invalid date is stored as "" (the column is NOT NULL).
    QCOMPARE(s.scalar("SELECT next_due_date FROM recurring_transactions"),
        nextDue.toString(Qt::ISODate));
}

QTEST_GUILESS_MAIN(TestRecurringRepository)
#include "tst_recurringrepository.moc"
