#include "DialogTestHelpers.h"
#include "ImportFixtures.h"
#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/TransactionRepository.h"
#include "services/import/CsvProfileService.h"
#include "services/import/ImportService.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/register/RegisterScreen.h"
#include "ui/screens/ImportScreen.h"
#include "ui/screens/ReconciliationScreen.h"
#include "ui/widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QFile>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSpinBox>

using namespace DialogTest;

class TestImportScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir.emplace(); }
    void cleanup() { MessageBoxes::clearAnswers(); }
    void csvColumnsFromTheFileAndImport();
    void csvPreviewAndProfileForTheNextFile();
    void qifRowsPreselectCreateAndSkip();
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

namespace {

QString resultText(const ImportScreen& screen)
{
    return field<QPlainTextEdit>(screen, "resultText")->toPlainText();
}

QList<QComboBox*> qifRows(const ImportScreen& screen)
{
    return screen.findChildren<QComboBox*>(QStringLiteral("qifMapCombo"));
}

// Ctrl+I in a shown main window, and the import window it opens.
ImportScreen* openFrom(MainWindow& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("main window not shown");
    QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier);
    return window.findChild<ImportScreen*>();
}

} // namespace

void TestImportScreen::csvColumnsFromTheFileAndImport()
{
    TestAppState app;
    const Account checking = app.addAccount("Checking");
    ImportScreen screen(app.state());
    screen.show();
    QSignalSpy completed(&screen, &ImportScreen::importCompleted);

    // The header after two lines about the account names the columns.
    screen.setFiles({ importFixture("bank-export.csv") });
    QVERIFY(field<QCheckBox>(screen, "headerCheck")->isChecked());
    QCOMPARE(QStringList({ labelText(screen, "fileLabel"),
                 field<QComboBox>(screen, "payeeColumnCombo")->currentText(),
                 field<QComboBox>(screen, "categoryColumnCombo")->currentText(),
                 field<QComboBox>(screen, "accountCombo")->currentData().toString() }),
        QStringList({ "bank-export.csv", "Col 2: Description", "Col 5: Category", checking.id }));

    press(screen, "importButton");
    QCOMPARE(resultText(screen),
        "Import complete!\n\n4 transaction(s) imported\n1 duplicate(s) skipped\n"
        "3 record(s) skipped (unparseable)");
    QCOMPARE(completed.count(), 1);
    QCOMPARE(app->transactions()->findByAccount(checking.id).size(), 4);

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
    QVERIFY(dateFormat->isEditable());
    retypeCombo(dateFormat, "dd.MM.yyyy");
    press(screen, "importButton");
    const QList<Transaction> stored = app->transactions()->findByAccount(checking.id);
    QCOMPARE(stored.size(), 5);
    QVERIFY(std::any_of(stored.cbegin(), stored.cend(),
        [](const Transaction& t) { return t.payee == "Cafe" && t.date == QDate(2024, 3, 5); }));

    // Reading the file again with another delimiter or lines skipped keeps
    // what the user chose and guesses only the rest.
    screen.setFiles({ file("semi.csv",
        "Bank report\nDatum;Naam;Mededeling;Bedrag;Af Bij\n05.03.2024;Bakker;Brood;3.50;Af\n") });
    auto* payee = field<QComboBox>(screen, "payeeColumnCombo");
    auto* mode = field<QComboBox>(screen, "amountModeCombo");
    auto* comma = field<QCheckBox>(screen, "decimalCommaCheck");
    QCOMPARE(payee->currentText(), "Col 2: Naam");
    payee->setFocus();
    QTest::keyClick(payee, Qt::Key_Down);
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_End);
    DialogTest::click(comma);
    retype(field<QSpinBox>(screen, "skipLinesSpin"), "1");
    QVERIFY(field<QCheckBox>(screen, "headerCheck")->isChecked());
    QCOMPARE(payee->currentText(), "Col 3: Mededeling");
    QCOMPARE(mode->currentIndex(), 2);
    QVERIFY(comma->isChecked());
    QCOMPARE(amount->currentText(), "Col 4: Bedrag");
    auto* delimiter = field<QComboBox>(screen, "delimiterCombo");
    delimiter->setFocus();
    // Through a wrong delimiter that splits nothing to the right one.
    QTest::keyClick(delimiter, Qt::Key_Down);
    QTest::keyClick(delimiter, Qt::Key_Down);
    QCOMPARE(delimiter->currentText(), "Semicolon");
    QCOMPARE(payee->currentText(), "Col 3: Mededeling");
    QVERIFY(comma->isChecked());

    // Unticking the header offers plain column numbers and keeps the choice.
    DialogTest::click(field<QCheckBox>(screen, "headerCheck"));
    QCOMPARE(field<QComboBox>(screen, "payeeColumnCombo")->currentText(), "Column 3");

    // A file that is not text says so and cannot be imported.
    const QString zip = file("statement.csv", QByteArray("PK\x03\x04\x14\x00\x00\x00", 8));
    screen.setFiles({ zip });
    QCOMPARE(resultText(screen), zip + " is not a text file.");
    QVERIFY(!field<QPushButton>(screen, "importButton")->isEnabled());
}

