#include "DialogTestHelpers.h"
#include "app/DisplaySettings.h"
#include "data/Clock.h"
#include "ui/dialogs/AccountFormDialog.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeZone>

namespace {

using namespace DialogTest;

const QDateTime kNow(QDate(2026, 3, 11), QTime(12, 30, 5), QTimeZone::utc());

Account storedAccount()
{
    Account a;
    a.id = QStringLiteral("2f1c9a7e-5b3d-4e8a-9c61-0d7f3b2a1e45");
    a.name = QStringLiteral("Travel Card");
    a.type = AccountType::CreditCard;
    a.currency = Currency::GBP;
    a.institution = QStringLiteral("Harbour Bank");
    a.accountNumberLast4 = QStringLiteral("9081");
    a.startingBalance = -123456;
    a.sortOrder = 4;
    a.isShared = true;
    a.version = 7;
    a.syncStatus = SyncStatus::Synced;
    a.serverId = QStringLiteral("srv-88");
    a.createdAt = QDateTime(QDate(2024, 5, 1), QTime(8, 0), QTimeZone::utc());
    a.updatedAt = QDateTime(QDate(2025, 1, 2), QTime(9, 0), QTimeZone::utc());
    return a;
}

} // namespace

class TestAccountFormDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }
    void newAccountForm();
    void newAccountRecord();
    void typedBalanceToCents_data();
    void typedBalanceToCents();
    void storedBalancesSurviveAnEdit();
    void accountNumberTakesFourCharacters();
    void editFillsAndKeepsSyncFields();
    void typeAndCurrencyMapping_data();
    void typeAndCurrencyMapping();
    void okAndCancel();
};

void TestAccountFormDialog::newAccountForm()
{
    const Qt::DayOfWeek weekStart = DisplaySettings::weekStartDay();
    DisplaySettings::setWeekStartDay(Qt::Thursday);
    AccountFormDialog dialog;
    DisplaySettings::setWeekStartDay(weekStart);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Account"));
    auto* asOf = field<QDateEdit>(dialog, "asOfEdit");
    QCOMPARE(asOf->date(), QDate(2026, 3, 11));
    QCOMPARE(dialog.asOfDate(), QDate(2026, 3, 11));
    QVERIFY(asOf->calendarPopup());
    QCOMPARE(asOf->displayFormat(), QLocale().dateFormat(QLocale::ShortFormat));
    QCOMPARE(asOf->calendarWidget()->firstDayOfWeek(), Qt::Thursday);

    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), field<QLineEdit>(dialog, "nameEdit"));
}

void TestAccountFormDialog::newAccountRecord()
{
    AccountFormDialog dialog;
    dialog.show();
    retype(field<QLineEdit>(dialog, "nameEdit"), QStringLiteral("  House Checking  "));
    field<QComboBox>(dialog, "typeCombo")->setCurrentIndex(1);
    field<QComboBox>(dialog, "currencyCombo")->setCurrentIndex(5);
    retype(field<QDoubleSpinBox>(dialog, "startingBalanceSpin"), QStringLiteral("250.75"));
    retype(field<QLineEdit>(dialog, "institutionEdit"), QStringLiteral(" First Local "));
    retype(field<QLineEdit>(dialog, "accountNumberEdit"), QStringLiteral("0042"));
    field<QDateEdit>(dialog, "asOfEdit")->setDate(QDate(2026, 1, 31));

    const Account a = dialog.account();
    QCOMPARE(a.id.size(), 36);
    QVERIFY(!a.id.contains(QLatin1Char('{')));
    QCOMPARE(a.id, a.id.toLower());
    QCOMPARE(dialog.account().id, a.id); // one id for the dialog's account
    QCOMPARE(a.name, QStringLiteral("House Checking"));
    QCOMPARE(a.type, AccountType::Savings);
    QCOMPARE(a.currency, Currency::JPY);
    QCOMPARE(a.startingBalance, 25075);
    QCOMPARE(a.institution, QStringLiteral("First Local"));
    QCOMPARE(a.accountNumberLast4, QStringLiteral("0042"));
    QCOMPARE(a.createdAt, kNow);
    QCOMPARE(a.updatedAt, kNow);
    QCOMPARE(a.version, 1);
    QCOMPARE(a.syncStatus, SyncStatus::Pending);
    QVERIFY(a.serverId.isEmpty());
    QVERIFY(!a.deletedAt.has_value());
    QCOMPARE(dialog.asOfDate(), QDate(2026, 1, 31));

    // An empty name is handed back as such; the caller decides.
    retype(field<QLineEdit>(dialog, "nameEdit"), QStringLiteral("   "));
    QCOMPARE(dialog.account().name, QString());
}

