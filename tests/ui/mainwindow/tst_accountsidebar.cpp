#include "Records.h"
#include "app/DisplaySettings.h"
#include "ui/mainwindow/AccountRowWidget.h"
#include "ui/mainwindow/AccountSidebar.h"
#include "ui/widgets/ElidedLabel.h"

#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>

namespace {

QWidget* rowWidget(const AccountSidebar& sidebar, int row)
{
    return sidebar.list()->itemWidget(sidebar.list()->item(row));
}

QString balanceText(const AccountSidebar& sidebar, int row)
{
    return rowWidget(sidebar, row)->findChild<QLabel*>(QStringLiteral("balanceLabel"))->text();
}

QString balanceStyle(const AccountSidebar& sidebar, int row)
{
    return rowWidget(sidebar, row)
        ->findChild<QLabel*>(QStringLiteral("balanceLabel"))
        ->styleSheet();
}

QString ids(const AccountSidebar& sidebar)
{
    QStringList result;
    for (int row = 0; row < sidebar.list()->count(); ++row)
        result << sidebar.list()->item(row)->data(Qt::UserRole).toString();
    return result.join(QLatin1Char(','));
}

} // namespace

class TestAccountSidebar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsShowNameBalanceAndDetail();
    void balanceTextAndColour_data();
    void balanceTextAndColour();
    void detailLine_data();
    void detailLine();
    void totalAndShortcutsFollowTheAccounts();
    void currentRowFollowsTheAccount();
    void rowsFollowTheListWidth();
    void styleFollowsTheFontScale();
    void movedRowsReportTheirNewOrder();
};

