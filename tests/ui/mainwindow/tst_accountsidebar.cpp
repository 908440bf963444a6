#include "Records.h"
#include "app/DisplaySettings.h"
#include "ui/mainwindow/AccountSidebar.h"
#include "ui/widgets/ElidedLabel.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {

QWidget* rowWidget(const AccountSidebar& sidebar, int row)
{
    return sidebar.list()->itemWidget(sidebar.list()->item(row));
}

QLabel* balanceLabel(const AccountSidebar& sidebar, int row)
{
    return rowWidget(sidebar, row)->findChild<QLabel*>(QStringLiteral("balanceLabel"));
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
    QTest::newRow("positive") << qint64(150'075) << int(Currency::USD) << "$1,500.75" << green;
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

QTEST_MAIN(TestAccountSidebar)
#include "tst_accountsidebar.moc"
