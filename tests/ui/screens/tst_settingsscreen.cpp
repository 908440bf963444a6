#include "DialogTestHelpers.h"
#include "ImportFixtures.h"
#include "RealServer.h"
#include "TestAppState.h"
#include "account/Client.h"
#include "account/SyncServer.h"
#include "app/Application.h"
#include "app/DisplaySettings.h"
#include "app/ThemeColors.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/DateText.h"
#include "data/PreferencesRepository.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "services/import/CsvProfileService.h"
#include "services/import/ImportService.h"
#include "ui/dialogs/RestoreModeDialog.h"
#include "ui/mainwindow/AccountSidebar.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterScreen.h"
#include "ui/screens/DataSettingsPage.h"
#include "ui/screens/ImportScreen.h"
#include "ui/screens/ReconciliationScreen.h"
#include "ui/screens/SettingsScreen.h"
#include "ui/screens/SyncServerSection.h"
#include "ui/widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>

using MellAccount::SyncServer;
using namespace DialogTest;

namespace {

QString lastText()
{
    const auto shown = MessageBoxes::lastShown();
    return shown ? shown->title + QLatin1Char('|') + shown->text : QString();
}

QString resultText(const ImportScreen& screen)
{
    return field<QPlainTextEdit>(screen, "resultText")->toPlainText();
}

QList<QComboBox*> qifRows(const ImportScreen& screen)
{
    return screen.findChildren<QComboBox*>(QStringLiteral("qifMapCombo"));
}

} // namespace

class TestSettingsScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        SyncServer::forget();
        m_dir.emplace();
    }
    void cleanup()
    {
        SyncServer::forget();
        Clock::clearFixed();
        MessageBoxes::clearAnswers();
        QSettings().remove(QStringLiteral("ui/language"));
    }
    void choicesTakeEffectWithoutRestart();
    void deletedAccountsBackupsAndTheSyncServer();
    void csvColumnsFromTheFileAndImport();
    void ofxFromTheMainWindowShowsBalancesAndOffersReconciling();

private:
    QString file(const QString& name, const QByteArray& text) const
    {
        QFile f(m_dir->filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(name));
        return f.fileName();
    }
    std::optional<QTemporaryDir> m_dir;
};

