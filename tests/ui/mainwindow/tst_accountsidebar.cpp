#include "Records.h"
#include "TestAppState.h"
#include "TestDatabase.h"
#include "app/DisplaySettings.h"
#include "data/AccountRepository.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "ui/mainwindow/AccountBalances.h"
#include "ui/mainwindow/AccountSidebar.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/widgets/ElidedLabel.h"

#include <QLabel>
#include <QListWidget>
#include <QSqlQuery>
#include <QTest>
#include <QTranslator>

namespace {

QWidget* rowWidget(const AccountSidebar& sidebar, int row)
{
    return sidebar.list()->itemWidget(sidebar.list()->item(row));
}

QLabel* balanceLabel(const AccountSidebar& sidebar, int row)
{
    return rowWidget(sidebar, row)->findChild<QLabel*>(QStringLiteral("balanceLabel"));
}

qint64 registerEnd(AppState* state, const Account& account)
{
    const QList<TransactionRow> rows = state->transactions()->findRegisterRows(account.id);
    return rows.isEmpty() ? account.startingBalance : rows.last().runningBalance;
}

// A change nobody announces: only a read of the store shows it.
void addUnannounced(AppState* state, const QString& accountId, qint64 amount)
{
    QSqlQuery q(state->database()->database());
    q.prepare(QStringLiteral("UPDATE transactions SET amount = amount + ? WHERE rowid = (SELECT "
                             "rowid FROM transactions WHERE account_id = ? LIMIT 1)"));
    q.addBindValue(amount);
    q.addBindValue(accountId);
    QVERIFY(q.exec() && q.numRowsAffected() == 1);
}

} // namespace

class TestAccountSidebar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void balanceTextAndColour_data();
    void balanceTextAndColour();
    void detailLineAndTotal();
    void rowsFollowTheListWidth();
    void styleFollowsTheFontScale();
    void onlyForgottenOrReturningAccountsAreRead();
    void uncomputableBalanceIsMarkedAlone();
    void statusBarStates();
};

void TestAccountSidebar::balanceTextAndColour_data()
{
    QTest::addColumn<qint64>("balance");
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour");
    const QString green = QStringLiteral("#66BB6A");
    const QString red = QStringLiteral("#FF8A80");
    QTest::newRow("zero is green") << qint64(0) << int(Currency::USD) << "$0.00" << green;
    QTest::newRow("one cent overdrawn") << qint64(-1) << int(Currency::USD) << "-$0.01" << red;
    QTest::newRow("yen") << qint64(-1500) << int(Currency::JPY) << "-¥1,500" << red;
}

void TestAccountSidebar::balanceTextAndColour()
{
    QFETCH(qint64, balance);
    QFETCH(int, currency);
    QFETCH(QString, text);
    QFETCH(QString, colour);
    Account account = Records::account(QStringLiteral("A"));
    account.currency = Currency(currency);
    AccountSidebar sidebar;
    sidebar.setAccounts({ account }, { { account.id, balance } });
    QLabel* label = balanceLabel(sidebar, 0);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->styleSheet(), QStringLiteral("color: %1;").arg(colour));
    // The balance never gives way to the name.
    QVERIFY(label->minimumWidth() >= label->fontMetrics().horizontalAdvance(text));
}