void TestAccountSidebar::rowsShowNameBalanceAndDetail()
{
    Account checking = Records::account(QStringLiteral("Everyday Checking"), 10'000);
    checking.institution = QStringLiteral("River Bank");
    checking.accountNumberLast4 = QStringLiteral("0042");
    Account card = Records::account(QStringLiteral("Travel Card"));
    card.type = AccountType::CreditCard;
    card.currency = Currency::GBP;

    AccountSidebar sidebar;
    sidebar.setAccounts({ checking, card }, { { checking.id, 12'345 }, { card.id, -99 } });
    QCOMPARE(sidebar.list()->count(), 2);
    QCOMPARE(ids(sidebar), checking.id + QLatin1Char(',') + card.id);

    QWidget* first = rowWidget(sidebar, 0);
    auto* name = first->findChild<ElidedLabel*>(QStringLiteral("nameLabel"));
    QCOMPARE(name->fullText(), QStringLiteral("Everyday Checking"));
    QCOMPARE(name->toolTip(), QStringLiteral("Everyday Checking"));
    QCOMPARE(balanceText(sidebar, 0), QStringLiteral("$123.45"));
    QCOMPARE(first->findChild<ElidedLabel*>(QStringLiteral("detailLabel"))->fullText(),
        QStringLiteral("River Bank  ·  *0042"));
    QCOMPARE(
        first->findChild<QLabel*>(QStringLiteral("glyphLabel"))->text(), QString(QChar(0xE84F)));

    QWidget* second = rowWidget(sidebar, 1);
    QCOMPARE(balanceText(sidebar, 1), QStringLiteral("-£0.99"));
    QCOMPARE(second->findChild<ElidedLabel*>(QStringLiteral("detailLabel"))->fullText(),
        QStringLiteral("Credit Card"));
    QCOMPARE(
        second->findChild<QLabel*>(QStringLiteral("glyphLabel"))->text(), QString(QChar(0xE870)));

    // The balance never gives way to the name.
    auto* amount = second->findChild<QLabel*>(QStringLiteral("balanceLabel"));
    QVERIFY(amount->minimumWidth() >= amount->fontMetrics().horizontalAdvance(amount->text()));

    // Without a balance of its own an account shows its starting balance.
    sidebar.setAccounts({ checking }, {});
    QCOMPARE(balanceText(sidebar, 0), QStringLiteral("$100.00"));
}

void TestAccountSidebar::balanceTextAndColour_data()
{
    QTest::addColumn<qint64>("balance");
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour");
    const QString green = QStringLiteral("#66BB6A");
    const QString red = QStringLiteral("#FF8A80");
    QTest::newRow("zero is green") << qint64(0) << int(Currency::USD) << "$0.00" << green;
    QTest::newRow("positive") << qint64(150'075) << int(Currency::USD) << "$1,500.75" << green;
    QTest::newRow("one cent overdrawn") << qint64(-1) << int(Currency::USD) << "-$0.01" << red;
    QTest::newRow("euro") << qint64(123'456) << int(Currency::EUR) << "€1,234.56" << green;
    QTest::newRow("yen negative") << qint64(-1500) << int(Currency::JPY) << "-¥1,500" << red;
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
    QCOMPARE(balanceText(sidebar, 0), text);
    QCOMPARE(balanceStyle(sidebar, 0), QStringLiteral("color: %1;").arg(colour));
}

void TestAccountSidebar::detailLine_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("institution");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("line");
    QTest::newRow("type only") << int(AccountType::Savings) << ""
                               << ""
                               << "Savings";
    QTest::newRow("type and digits") << int(AccountType::Cash) << ""
                                     << "7788" << QStringLiteral("Cash  ·  *7788");
    QTest::newRow("institution wins") << int(AccountType::Investment) << "Broker & Co"
                                      << ""
                                      << "Broker & Co";
    QTest::newRow("other") << int(AccountType::Other) << ""
                           << ""
                           << "Other";
}

void TestAccountSidebar::detailLine()
{
    QFETCH(int, type);
    QFETCH(QString, institution);
    QFETCH(QString, digits);
    QFETCH(QString, line);
    Account account = Records::account(QStringLiteral("A"));
    account.type = AccountType(type);
    account.institution = institution;
    account.accountNumberLast4 = digits;
    QCOMPARE(AccountRowWidget::detailLine(account), line);
}

void TestAccountSidebar::totalAndShortcutsFollowTheAccounts()
{
    AccountSidebar sidebar;
    QList<Account> accounts;
    QHash<QString, qint64> balances;
    for (int i = 0; i < 11; ++i) {
        accounts << Records::account(QStringLiteral("Account %1").arg(i));
        balances.insert(accounts.last().id, (i % 2 ? -1 : 1) * 100'000 * (i + 1));
    }
    // Mixed currencies add up as plain numbers and show in dollars.
    accounts[3].currency = Currency::JPY;
    sidebar.setAccounts(accounts, balances);
    // 1 - 2 + 3 - ... + 11 = 6 (times 100,000 cents).
    QCOMPARE(sidebar.totalLabel()->text(), QStringLiteral("Total: $6,000.00"));

    QStringList keys;
    for (const QShortcut* shortcut : sidebar.shortcuts())
        keys << shortcut->key().toString(QKeySequence::PortableText);
    QCOMPARE(keys,
        QStringList({ "Alt+1", "Alt+2", "Alt+3", "Alt+4", "Alt+5", "Alt+6", "Alt+7", "Alt+8",
            "Alt+9", "Alt+0" }));

    sidebar.setAccounts(accounts.mid(0, 2), balances);
    QCOMPARE(sidebar.shortcuts().size(), 2);
    QCOMPARE(sidebar.findChildren<QShortcut*>().size(), 2);
    QCOMPARE(sidebar.totalLabel()->text(), QStringLiteral("Total: -$1,000.00"));

    sidebar.setAccounts({}, {});
    QCOMPARE(sidebar.list()->count(), 0);
    QCOMPARE(sidebar.totalLabel()->text(), QStringLiteral("No accounts"));
    QVERIFY(sidebar.findChildren<QShortcut*>().isEmpty());
}

void TestAccountSidebar::currentRowFollowsTheAccount()
{
    const Account a = Records::account(QStringLiteral("A"));
    const Account b = Records::account(QStringLiteral("B"));
    AccountSidebar sidebar;
    sidebar.setAccounts({ a, b }, {});
    sidebar.setCurrentAccount(b.id);
    QCOMPARE(sidebar.list()->currentRow(), 1);
    sidebar.setCurrentAccount(QStringLiteral("no-such-account"));
    QCOMPARE(sidebar.list()->currentRow(), -1);

    QSignalSpy activated(&sidebar, &AccountSidebar::accountActivated);
    sidebar.resize(300, 400);
    sidebar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sidebar));
    const QRect second = sidebar.list()->visualItemRect(sidebar.list()->item(1));
    QCOMPARE(sidebar.accountIdAt(second.center()), b.id);
    QVERIFY(sidebar.accountIdAt(QPoint(5, second.bottom() + 200)).isEmpty());
    QTest::mouseClick(sidebar.list()->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.first().first().toString(), b.id);
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
    QTRY_COMPARE(widths(), QList<int>(2, sidebar.list()->viewport()->width()));
    const int before = sidebar.list()->viewport()->width();
    sidebar.resize(420, 500);
    QTRY_VERIFY(sidebar.list()->viewport()->width() > before);
    QTRY_COMPARE(widths(), QList<int>(2, sidebar.list()->viewport()->width()));
    // Each row widget gets at least the height it asks for, inside the item's padding.
    QWidget* row = rowWidget(sidebar, 0);
    QVERIFY2(row->height() >= row->sizeHint().height(),
        qPrintable(QStringLiteral("%1 < %2").arg(row->height()).arg(row->sizeHint().height())));
}

void TestAccountSidebar::styleFollowsTheFontScale()
{
    QVERIFY(AccountSidebar::styleSheet(8.5).contains(QLatin1String("font-size: 8.5pt;")));
    QVERIFY(AccountSidebar::styleSheet(15).contains(QLatin1String("font-size: 15pt;")));

    const QFont savedBase = DisplaySettings::baseFont();
    const int savedScale = DisplaySettings::fontScale();
    QFont base = savedBase;
    base.setPointSize(10);
    DisplaySettings::setBaseFont(base);
    AccountSidebar sidebar;
    DisplaySettings::setFontScale(150);
    sidebar.applyStyle();
    QVERIFY(sidebar.list()->styleSheet().contains(QLatin1String("font-size: 15pt;")));
    DisplaySettings::setFontScale(85);
    sidebar.applyStyle();
    QVERIFY(sidebar.list()->styleSheet().contains(QLatin1String("font-size: 8.5pt;")));
    // A pixel-sized base font counts as 10 points.
    base.setPixelSize(14);
    DisplaySettings::setBaseFont(base);
    DisplaySettings::setFontScale(120);
    sidebar.applyStyle();
    QVERIFY(sidebar.list()->styleSheet().contains(QLatin1String("font-size: 12pt;")));
    DisplaySettings::setBaseFont(savedBase);
    DisplaySettings::setFontScale(savedScale);
}

void TestAccountSidebar::movedRowsReportTheirNewOrder()
{
    const Account a = Records::account(QStringLiteral("A"));
    const Account b = Records::account(QStringLiteral("B"));
    const Account c = Records::account(QStringLiteral("C"));
    AccountSidebar sidebar;
    sidebar.setAccounts({ a, b, c }, {});
    QSignalSpy reordered(&sidebar, &AccountSidebar::reordered);
    QAbstractItemModel* model = sidebar.list()->model();
    QVERIFY(model->moveRow(QModelIndex(), 0, QModelIndex(), 3));
    QCOMPARE(reordered.count(), 1);
    QCOMPARE(reordered.first().first().toStringList(), QStringList({ b.id, c.id, a.id }));
    // The rows keep their widgets through the move.
    QCOMPARE(
        rowWidget(sidebar, 2)->findChild<ElidedLabel*>(QStringLiteral("nameLabel"))->fullText(),
        QStringLiteral("A"));
}

QTEST_MAIN(TestAccountSidebar)
#include "tst_accountsidebar.moc"