void TestAccountFormDialog::typedBalanceToCents_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<qint64>("cents");

    QTest::newRow("12.35") << "12.35"
                           << "$ 12.35" << qint64(1235);
    QTest::newRow("-12.35") << "-12.35"
                            << "$ -12.35" << qint64(-1235);
    // Values whose product with 100 falls just below the whole cent.
    QTest::newRow("0.29") << "0.29"
                          << "$ 0.29" << qint64(29);
    QTest::newRow("4.35") << "4.35"
                          << "$ 4.35" << qint64(435);
    QTest::newRow("-1.15") << "-1.15"
                           << "$ -1.15" << qint64(-115);
    QTest::newRow("1.005 (third decimal refused)") << "1.005"
                                                   << "$ 1.00" << qint64(100);
    QTest::newRow("0.285 (third decimal refused)") << "0.285"
                                                   << "$ 0.28" << qint64(28);
    QTest::newRow("one cent") << "0.01"
                              << "$ 0.01" << qint64(1);
    QTest::newRow("minus one cent") << "-0.01"
                                    << "$ -0.01" << qint64(-1);
    QTest::newRow("whole") << "1000"
                           << "$ 1000" << qint64(100000);
    QTest::newRow("largest") << "99999999.99"
                             << "$ 99999999.99" << qint64(9999999999);
    QTest::newRow("smallest") << "-99999999.99"
                              << "$ -99999999.99" << qint64(-9999999999);
}

void TestAccountFormDialog::typedBalanceToCents()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(qint64, cents);

    AccountFormDialog dialog;
    dialog.show();
    auto* balance = field<QDoubleSpinBox>(dialog, "startingBalanceSpin");
    retype(balance, typed);
    QCOMPARE(balance->text(), shown);
    // What is stored is what the field shows.
    QCOMPARE(dialog.account().startingBalance, cents);
}

void TestAccountFormDialog::storedBalancesSurviveAnEdit()
{
    // Every cent pattern, small and large, both signs.
    QList<qint64> balances;
    for (qint64 c = 1; c <= 100; ++c)
        balances << c << -(c + 123400) << c + 9999999900 - 100;
    balances << 0 << 1234567890 << -1234567890 << 9999999999 << -9999999999 << 4999999995;
    for (qint64 cents : balances) {
        Account a = storedAccount();
        a.startingBalance = cents;
        AccountFormDialog dialog(a);
        QCOMPARE(dialog.account().startingBalance, cents);
    }
}

void TestAccountFormDialog::accountNumberTakesFourCharacters()
{
    AccountFormDialog dialog;
    dialog.show();
    auto* number = field<QLineEdit>(dialog, "accountNumberEdit");
    QCOMPARE(number->maxLength(), 4);
    retype(number, QStringLiteral("123456"));
    QCOMPARE(number->text(), QStringLiteral("1234"));
    QCOMPARE(dialog.account().accountNumberLast4, QStringLiteral("1234"));
    retype(number, QStringLiteral("ab-7"));
    QCOMPARE(dialog.account().accountNumberLast4, QStringLiteral("ab-7"));
}