void TestImportScreen::csvPreviewAndProfileForTheNextFile()
{
    TestAppState app;
    const Account checking = app.addAccount("Checking");
    ImportScreen screen(app.state());
    screen.show();
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
    auto* mode = field<QComboBox>(screen, "amountModeCombo");
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
        "The mapping is kept as profile \"Checking CSV\" for the next file of this layout.");
    QTRY_COMPARE(shown(1), "3/13/2024|Werk|$100.00|Duplicate");

    // Next month's file reads with the kept mapping, without any choice made.
    screen.setFiles({ file("april.csv",
        "Datum;Naam;Bedrag;Af Bij\n13.03.2024;Werk;100,00;Bij\n02.04.2024;Bakker;7,25;Af\n") });
    QCOMPARE(labelText(screen, "profileLabel"),
        "Profile \"Checking CSV\" applied: the file has its columns.");
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
}

void TestImportScreen::qifRowsPreselectCreateAndSkip()
{
    TestAppState app;
    const Account checking = app.addAccount("CHECKING");
    ImportScreen screen(app.state());
    auto* format = field<QComboBox>(screen, "formatCombo");
    format->setCurrentIndex(format->findText("QIF"));
    screen.setFiles({ importFixture("checking.qif"), importFixture("savings.qif") });
    QCOMPARE(QStringList(
                 { labelText(screen, "fileLabel"), qifRows(screen).at(0)->currentData().toString(),
                     qifRows(screen).at(1)->currentText() }),
        QStringList({ "2 file(s) selected", checking.id, "— Create new account \"Savings\" —" }));

    for (QComboBox* row : qifRows(screen))
        row->setCurrentIndex(row->findData(QStringLiteral("__skip__")));
    press(screen, "importButton");
    QCOMPARE(resultText(screen),
        "Import complete!\n\n0 transaction(s) imported\n2 record(s) skipped (unparseable)\n"
        "1 metadata record(s) skipped\n7 record(s) skipped (unmapped source account)");
    QCOMPARE(app->accounts()->findAll().size(), 1);
}

void TestImportScreen::ofxFromTheMainWindowShowsBalancesAndOffersReconciling()
{
    TestAppState app;
    MainWindow window(app.state());
    ImportScreen* screen = openFrom(window);
    QVERIFY(screen && screen->isVisible() && screen->isWindow());

    // Without an account to import into, "No" stores nothing.
    QSignalSpy completed(screen, &ImportScreen::importCompleted);
    screen->setFiles({ importFixture("bank-export.csv") });
    MessageBoxes::setNextAnswer(QMessageBox::No);
    press(*screen, "importButton");
    QCOMPARE(QStringList({ MessageBoxes::lastShown()->title, MessageBoxes::lastShown()->text }),
        QStringList({ "No target account", "Pick an account to import into, or create one now." }));
    QVERIFY(resultText(*screen).isEmpty());
    QCOMPARE(completed.count(), 0);
    QVERIFY(app->accounts()->findAll().isEmpty());

    // Chosen as a CSV file, recognised as a statement by what it holds.
    screen->setFiles({ importFixture("two-statements.qfx") });
    QCOMPARE(field<QComboBox>(*screen, "formatCombo")->currentText(), "OFX/QFX");
    QCOMPARE(qifRows(*screen).size(), 2);
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
    QCOMPARE(balances.size(), 2);
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

    // The next download goes to the same accounts and brings nothing twice.
    screen->setFiles({ importFixture("two-statements.qfx") });
    QCOMPARE(QStringList({ qifRows(*screen).at(0)->currentData().toString(),
                 qifRows(*screen).at(1)->currentData().toString() }),
        QStringList({ accounts.at(0).id, accounts.at(1).id }));
    press(*screen, "importButton");
    QVERIFY2(
        resultText(*screen).contains("3 duplicate(s) skipped"), qPrintable(resultText(*screen)));
    QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(window.findChildren<ImportScreen*>().size(), 1);
}

QTEST_MAIN(TestImportScreen)
#include "tst_importscreen.moc"
