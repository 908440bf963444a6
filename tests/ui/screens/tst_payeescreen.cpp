#include "DialogTestHelpers.h"
#include "TestAppState.h"
#include "TestDatabase.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "ui/screens/PayeeScreen.h"
#include "ui/widgets/MessageBoxes.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

// "payee: count [Similar]" for every row of the list.
QStringList rows(const PayeeScreen& screen)
{
    QStringList out;
    for (int i = 0; i < screen.list()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = screen.list()->topLevelItem(i);
        QString row
            = item->text(PayeeScreen::PayeeColumn) + u": "_s + item->text(PayeeScreen::CountColumn);
        if (!item->text(PayeeScreen::SimilarColumn).isEmpty())
            row += u" ["_s + item->text(PayeeScreen::SimilarColumn) + u"]"_s;
        out << row;
    }
    return out;
}

void select(PayeeScreen& screen, const QStringList& payees)
{
    screen.list()->clearSelection();
    for (int i = 0; i < screen.list()->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = screen.list()->topLevelItem(i);
        item->setSelected(payees.contains(item->text(PayeeScreen::PayeeColumn)));
    }
}

QStringList column(TestAppState& app, const QString& sql)
{
    return queryColumn(app->database()->database(), sql);
}

} // namespace

class TestPayeeScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Clock::setFixedUtc(QDateTime(QDate(2025, 6, 18), QTime(9, 30), Qt::UTC));
    }
    void init() { MessageBoxes::clearAnswers(); }

    void renameAndMergeCountLiveRows();
    void failedWriteChangesNothing();
};

void TestPayeeScreen::renameAndMergeCountLiveRows()
{
    TestAppState app;
    const Account a = app.addAccount(u"Checking"_s);
    const QDate day(2025, 6, 1);
    for (const QString& payee :
        { u"Acme"_s, u"Acme"_s, u" acme "_s, u"Bob"_s, u"Bob"_s, u"Carl"_s })
        app.addTransaction(a.id, day, payee, -100);
    QVERIFY(app->transactions()->softDelete(app.addTransaction(a.id, day, u"Bob"_s, -5).id));

    PayeeScreen screen(app.state());
    QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);
    screen.reload();
    QCOMPARE(rows(screen),
        QStringList(
            { u" acme : 1 [Similar]"_s, u"Acme: 2 [Similar]"_s, u"Bob: 2"_s, u"Carl: 1"_s }));

    // Nothing to rename to: nothing happens, nothing is said.
    select(screen, { u"Bob"_s });
    screen.onRename();
    QVERIFY(!MessageBoxes::lastShown());

    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 19), QTime(7, 5, 9), Qt::UTC));
    screen.renameLine()->setText(u"  Robert "_s);
    // The box, shown for real, leaves its title room to be read whole.
    int titleRoom = -1;
    DialogTest::whenOpen<QMessageBox>([&titleRoom](QMessageBox& box) {
        titleRoom = box.width() - box.fontMetrics().horizontalAdvance(box.windowTitle());
        box.button(QMessageBox::Ok)->click();
    });
    screen.onRename();
    QVERIFY(titleRoom >= MessageBoxes::kTitleBarRoom);
    QCOMPARE(std::tie(MessageBoxes::lastShown()->title, MessageBoxes::lastShown()->text),
        std::tuple(u"Rename Complete"_s, u"Renamed 2 transaction(s)."_s));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(
        column(app,
            u"SELECT DISTINCT updated_at || ' ' || sync_status FROM transactions WHERE payee = 'Robert'"_s),
        QStringList({ u"2025-06-19T07:05:09Z pending"_s }));
    // The deleted row keeps its payee.
    QCOMPARE(column(app, u"SELECT payee FROM transactions WHERE deleted_at IS NOT NULL"_s),
        QStringList({ u"Bob"_s }));

    // Merging into the first selected, tidied of its spaces.
    select(screen, { u"Acme"_s, u" acme "_s, u"Carl"_s });
    screen.renameLine()->clear();
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    screen.onMerge();
    QCOMPARE(MessageBoxes::lastShown()->text, u"Merged 4 transaction(s)."_s);
    QCOMPARE(rows(screen), QStringList({ u"Robert: 2"_s, u"acme: 4"_s }));

    // Merging three into the first one's name counts only the other two's rows.
    app.addTransaction(a.id, day, u"Dora"_s, -100);
    screen.reload();
    select(screen, { u"Robert"_s, u"acme"_s, u"Dora"_s });
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    screen.onMerge();
    QCOMPARE(MessageBoxes::lastShown()->text, u"Merged 6 transaction(s)."_s);
    QCOMPARE(rows(screen), QStringList({ u"Dora: 7"_s }));
    QCOMPARE(changed.count(), 3);

    select(screen, { u"Dora"_s });
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    screen.onMerge();
    QCOMPARE(MessageBoxes::lastShown()->text, u"Select 2 or more payees to merge."_s);
    QCOMPARE(changed.count(), 3);
}

void TestPayeeScreen::failedWriteChangesNothing()
{
    TestAppState app;
    const Account a = app.addAccount(u"Checking"_s);
    for (const QString& payee : { u"Ann"_s, u"Ann"_s, u"Zed"_s })
        app.addTransaction(a.id, QDate(2025, 6, 1), payee, -100);
    // The statement reaches Zed's row after changing Ann's.
    QSqlQuery(app->database()->database())
        .exec(u"CREATE TRIGGER stop BEFORE UPDATE ON transactions WHEN old.payee = 'Zed' "
              "BEGIN SELECT RAISE(ABORT, 'stop'); END"_s);

    PayeeScreen screen(app.state());
    QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);
    screen.reload();
    select(screen, { u"Ann"_s, u"Zed"_s });
    screen.renameLine()->setText(u"Both"_s);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"renamePayees failed"_s));
    screen.onRename();
    QCOMPARE(MessageBoxes::lastShown()->title, u"Rename Failed"_s);
    QCOMPARE(column(app, u"SELECT payee FROM transactions ORDER BY payee"_s),
        QStringList({ u"Ann"_s, u"Ann"_s, u"Zed"_s }));
    QCOMPARE(changed.count(), 0);
}

QTEST_MAIN(TestPayeeScreen)
#include "tst_payeescreen.moc"