void TestAccountFormDialog::editFillsAndKeepsSyncFields()
{
    const Account stored = storedAccount();
    AccountFormDialog dialog(stored);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Account"));
    QCOMPARE(field<QLineEdit>(dialog, "nameEdit")->text(), stored.name);
    QCOMPARE(field<QComboBox>(dialog, "typeCombo")->currentText(), QStringLiteral("Credit Card"));
    QCOMPARE(field<QComboBox>(dialog, "currencyCombo")->currentText(), QStringLiteral("GBP (£)"));
    QCOMPARE(
        field<QDoubleSpinBox>(dialog, "startingBalanceSpin")->text(), QStringLiteral("$ -1234.56"));
    QCOMPARE(field<QLineEdit>(dialog, "institutionEdit")->text(), stored.institution);
    QCOMPARE(field<QLineEdit>(dialog, "accountNumberEdit")->text(), stored.accountNumberLast4);

    dialog.show();
    retype(field<QLineEdit>(dialog, "nameEdit"), QStringLiteral("Holiday Card"));
    const Account a = dialog.account();
    QCOMPARE(a.id, stored.id);
    QCOMPARE(a.name, QStringLiteral("Holiday Card"));
    QCOMPARE(a.type, stored.type);
    QCOMPARE(a.currency, stored.currency);
    QCOMPARE(a.startingBalance, stored.startingBalance);
    QCOMPARE(a.version, 7);
    QCOMPARE(a.serverId, QStringLiteral("srv-88"));
    QCOMPARE(a.sortOrder, 4);
    QCOMPARE(a.isShared, true);
    QCOMPARE(a.createdAt, stored.createdAt);
    QCOMPARE(a.updatedAt, kNow);
    QCOMPARE(a.syncStatus, SyncStatus::Pending);
}

void TestAccountFormDialog::typeAndCurrencyMapping_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<AccountType>("type");
    QTest::addColumn<Currency>("currency");

    QTest::newRow("checking, USD") << 0 << AccountType::Checking << Currency::USD;
    QTest::newRow("savings, EUR") << 1 << AccountType::Savings << Currency::EUR;
    QTest::newRow("credit card, GBP") << 2 << AccountType::CreditCard << Currency::GBP;
    QTest::newRow("cash, CAD") << 3 << AccountType::Cash << Currency::CAD;
    QTest::newRow("investment, AUD") << 4 << AccountType::Investment << Currency::AUD;
    QTest::newRow("other, JPY") << 5 << AccountType::Other << Currency::JPY;
}

void TestAccountFormDialog::typeAndCurrencyMapping()
{
    QFETCH(int, row);
    QFETCH(AccountType, type);
    QFETCH(Currency, currency);

    // Chosen in a new dialog...
    AccountFormDialog dialog;
    field<QComboBox>(dialog, "typeCombo")->setCurrentIndex(row);
    field<QComboBox>(dialog, "currencyCombo")->setCurrentIndex(row);
    QCOMPARE(dialog.account().type, type);
    QCOMPARE(dialog.account().currency, currency);

    // ...and found again when the stored account is edited.
    Account stored = storedAccount();
    stored.type = type;
    stored.currency = currency;
    AccountFormDialog edit(stored);
    QCOMPARE(field<QComboBox>(edit, "typeCombo")->currentIndex(), row);
    QCOMPARE(field<QComboBox>(edit, "currencyCombo")->currentIndex(), row);
    QCOMPARE(edit.account().type, type);
    QCOMPARE(edit.account().currency, currency);
}

void TestAccountFormDialog::okAndCancel()
{
    for (const auto button : { QDialogButtonBox::Ok, QDialogButtonBox::Cancel }) {
        AccountFormDialog dialog;
        dialog.show();
        auto* box = dialog.findChild<QDialogButtonBox*>();
        QTest::mouseClick(box->button(button), Qt::LeftButton);
        QCOMPARE(dialog.result(),
            button == QDialogButtonBox::Ok ? QDialog::Accepted : QDialog::Rejected);
        QVERIFY(!dialog.isVisible());
    }
    // Return in the name field accepts, with or without a name.
    AccountFormDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(field<QLineEdit>(dialog, "nameEdit"), Qt::Key_Return);
    QCOMPARE(dialog.result(), QDialog::Accepted);
}

QTEST_MAIN(TestAccountFormDialog)
#include "tst_accountformdialog.moc"