void TestSettingsScreen::choicesTakeEffectWithoutRestart()
{
    TestAppState app;
    MainWindow window(app.state());
    const Account account = app.addAccount(QStringLiteral("Checking"));
    window.selectAccount(account.id);
    SettingsScreen screen(app.state());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    // The two sections' fields line up however long their labels are.
    QCOMPARE(screen.themeCombo()->mapTo(&screen, QPoint()).x(),
        screen.weekStartCombo()->mapTo(&screen, QPoint()).x());

    // What the theme manager does with a theme or scale is its own tests' matter.
    screen.themeCombo()->setCurrentIndex(screen.themeCombo()->findData("dark"));
    QCOMPARE(std::tuple(ThemeColors::isDark(), app->preferences()->value("theme")),
        std::tuple(true, QStringLiteral("dark")));
    screen.fontSizeCombo()->setCurrentIndex(screen.fontSizeCombo()->findData(150));
    QCOMPARE(DisplaySettings::fontScale(), 150);

    screen.categoryList()->setCurrentRow(1);
    QTest::mouseClick(screen.twoLineCheck(), Qt::LeftButton, {}, QPoint(6, 6));
    QVERIFY(app->preferences()->boolValue("registerTwoLine", false)
        && window.registerScreen()->model()->twoLine());

    screen.weekStartCombo()->setCurrentIndex(screen.weekStartCombo()->findData(6));
    QCOMPARE(std::tuple(DisplaySettings::weekStartDay(), app->preferences()->value("weekStartDay")),
        std::tuple(Qt::Saturday, QStringLiteral("6")));

    // The date format shows at once wherever dates are written.
    screen.dateFormatCombo()->setCurrentIndex(screen.dateFormatCombo()->findData("dd.MM.yyyy"));
    QCOMPARE(app->preferences()->value("dateFormat"), QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(window.registerScreen()->model()->index(0, RegisterModel::DateColumn).data(),
        DateText::format(Clock::today()));
    screen.dateFormatCombo()->setCurrentIndex(0);

    // Another language is kept for the next start.
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    screen.languageCombo()->setCurrentIndex(screen.languageCombo()->findData("de"));
    QVERIFY(lastText().startsWith("Language Changed|The new language will take effect"));
    QCOMPARE(Application::resolveLanguage(false), QStringLiteral("de"));

    // At the largest font the page names and fields fit without sideways scrolling.
    window.showSettingsWindow();
    auto* opened = window.findChild<SettingsScreen*>();
    QVERIFY(opened && QTest::qWaitForWindowExposed(opened));
    for (QAbstractScrollArea* area : opened->findChildren<QAbstractScrollArea*>()) {
        if (area->isVisible())
            QVERIFY2(!area->horizontalScrollBar()->isVisible(), area->metaObject()->className());
    }
}

void TestSettingsScreen::deletedAccountsBackupsAndTheSyncServer()
{
    TestAppState app;
    const Account kept = app.addAccount(QStringLiteral("Savings"));
    const Account account = app.addAccount(QStringLiteral("Checking"));
    const QDate day(2025, 4, 1);
    const Transaction early = app.addTransaction(account.id, day, "Early", -100);
    const Transaction late = app.addTransaction(account.id, day, "Late", -200);
    const Transaction cascaded = app.addTransaction(account.id, day, "Cascaded", -300);
    Clock::setFixedUtc(QDateTime(QDate(2025, 4, 2), QTime(12, 0, 19), Qt::UTC));
    QVERIFY(app->transactions()->softDelete(early.id));
    Clock::setFixedUtc(QDateTime(QDate(2025, 4, 2), QTime(12, 0, 21), Qt::UTC));
    QVERIFY(app->transactions()->softDelete(late.id));
    Clock::setFixedUtc(QDateTime(QDate(2025, 4, 2), QTime(12, 0, 30), Qt::UTC));
    QVERIFY(app->accountService()->remove(account.id).removed);
    Clock::setFixedUtc(QDateTime(QDate(2025, 4, 2), QTime(12, 5, 0), Qt::UTC));

    SettingsScreen screen(app.state());
    screen.show();
    screen.refresh();
    screen.categoryList()->setCurrentRow(2);
    DataSettingsPage* page = screen.dataPage();
    QVERIFY(page->deletedGroup()->isVisible());
    QCOMPARE(std::tuple(page->deletedList()->count(), page->restoreButton()->isEnabled()),
        std::tuple(1, false));
    page->deletedList()->setCurrentRow(0);
    QVERIFY(page->restoreButton()->isEnabled());

    QSignalSpy restored(&screen, &SettingsScreen::deletedAccountRestored);
    QTest::mouseClick(page->restoreButton(), Qt::LeftButton);
    QCOMPARE(restored.count(), 1);
    QVERIFY(!app->accounts()->findById(account.id)->deletedAt);
    QCOMPARE(app.column("SELECT payee FROM transactions WHERE deleted_at IS NULL ORDER BY payee"),
        QStringList({ "Cascaded", "Late" }));
    QVERIFY(!page->deletedGroup()->isVisible());
    QCOMPARE(app->accountService()->restore(kept.id), AccountService::RestoreResult::Failed);

    // Backups: written and read back.
    const QString path = QDir(app->backupService()->safetyDirectory()).filePath("mine.zip");
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    page->exportBackupTo(path);
    QCOMPARE(lastText(), "Backup Complete|Backup saved to:\n" + path);

    QVERIFY(app->accountService()->remove(account.id).removed);
    MainWindow window(app.state());
    QCOMPARE(window.sidebar()->totalLabel()->text(), QStringLiteral("Total: $0.00"));
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
    QVERIFY2(lastText().startsWith("Import Complete|Imported 61 items, skipped 0.\n\nYour data as "
                                   "it was before the import is saved in:\n"),
        qPrintable(lastText()));
    // One announcement, and the window shows what came back without a restart.
    QCOMPARE(std::tuple(restored.count(), changed.count()), std::tuple(2, 1));
    QCOMPARE(window.sidebar()->totalLabel()->text(), QStringLiteral("Total: -$5.00"));

    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    page->importBackupFrom(path + ".missing", BackupService::RestorePolicy::Replace);
    QCOMPARE(lastText(), QStringLiteral("Import Failed|Could not read file."));

    // The chooser says under each mode what it does to rows the backup lacks
    // and to rows deleted since.
    RestoreModeDialog chooser;
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    const QList<QRadioButton*> modes = chooser.findChildren<QRadioButton*>();
    const QStringList effects = DialogTest::labelTexts(chooser);
    QVERIFY(effects.join('|').contains("Items that are not in the backup are kept."));
    QCOMPARE(effects.filter("Items deleted here stay deleted.", Qt::CaseInsensitive).size(), 2);
    QTest::mouseClick(modes.last(), Qt::LeftButton, {}, QPoint(8, modes.last()->height() / 2));
    QCOMPARE(chooser.policy(), BackupService::RestorePolicy::SkipExisting);

    // The sync server section against the real server.
    RealServer server;
    QVERIFY(server.start());
    MellAccount::Client* cloud = app->cloudClient();
    SyncServerSection& section = *page->serverSection();
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
    QCOMPARE(MellAccount::ClientConfig::syncApiUrlFromEnvironment(), server.syncApiUrl());

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

void TestSettingsScreen::csvColumnsFromTheFileAndImport()
{
    TestAppState app;
    const Account checking = app.addAccount("CHECKING");
    ImportScreen screen(app.state());
    screen.show();
    auto* mode = field<QComboBox>(screen, "amountModeCombo");

    // The preview reads the rows as they will be stored; the mapping is kept
    // for the next file of the layout.
    auto* table = field<QTableWidget>(screen, "csvPreviewTable");
    const auto shown = [table](int row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
        return cells.join('|');
    };
    screen.setFiles({ file("maart.csv",
        "Datum;Naam;Bedrag;Af Bij\n05.03.2024;Bakker;1.234,50;Af\n13.03.2024;Werk;100,00;Bij\n"
        "14.03.2024;Raar;1,00;Over\n") });
    QTRY_COMPARE(table->rowCount(), 3);
    // Before the direction is mapped the amounts are taken as signed.
    QCOMPARE(shown(0), "3/5/2024|Bakker|$1,234.50|OK");
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_End);
    auto* direction = field<QComboBox>(screen, "directionColumnCombo");
    direction->setFocus();
    QTest::keyClick(direction, Qt::Key_End);
    retype(field<QLineEdit>(screen, "outValueEdit"), "af");
    retype(field<QLineEdit>(screen, "inValueEdit"), "bij");
    QTRY_COMPARE(shown(0), "3/5/2024|Bakker|-$1,234.50|OK");
    QCOMPARE(shown(1), "3/13/2024|Werk|$100.00|OK");
    QCOMPARE(shown(2), "3/14/2024|Raar||Invalid: the amount does not read");
    press(screen, "importButton");
    QVERIFY2(resultText(screen).startsWith("Import complete!\n\n2 transaction(s) imported"),
        qPrintable(resultText(screen)));
    QCOMPARE(labelText(screen, "profileLabel"),
        "The mapping is kept as profile \"CHECKING CSV\" for the next file of this layout.");
    QTRY_COMPARE(shown(1), "3/13/2024|Werk|$100.00|Duplicate");

    // Next month's file reads with the kept mapping, without any choice made.
    screen.setFiles({ file("april.csv",
        "Datum;Naam;Bedrag;Af Bij\n13.03.2024;Werk;100,00;Bij\n02.04.2024;Bakker;7,25;Af\n") });
    QCOMPARE(labelText(screen, "profileLabel"),
        "Profile \"CHECKING CSV\" applied: the file has its columns.");
    QTRY_COMPARE(shown(0), "3/13/2024|Werk|$100.00|Duplicate");
    QCOMPARE(shown(1), "4/2/2024|Bakker|-$7.25|OK");
    press(screen, "importButton");
    QVERIFY2(resultText(screen).startsWith("Import complete!\n\n1 transaction(s) imported\n"
                                           "1 duplicate(s) skipped"),
        qPrintable(resultText(screen)));
    QCOMPARE(app->transactions()->findByAccount(checking.id).size(), 3);

    // Renamed and deleted from the window.
    whenOpen<QInputDialog>([](QInputDialog& dialog) {
        dialog.setTextValue("ING");
        dialog.accept();
    });
    press(screen, "renameProfileButton");
    QCOMPARE(field<QComboBox>(screen, "csvProfileCombo")->currentText(), "ING");
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    press(screen, "deleteProfileButton");
    QCOMPARE(MessageBoxes::lastShown()->title, "Delete Profile");
    QVERIFY(app->importService()->profiles()->profiles(checking.id).isEmpty());
    screen.setFiles({ m_dir->filePath("april.csv") });
    QVERIFY(labelText(screen, "profileLabel").isEmpty());
    QCOMPARE(mode->currentIndex(), 0);

    // The header after two lines about the account names the columns.
    screen.setFiles({ importFixture("bank-export.csv") });
    QCOMPARE(QStringList({ labelText(screen, "fileLabel"),
                 field<QComboBox>(screen, "payeeColumnCombo")->currentText(),
                 field<QComboBox>(screen, "categoryColumnCombo")->currentText(),
                 field<QComboBox>(screen, "accountCombo")->currentData().toString() }),
        QStringList({ "bank-export.csv", "Col 2: Description", "Col 5: Category", checking.id }));

    press(screen, "importButton");
    QCOMPARE(resultText(screen),
        "Import complete!\n\n4 transaction(s) imported\n1 duplicate(s) skipped\n"
        "3 record(s) skipped (unparseable)");
    QCOMPARE(app->transactions()->findByAccount(checking.id).size(), 7);

    auto* amount = field<QComboBox>(screen, "amountColumnCombo");

    // "Amount" itself rather than the first header that holds the word.
    screen.setFiles({ file("order.csv",
        "Date,Shipping and Handling Amount,Title,Amount\n2024-03-05,0.00,Cable,12.99\n") });
    QCOMPARE(amount->currentText(), "Col 4: Amount");
    // Without one, the column that holds nothing but amounts.
    screen.setFiles({ file("totals.csv",
        "Date,Shipping Amount,Title,Total\n2024-03-05,free,Cable,12.99\n"
        "2024-03-06,1.50,Lamp,-20.00\n") });
    QCOMPARE(amount->currentText(), "Col 4: Total");

    // A date pattern typed as on the command line reads the file's dates.
    screen.setFiles({ file("dots.csv", "Date,Payee,Amount\n05.03.2024,Cafe,-3.50\n") });
    auto* dateFormat = field<QComboBox>(screen, "dateFormatCombo");
    retypeCombo(dateFormat, "dd.MM.yyyy");
    press(screen, "importButton");
    const QList<Transaction> stored = app->transactions()->findByAccount(checking.id);
    QCOMPARE(stored.size(), 8);
    QVERIFY(std::any_of(stored.cbegin(), stored.cend(),
        [](const Transaction& t) { return t.payee == "Cafe" && t.date == QDate(2024, 3, 5); }));

    // Reading the file again with another delimiter or lines skipped keeps
    // what the user chose and guesses only the rest.
    screen.setFiles({ file("semi.csv",
        "Bank report\nDatum;Naam;Mededeling;Bedrag;Af Bij\n05.03.2024;Bakker;Brood;3.50;Af\n") });
    auto* payee = field<QComboBox>(screen, "payeeColumnCombo");
    auto* comma = field<QCheckBox>(screen, "decimalCommaCheck");
    QCOMPARE(payee->currentText(), "Col 2: Naam");
    payee->setFocus();
    QTest::keyClick(payee, Qt::Key_Down);
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_End);
    DialogTest::click(comma);
    retype(field<QSpinBox>(screen, "skipLinesSpin"), "1");
    QCOMPARE(payee->currentText(), "Col 3: Mededeling");
    QCOMPARE(mode->currentIndex(), 2);
    QVERIFY(comma->isChecked());
    QCOMPARE(amount->currentText(), "Col 4: Bedrag");

    // QIF accounts go to the account of their name, whatever its case, or a new one.
    auto* format = field<QComboBox>(screen, "formatCombo");
    format->setCurrentIndex(format->findText("QIF"));
    screen.setFiles({ importFixture("checking.qif"), importFixture("savings.qif") });
    QCOMPARE(QStringList(
                 { labelText(screen, "fileLabel"), qifRows(screen).at(0)->currentData().toString(),
                     qifRows(screen).at(1)->currentText() }),
        QStringList({ "2 file(s) selected", checking.id, "— Create new account \"Savings\" —" }));
}