void TestAccountSidebar::detailLineAndTotal()
{
    Account dollars = Records::account(QStringLiteral("Dollars"), 700);
    dollars.institution = QStringLiteral("River Bank");
    dollars.accountNumberLast4 = QStringLiteral("0042");
    Account yen = Records::account(QStringLiteral("Yen"));
    yen.currency = Currency::JPY;
    yen.type = AccountType::Cash;
    Account euros = Records::account(QStringLiteral("Euros"), 200);
    euros.currency = Currency::EUR;
    yen.sharedBy = QStringLiteral("Ann");
    euros.sharedBy = QString();
    AccountSidebar sidebar;
    // Without a balance of its own an account counts its starting balance.
    sidebar.setAccounts({ dollars, yen, euros, Records::account(QStringLiteral("More"), 500) },
        { { yen.id, 123'456 } });
    QCOMPARE(balanceLabel(sidebar, 0)->text(), QStringLiteral("$7.00"));
    // Currencies are never added together; each has its sum, in a fixed order.
    QCOMPARE(
        sidebar.totalLabel()->text(), QStringLiteral("Total: $12.00\u00A0· €2.00\u00A0· ¥123,456"));
    const auto detail = [&sidebar](int row) {
        return rowWidget(sidebar, row)
            ->findChild<ElidedLabel*>(QStringLiteral("detailLabel"))
            ->fullText();
    };
    QCOMPARE(detail(0), QStringLiteral("River Bank  ·  *0042"));
    QCOMPARE(detail(1), QStringLiteral("Cash"));
    // Accounts others share are marked, naming the owner when known.
    const auto shared = [&sidebar](int row) {
        const auto* marker = rowWidget(sidebar, row)->findChild<QLabel*>("sharedMarker");
        return marker ? std::optional(marker->toolTip()) : std::nullopt;
    };
    QCOMPARE(shared(0), std::nullopt);
    QCOMPARE(shared(1), std::optional<QString>("Shared with you by Ann"));
    QCOMPARE(shared(2), std::optional<QString>("Shared with you"));

    // Dollars of different currencies say which they are.
    Account loonies = Records::account(QStringLiteral("Loonies"), 350);
    loonies.currency = Currency::CAD;
    sidebar.setAccounts({ loonies, euros, dollars }, {});
    QCOMPARE(sidebar.totalLabel()->text(),
        QStringLiteral("Total: $7.00\u00A0USD\u00A0· €2.00\u00A0· $3.50\u00A0CAD"));

    sidebar.setAccounts({}, {});
    QCOMPARE(sidebar.totalLabel()->text(), QStringLiteral("No accounts"));
    QVERIFY(sidebar.shortcuts().isEmpty());
}

void TestAccountSidebar::rowsFollowTheListWidth()
{
    AccountSidebar sidebar;
    sidebar.setAccounts(
        { Records::account(QStringLiteral("A")), Records::account(QStringLiteral("B")) }, {});
    sidebar.resize(300, 500);
    sidebar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sidebar));
    const auto widths = [&sidebar] {
        QList<int> result;
        for (int row = 0; row < sidebar.list()->count(); ++row)
            result << sidebar.list()->item(row)->sizeHint().width();
        return result;
    };
    const int before = sidebar.list()->viewport()->width();
    sidebar.resize(420, 500);
    QTRY_VERIFY(sidebar.list()->viewport()->width() > before);
    QTRY_COMPARE(widths(), QList<int>(2, sidebar.list()->viewport()->width()));
    // Each row widget gets the height it asks for inside the item's padding.
    QWidget* row = rowWidget(sidebar, 0);
    QTRY_VERIFY(row->height() >= row->sizeHint().height());
}

void TestAccountSidebar::styleFollowsTheFontScale()
{
    const QFont savedBase = DisplaySettings::baseFont();
    const int savedScale = DisplaySettings::fontScale();
    QFont base = savedBase;
    base.setPointSize(10);
    DisplaySettings::setBaseFont(base);
    AccountSidebar sidebar;
    // From the unscaled base: 10pt at 150% is 15pt, not 150% of the scaled font.
    for (const auto& [scale, size] : { std::pair { 150, "15pt" }, std::pair { 85, "8.5pt" } }) {
        DisplaySettings::setFontScale(scale);
        sidebar.applyStyle();
        QVERIFY2(sidebar.list()->styleSheet().contains(QStringLiteral("font-size: %1;").arg(size)),
            size);
    }
    // A pixel-sized base font counts as 10 points.
    base.setPixelSize(14);
    DisplaySettings::setBaseFont(base);
    DisplaySettings::setFontScale(120);
    sidebar.applyStyle();
    QVERIFY(sidebar.list()->styleSheet().contains(QLatin1String("font-size: 12pt;")));
    DisplaySettings::setBaseFont(savedBase);
    DisplaySettings::setFontScale(savedScale);
}

void TestAccountSidebar::onlyForgottenOrReturningAccountsAreRead()
{
    TestAppState app;
    Account a = app.addAccount(QStringLiteral("A"), 1000);
    const Account b = app.addAccount(QStringLiteral("B"));
    app.addAccount(QStringLiteral("Empty"));
    app.addTransaction(a.id, QDate(2025, 1, 1), QStringLiteral("X"), -100);
    app.addTransaction(b.id, QDate(2025, 1, 1), QStringLiteral("Y"), 500);
    AccountBalances balances(app->accounts());
    const QList<Account> accounts = app->accounts()->findAll();
    QHash<QString, qint64> values = balances.of(accounts);
    for (const Account& account : accounts)
        QCOMPARE(values.value(account.id), registerEnd(app.state(), account));

    app.addTransaction(a.id, QDate(2025, 1, 2), QStringLiteral("Z"), -50);
    addUnannounced(app.state(), b.id, 7);
    balances.forget(a.id);
    values = balances.of(accounts);
    QCOMPARE(values.value(a.id), 850);
    QCOMPARE(values.value(b.id), 500); // not read again

    balances.forget(QString());
    QCOMPARE(balances.of(accounts).value(b.id), 507);

    // A new starting balance needs no read: it comes with the account.
    a.startingBalance = 5000;
    QVERIFY(app->accounts()->update(a));
    QCOMPARE(balances.of(app->accounts()->findAll()).value(a.id), 4850);

    // An account that leaves the list and comes back is read anew.
    QVERIFY(app->accounts()->softDelete(b.id));
    QVERIFY(!balances.of(app->accounts()->findAll()).contains(b.id));
    addUnannounced(app.state(), b.id, 1);
    QVERIFY(app->accounts()->restore(b.id));
    QCOMPARE(balances.of(app->accounts()->findAll()).value(b.id), 508);
}

void TestAccountSidebar::uncomputableBalanceIsMarkedAlone()
{
    TestAppState app;
    const Account brokenAccount = app.addAccount(QStringLiteral("Broken"));
    const Account fine = app.addAccount(QStringLiteral("Fine"), 1000);
    app.addTransaction(fine.id, QDate(2025, 1, 1), QStringLiteral("X"), -300);
    // Two rows no path of ours writes: their sum overflows.
    for (int i = 0; i < 2; ++i)
        app.addTransaction(brokenAccount.id, QDate(2025, 1, 1), QStringLiteral("Y"), 1);
    QVERIFY(QSqlQuery(app->database()->database())
                .exec(QStringLiteral("UPDATE transactions SET amount = 9000000000000000000 WHERE "
                                     "payee = 'Y'")));

    AccountBalances balances(app->accounts());
    const QList<Account> accounts = app->accounts()->findAll();
    expectWarning(QStringLiteral("^AccountRepository read failed: integer overflow"));
    expectWarning(QStringLiteral("^AccountRepository read failed: integer overflow"));
    expectWarning(QStringLiteral("^AccountRepository::balances failed: no balance for account"));
    const QHash<QString, qint64> values = balances.of(accounts);
    QCOMPARE(values, (QHash<QString, qint64> { { fine.id, 700 } }));
    QCOMPARE(balances.unavailable(), QSet<QString> { brokenAccount.id });

    AccountSidebar sidebar;
    sidebar.setAccounts(accounts, values, balances.unavailable());
    QLabel* broken = balanceLabel(sidebar, 0);
    QVERIFY(broken->text().isEmpty() && !broken->pixmap().isNull() && !broken->toolTip().isEmpty());
    QCOMPARE(balanceLabel(sidebar, 1)->text(), QStringLiteral("$7.00"));
}

void TestAccountSidebar::statusBarStates()
{
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/ledgerine_en.qm")));
    QVERIFY(QCoreApplication::installTranslator(&english));
    StatusBar bar;
    bar.show();
    const auto label = [&bar](const char* name) { return bar.findChild<QLabel*>(name); };
    const auto busy = [&bar, &label] {
        return label("busyTextLabel")->isVisible()
            && bar.findChild<QWidget*>(QStringLiteral("busyIndicator"))->isVisible();
    };
    bar.startBusy(QStringLiteral("Importing..."));
    QVERIFY(busy());
    QCOMPARE(label("busyTextLabel")->text(), QStringLiteral("Importing..."));
    bar.stopBusy();
    QVERIFY(!busy());

    // A message ends the busy state it reports on, and goes in its time.
    bar.startBusy(QStringLiteral("Restoring backup..."));
    bar.showTransientMessage(QStringLiteral("Copied"), 50);
    QVERIFY(!busy());
    QCOMPARE(bar.currentMessage(), QStringLiteral("Copied"));
    QTRY_VERIFY(bar.currentMessage().isEmpty());

    bar.setAccountCount(1);
    QCOMPARE(label("accountCountLabel")->text(), QStringLiteral("1 account"));
    bar.setAccountCount(0);
    QCOMPARE(label("accountCountLabel")->text(), QStringLiteral("0 accounts"));
    bar.setRecurringDue(3);
    QVERIFY(label("recurringDueLabel")->isVisible());
    QCOMPARE(label("recurringDueLabel")->text(), QStringLiteral("  •  3 recurring due"));
    bar.setRecurringDue(0);
    QVERIFY(!label("recurringDueLabel")->isVisible());
}

QTEST_MAIN(TestAccountSidebar)
#include "tst_accountsidebar.moc"
