#include "DialogTestHelpers.h"
#include "RealServer.h"
#include "Records.h"
#include "TestAppState.h"
#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/SyncServer.h"
#include "account/TokenManager.h"
#include "app/Application.h"
#include "app/DisplaySettings.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/DateText.h"
#include "data/PreferencesRepository.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "ui/dialogs/RestoreModeDialog.h"
#include "ui/mainwindow/AccountSidebar.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterScreen.h"
#include "ui/screens/DataSettingsPage.h"
#include "ui/screens/SettingsScreen.h"
#include "ui/screens/SyncServerSection.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SyncControlsWidget.h"

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>

using MellAccount::SyncServer;

namespace {

QDateTime at(int hour, int minute, int second)
{
    return QDateTime(QDate(2025, 4, 2), QTime(hour, minute, second), Qt::UTC);
}

QString lastText()
{
    const auto shown = MessageBoxes::lastShown();
    return shown ? shown->title + QLatin1Char('|') + shown->text : QString();
}

} // namespace

class TestSettingsScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { SyncServer::forget(); }
    void cleanup()
    {
        SyncServer::forget();
        Clock::clearFixed();
        MessageBoxes::clearAnswers();
        QSettings().remove(QStringLiteral("ui/language"));
    }
    void choicesTakeEffectWithoutRestart();
    void deletedAccountsComeBackWithTheirTransactions();
    void backupExportAndImportFlows();
    void syncServerCheckUsesAndForgetsAServer();
};