void TestSettingsScreen::ofxFromTheMainWindowShowsBalancesAndOffersReconciling()
{
    TestAppState app;
    MainWindow window(app.state());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier);
    auto* screen = window.findChild<ImportScreen*>();
    QVERIFY(screen && screen->isVisible() && screen->isWindow());

    // Without an account to import into, "No" stores nothing.
    QSignalSpy completed(screen, &ImportScreen::importCompleted);
    screen->setFiles({ importFixture("bank-export.csv") });
    MessageBoxes::setNextAnswer(QMessageBox::No);
    press(*screen, "importButton");
    QCOMPARE(QStringList({ MessageBoxes::lastShown()->title, MessageBoxes::lastShown()->text }),
        QStringList({ "No target account", "Pick an account to import into, or create one now." }));
    QCOMPARE(completed.count(), 0);
    QVERIFY(app->accounts()->findAll().isEmpty());

    // Chosen as a CSV file, recognised as a statement by what it holds.
    screen->setFiles({ importFixture("two-statements.qfx") });
    QCOMPARE(field<QComboBox>(*screen, "formatCombo")->currentText(), "OFX/QFX");
    QCOMPARE(qifRows(*screen).at(1)->currentText(), "— Create new account \"Credit Card 4444\" —");
    press(*screen, "importButton");
    QVERIFY2(resultText(*screen).startsWith("Import complete!\n\n3 transaction(s) imported"),
        qPrintable(resultText(*screen)));
    const QList<Account> accounts = app->accounts()->findAll();
    QCOMPARE(accounts.size(), 2);
    QCOMPARE(accounts.at(1).type, AccountType::CreditCard);
    // The first accounts an import makes are shown at once.
    QCOMPARE(std::tuple(window.currentPage(), window.registerScreen()->accountId()),
        std::tuple(MainWindow::Page::Register, accounts.first().id));
    const auto balances = screen->findChild<QWidget*>("statementBalances")->findChildren<QLabel*>();
    QCOMPARE(balances.at(0)->text(),
        "Checking 6789: the bank's balance on 3/31/2024 is $1,876.50; the register's is "
        "-$123.50.");

    const auto reconcile = screen->findChildren<QPushButton*>("reconcileButton");
    QCOMPARE(reconcile.size(), 2);
    reconcile.at(0)->click();
    auto* reconciliation = window.findChild<ReconciliationScreen*>();
    QVERIFY(reconciliation && reconciliation->isVisible());
    QCOMPARE(reconciliation->accountId(), accounts.at(0).id);
    QCOMPARE(field<QDoubleSpinBox>(*reconciliation, "statementBalanceField")->value(), 1876.50);
    reconciliation->close();
}

QTEST_MAIN(TestSettingsScreen)
#include "tst_settingsscreen.moc"