void TestSettingsScreen::choicesTakeEffectWithoutRestart()
{
    TestAppState app;
    app->preferences()->set(QStringLiteral("fontScale"), QStringLiteral("120"));
    app->themeManager()->setFontScale(120);
    MainWindow window(app.state());
    const Account account = app.addAccount(QStringLiteral("Checking"));
    window.selectAccount(account.id);
    SettingsScreen screen(app.state());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    // The two sections' fields line up however long their labels are.
    QCOMPARE(screen.themeCombo()->mapTo(&screen, QPoint()).x(),
        screen.weekStartCombo()->mapTo(&screen, QPoint()).x());
    // A scale no item offers shows as the default size.
    QCOMPARE(screen.fontSizeCombo()->currentData().toInt(), 100);

    // What the theme manager does with a theme or scale is its own tests' matter.
    screen.themeCombo()->setCurrentIndex(screen.themeCombo()->findData("dark"));
    QVERIFY(ThemeColors::isDark());
    screen.themeCombo()->setCurrentIndex(screen.themeCombo()->findData("light"));
    QCOMPARE(app->preferences()->value("theme"), QStringLiteral("light"));
    screen.fontSizeCombo()->setCurrentIndex(screen.fontSizeCombo()->findData(150));
    QCOMPARE(DisplaySettings::fontScale(), 150);

    QVERIFY(!window.registerScreen()->model()->twoLine());
    screen.categoryList()->setCurrentRow(1);
    QTest::mouseClick(screen.twoLineCheck(), Qt::LeftButton, {}, QPoint(6, 6));
    QVERIFY(app->preferences()->boolValue("registerTwoLine", false));
    QVERIFY(window.registerScreen()->model()->twoLine());
    QTest::mouseClick(screen.newestFirstCheck(), Qt::LeftButton, {}, QPoint(6, 6));
    QVERIFY(app->preferences()->boolValue("registerNewestFirst", false));

    screen.weekStartCombo()->setCurrentIndex(screen.weekStartCombo()->findData(6));
    QCOMPARE(DisplaySettings::weekStartDay(), Qt::Saturday);
    QCOMPARE(app->preferences()->value("weekStartDay"), QStringLiteral("6"));

    // The date format shows at once wherever dates are written.
    QCOMPARE(
        screen.dateFormatCombo()->currentText(), QStringLiteral("Language default (1/31/2025)"));
    screen.dateFormatCombo()->setCurrentIndex(screen.dateFormatCombo()->findData("dd.MM.yyyy"));
    QCOMPARE(app->preferences()->value("dateFormat"), QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(window.registerScreen()->model()->index(0, RegisterModel::DateColumn).data(),
        DateText::format(Clock::today()));
    QCOMPARE(DateText::format(QDate(2025, 1, 31)), QStringLiteral("31.01.2025"));
    screen.dateFormatCombo()->setCurrentIndex(0);

    // Another language is kept for the next start; the one in force asks nothing.
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    screen.languageCombo()->setCurrentIndex(screen.languageCombo()->findData("de"));
    QVERIFY(lastText().startsWith("Language Changed|The new language will take effect"));
    QCOMPARE(Application::resolveLanguage(false), QStringLiteral("de"));
    MessageBoxes::clearAnswers();
    Application::setLanguage(QStringLiteral("es"));
    screen.languageCombo()->setCurrentIndex(screen.languageCombo()->findData("es"));
    QVERIFY(!MessageBoxes::lastShown());

    // At the largest font the page names and fields fit without sideways scrolling.
    window.showSettingsWindow();
    auto* opened = window.findChild<SettingsScreen*>();
    QVERIFY(opened && QTest::qWaitForWindowExposed(opened));
    for (QAbstractScrollArea* area : opened->findChildren<QAbstractScrollArea*>()) {
        if (area->isVisible())
            QVERIFY2(!area->horizontalScrollBar()->isVisible(), area->metaObject()->className());
    }
}

void TestSettingsScreen::deletedAccountsComeBackWithTheirTransactions()
{
    TestAppState app;
    const Account kept = app.addAccount(QStringLiteral("Savings"));
    const Account account = app.addAccount(QStringLiteral("Checking"));
    const QDate day(2025, 4, 1);
    const Transaction early = app.addTransaction(account.id, day, "Early", -100);
    const Transaction late = app.addTransaction(account.id, day, "Late", -200);
    const Transaction cascaded = app.addTransaction(account.id, day, "Cascaded", -300);
    Clock::setFixedUtc(at(12, 0, 19));
    QVERIFY(app->transactions()->softDelete(early.id));
    Clock::setFixedUtc(at(12, 0, 21));
    QVERIFY(app->transactions()->softDelete(late.id));
    Clock::setFixedUtc(at(12, 0, 30));
    QVERIFY(app->accountService()->remove(account.id).removed);
    Clock::setFixedUtc(at(12, 5, 0));

    SettingsScreen screen(app.state());
    screen.show();
    screen.refresh();
    screen.categoryList()->setCurrentRow(2);
    DataSettingsPage* page = screen.dataPage();
    QVERIFY(page->deletedGroup()->isVisible());
    // Signed out: the page says how to sign in and offers no sync buttons.
    QVERIFY(page->syncStatusLabel()->text().startsWith(QStringLiteral("Not signed in.")));
    QVERIFY(!page->syncControls() || !page->syncControls()->isVisible());
    QCOMPARE(std::tuple(page->deletedList()->count(), page->restoreButton()->isEnabled()),
        std::tuple(1, false));
    page->deletedList()->setCurrentRow(0);
    QVERIFY(page->restoreButton()->isEnabled());

    QSignalSpy restored(&screen, &SettingsScreen::deletedAccountRestored);
    QTest::mouseClick(page->restoreButton(), Qt::LeftButton);
    QCOMPARE(restored.count(), 1);
    QVERIFY(!app->accounts()->findById(account.id)->deletedAt);
    QStringList payees
        = Records::texts(app->transactions()->findByAccount(account.id), &Transaction::payee);
    payees.sort();
    QCOMPARE(payees, (QStringList { "Cascaded", "Late" }));
    QVERIFY(!page->deletedGroup()->isVisible());
    QCOMPARE(app->accountService()->restore(kept.id), AccountService::RestoreResult::Failed);

    // Its owner stops sharing it while the list still offers it: refused, and said why.
    QVERIFY(app->accountService()->remove(account.id).removed);
    screen.refresh();
    page->deletedList()->setCurrentRow(0);
    QVERIFY(app.exec("INSERT INTO sync_access_ended VALUES ('" + account.id + "', 'now')"));
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(page->restoreButton(), Qt::LeftButton);
    QCOMPARE(lastText(),
        "Restore Account|This account was shared with you, and its owner no "
        "longer shares it. Only the owner can bring it back.");
    QVERIFY(app->accounts()->findById(account.id)->deletedAt);
    QCOMPARE(restored.count(), 1);
    QVERIFY(!page->deletedGroup()->isVisible());
}

void TestSettingsScreen::backupExportAndImportFlows()
{
    TestAppState app;
    Clock::setFixedUtc(at(9, 0, 0));
    const Account account = app.addAccount(QStringLiteral("Checking"));
    app.addTransaction(account.id, QDate(2025, 4, 1), "Grocer", -4599);
    SettingsScreen screen(app.state());
    DataSettingsPage* page = screen.dataPage();
    const QString path = QDir(app->backupService()->safetyDirectory()).filePath("mine.zip");

    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    page->exportBackupTo(path);
    QCOMPARE(lastText(), "Backup Complete|Backup saved to:\n" + path);
    QCOMPARE(page->exportButton()->text(), QStringLiteral("Export Backup"));
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    page->exportBackupTo("/nonexistent/dir/x.zip");
    QCOMPARE(
        lastText(), QStringLiteral("Backup Failed|Could not write to:\n/nonexistent/dir/x.zip"));

    QVERIFY(app->accountService()->remove(account.id).removed);
    MainWindow window(app.state());
    QCOMPARE(window.sidebar()->totalLabel()->text(), QStringLiteral("No accounts"));
    QSignalSpy reloaded(&screen, &SettingsScreen::deletedAccountRestored);
    QSignalSpy changed(app.state(), &AppState::dataChanged);
    // The restore runs off the window's thread: its events go on meanwhile.
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(0);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    page->importBackupFrom(path, BackupService::RestorePolicy::Replace);
    ticker.stop();
    QVERIFY(ticks > 0);
    // Replace writes every row of the backup, the default categories included.
    QVERIFY2(lastText().startsWith("Import Complete|Imported 58 items, skipped 0.\n\nYour data as "
                                   "it was before the import is saved in:\n"),
        qPrintable(lastText()));
    // One announcement, and the window shows what came back without a restart.
    QCOMPARE(std::tuple(reloaded.count(), changed.count()), std::tuple(1, 1));
    QCOMPARE(window.sidebar()->totalLabel()->text(), QStringLiteral("Total: -$45.99"));

    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    page->importBackupFrom(path + ".missing", BackupService::RestorePolicy::Replace);
    QCOMPARE(lastText(), QStringLiteral("Import Failed|Could not read file."));

    // The chooser says under each mode what it does to rows the backup lacks
    // and to rows deleted since.
    RestoreModeDialog chooser;
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    const QList<QRadioButton*> modes = chooser.findChildren<QRadioButton*>();
    QCOMPARE(modes.size(), 3);
    const QStringList effects = DialogTest::labelTexts(chooser);
    QVERIFY(effects.join('|').contains("Items that are not in the backup are kept."));
    QCOMPARE(effects.filter("Items deleted here stay deleted.", Qt::CaseInsensitive).size(), 2);
    QTest::mouseClick(modes.last(), Qt::LeftButton, {}, QPoint(8, modes.last()->height() / 2));
    QCOMPARE(chooser.policy(), BackupService::RestorePolicy::SkipExisting);
}

void TestSettingsScreen::syncServerCheckUsesAndForgetsAServer()
{
    // Preferences › Data & Sync › Sync server against the real server.
    RealServer server;
    QVERIFY(server.start());
    QVERIFY(server.addUser(QStringLiteral("ann@example.org"), QStringLiteral("correct horse")));
    TestAppState app;
    MellAccount::Client* cloud = app->cloudClient();
    SyncServerSection section(app.state());
    section.show();
    QVERIFY(QTest::qWaitForWindowExposed(&section));
    QCOMPARE(section.resultLabel()->text(), QStringLiteral("No sync server is set."));
    QVERIFY(!cloud->isConfigured());
    const auto checkAddress = [&section](const QString& address) {
        section.addressField()->setText(address);
        QTest::mouseClick(section.checkButton(), Qt::LeftButton);
        return QTest::qWaitFor([&section] { return section.checkButton()->isEnabled(); }, 30000);
    };

    QVERIFY(checkAddress(QStringLiteral("http://example.org")));
    QVERIFY(section.resultLabel()->text().contains(
        QStringLiteral("Plain http is only for a server on this computer")));
    QVERIFY(checkAddress(QStringLiteral("http://127.0.0.1:1")));
    QVERIFY(section.resultLabel()->text().startsWith(
        QStringLiteral("No sync server found at http://127.0.0.1:1")));
    QVERIFY(!SyncServer::stored());
    QVERIFY(!cloud->isConfigured());

    // Without a scheme, an address on this computer is plain http.
    QVERIFY(checkAddress(server.origin().mid(int(qstrlen("http://")))));
    const QString found = section.resultLabel()->text();
    QVERIFY2(
        found.startsWith(QStringLiteral("Sync server at %1, version 1.1.0.").arg(server.origin())),
        qPrintable(found));
    QVERIFY(found.contains(server.syncApiUrl()));
    // In use at once, and at the next start.
    QCOMPARE(cloud->config().authBaseUrl, server.origin());
    QCOMPARE(cloud->syncApi()->baseUrl().toString(), server.syncApiUrl());
    QCOMPARE(
        MellAccount::ClientConfig::fromEnvironment().accountApiUrl, server.config().accountApiUrl);
    QCOMPARE(MellAccount::ClientConfig::syncApiUrlFromEnvironment(), server.syncApiUrl());

    // Signed in, the address stays as it is.
    const auto tokens
        = server.signIn(QStringLiteral("ann@example.org"), QStringLiteral("correct horse"));
    QVERIFY(tokens);
    cloud->tokenManager()->setTokens(tokens->access, tokens->refresh);
    cloud->authClient()->initialize();
    QTRY_VERIFY(cloud->isAuthenticated());
    QVERIFY(!section.addressField()->isEnabled() && !section.checkButton()->isEnabled());
    QVERIFY(section.resultLabel()->text().endsWith(
        QStringLiteral("Sign out to change the sync server.")));

    cloud->authClient()->logout();
    QVERIFY(section.checkButton()->isEnabled());
    QVERIFY(checkAddress(QString()));
    QCOMPARE(section.resultLabel()->text(), QStringLiteral("No sync server is set."));
    QVERIFY(!SyncServer::stored());
    QVERIFY(!cloud->isConfigured());

    // Services the environment names are not the section's to change.
    qputenv("AUTH_BASE_URL", "http://127.0.0.1:9");
    SyncServerSection named(app.state());
    qunsetenv("AUTH_BASE_URL");
    QVERIFY(!named.addressField()->isEnabled());
    QVERIFY(named.resultLabel()->text().startsWith(
        QStringLiteral("The environment names the cloud services")));
}

QTEST_MAIN(TestSettingsScreen)
#include "tst_settingsscreen.moc"
