#include "DialogTestHelpers.h"
#include "SyncSide.h"
#include "app/DisplaySettings.h"
#include "data/Clock.h"
#include "data/DateText.h"
#include "sync/SyncEngine.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/FormDateEdit.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SmartAmountField.h"
#include "ui/widgets/SyncControlsWidget.h"

#include <QCalendarWidget>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTimeZone>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A Wednesday.
const QDate kToday(2026, 3, 11);

// A window holding the field and a second editor to move the focus to.
template <class Field> struct Window {
    QWidget window;
    Field* field;
    QLineEdit* other = new QLineEdit;

    explicit Window(Field* made = new Field)
        : field(made)
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
    }
    // Active with the focus in the field, as a form a user just opened.
    void show()
    {
        if (!DialogTest::showActive(window))
            qWarning("field window did not become active");
        field->setFocus();
    }
};

} // namespace

class TestEntryFields : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Clock::setFixedUtc(QDateTime(kToday, QTime(12, 0), QTimeZone::utc())); }
    void cleanupTestCase() { Clock::clearFixed(); }
    void dateKeys_data();
    void dateKeys();
    void typedDatesAndTheCalendar();
    void datesInThePreferredFormat_data();
    void datesInThePreferredFormat();
    void decimalKeyJumpsToCents_data();
    void decimalKeyJumpsToCents();
    void typedAmountsInTheCurrency();
    void syncButtonsFollowTheCycle();
};

void TestEntryFields::decimalKeyJumpsToCents_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("comma") << QLocale::c() << QString() << ',' << "12.00";
    QTest::newRow("with a prefix") << QLocale::c() << u"$ "_s << '.' << "$ 12.00";
    QTest::newRow("German full stop") << QLocale(QLocale::German) << QString() << '.' << "12,00";
}

void TestEntryFields::decimalKeyJumpsToCents()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, prefix);
    QFETCH(char, key);
    QFETCH(QString, text);
    SmartAmountField field;
    field.setLocale(locale);
    field.setPrefix(prefix);
    field.setRange(0, 1000);
    field.setValue(12);
    field.show();
    QLineEdit* edit = field.findChild<QLineEdit*>();
    // From the whole text selected, as after a Tab into the field.
    field.selectAll();
    QTest::keyClick(&field, key);
    QCOMPARE(std::tuple(edit->text(), edit->cursorPosition(), edit->hasSelectedText()),
        std::tuple(text, int(text.size() - 2), false));
    // Digits after the jump replace the cents; a third decimal is refused.
    QTest::keyClicks(&field, u"459"_s);
    QCOMPARE(edit->text(), text.chopped(2) + u"45"_s);
    QCOMPARE(field.value(), 12.45);
}

void TestEntryFields::typedAmountsInTheCurrency()
{
    Window<SmartAmountField> form;
    SmartAmountField* field = form.field;
    form.show();
    const auto typeAndConfirm = [&](Currency currency, const QString& typed) {
        field->setCurrency(currency);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, typed);
        form.other->setFocus();
        MessageBoxes::clearAnswers();
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        return SmartAmountField::confirmAll(&form.window);
    };
    // Read by the one amount reader; a refused text stays to be corrected
    // and the form's OK says why.
    QVERIFY(typeAndConfirm(Currency::EUR, u"800,50"_s));
    QCOMPARE(std::tuple(field->refusal(), field->amount()), std::tuple(QString(), qint64(80050)));
    QVERIFY(!typeAndConfirm(Currency::JPY, u"1.5"_s));
    const QString refusal = u"Yen amounts have no decimals"_s;
    QCOMPARE(std::tuple(field->refusal(), field->findChild<QLineEdit*>()->text(),
                 MessageBoxes::lastShown()->text),
        std::tuple(refusal, field->prefix() + u"1.5"_s, refusal));
    QCOMPARE(QApplication::focusWidget(), field);
}

void TestEntryFields::dateKeys_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<char>("key");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<int>("weekStart");
    const auto row = [](const char* name, const QDate& start, char key, const QDate& expected,
                         int weekStart = Qt::Sunday) {
        QTest::newRow(name) << start << key << expected << weekStart;
    };
    row("T with shift", QDate(2024, 2, 10), 'T', kToday);
    row("- back over a month", QDate(2026, 3, 1), '-', QDate(2026, 2, 28));
    row("m", QDate(2026, 3, 11), 'm', QDate(2026, 3, 1));
    row("h in a leap February", QDate(2024, 2, 10), 'h', QDate(2024, 2, 29));
    row("y", QDate(2026, 7, 19), 'y', QDate(2026, 1, 1));
    row("r", QDate(2026, 7, 19), 'r', QDate(2026, 12, 31));
    row("w on a Saturday", QDate(2026, 3, 14), 'w', QDate(2026, 3, 8));
    row("k on a Saturday stays", QDate(2026, 3, 14), 'k', QDate(2026, 3, 14));
    row("+ from no date", QDate(), '+', kToday.addDays(1));
    // Weeks start on the day chosen in Preferences.
    row("k, weeks from Monday", QDate(2026, 3, 9), 'k', QDate(2026, 3, 15), Qt::Monday);
}

void TestEntryFields::dateKeys()
{
    QFETCH(QDate, start);
    QFETCH(char, key);
    QFETCH(QDate, expected);
    QFETCH(int, weekStart);
    DisplaySettings::setWeekStartDay(Qt::DayOfWeek(weekStart));
    DateField field;
    field.setDate(start);
    QSignalSpy changed(&field, &DateField::dateChanged);
    QTest::keyClick(&field, key);
    // Nothing typed into the text: it is exactly the new date, all selected.
    QCOMPARE(std::tuple(field.selectedText(), field.date(), int(changed.count())),
        std::tuple(expected.toString(u"M/d/yyyy"_s), expected, expected == start ? 0 : 1));
}

void TestEntryFields::typedDatesAndTheCalendar()
{
    DisplaySettings::setWeekStartDay(Qt::Wednesday);
    Window<DateField> w;
    w.show();
    QSignalSpy changed(w.field, &DateField::dateChanged);
    // Read by callers as typed, but announced and reformatted only on leaving the field.
    DialogTest::retype(w.field, u"1/2/25"_s);
    QCOMPARE(std::tuple(w.field->date(), int(changed.count())), std::tuple(QDate(1925, 1, 2), 0));
    w.other->setFocus();
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(w.field->text(), u"1/2/1925"_s);
    // Unreadable text: the held date stays and is shown again.
    DialogTest::retype(w.field, u"soon"_s);
    w.other->setFocus();
    QTRY_COMPARE(w.field->text(), u"1/2/1925"_s);
    // A popup taking the focus (context menu, calendar) leaves the typing alone.
    DialogTest::retype(w.field, u"4/1/20"_s);
    QFocusEvent popupOut(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(w.field, &popupOut);
    QCOMPARE(std::tuple(w.field->text(), int(changed.count())), std::tuple(u"4/1/20"_s, 1));

    // F4 opens the calendar on the typed date; Return picks the day the
    // arrow keys moved to.
    w.field->setDate(QDate(2026, 1, 1));
    w.field->setText(u"3/31/2026"_s);
    changed.clear();
    QTest::keyClick(w.field, Qt::Key_F4);
    QPointer<QCalendarWidget> popup = w.field->findChild<QCalendarWidget*>();
    QVERIFY(popup && popup->isVisible());
    QCOMPARE(popup->firstDayOfWeek(), Qt::Wednesday);
    QTRY_VERIFY(popup->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!popup);
    QCOMPARE(std::tuple(w.field->date(), int(changed.count())), std::tuple(QDate(2026, 4, 1), 1));
}

void TestEntryFields::datesInThePreferredFormat_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* name, const char* pattern, const char* typed, const QDate& date,
                         const char* shown) {
        QTest::newRow(name) << QString(pattern) << QString(typed) << date << QString(shown);
    };
    // "12" fills the month and moves on; the "/" after it must not skip the day.
    row("two-digit month", "M/d/yyyy", "12/3/2026", QDate(2026, 12, 3), "12/3/2026");
    // Read only, in the language's own format.
    row("padded", "", " 01/02/2025 ", QDate(2025, 1, 2), "");
    row("no leap day in 2023", "", "2/29/2023", QDate(), "");
    row("German", "dd.MM.yyyy", "5.1.2026", QDate(2026, 1, 5), "05.01.2026");
}

void TestEntryFields::datesInThePreferredFormat()
{
    QFETCH(QString, pattern);
    QFETCH(QString, typed);
    QFETCH(QDate, expected);
    QFETCH(QString, shown);
    const auto restore = qScopeGuard([] { DateText::setDisplayFormat(QString()); });

    // A form's date box made before the format was chosen follows it when shown.
    Window<FormDateEdit> window(new FormDateEdit(QDate(2025, 6, 18)));
    FormDateEdit* form = window.field;
    DateText::setDisplayFormat(pattern);

    // The line-edit fields read and write the pattern; what they cannot read
    // leaves the date they hold.
    DateField field;
    field.setDate(kToday);
    field.setText(typed);
    QCOMPARE(field.date(), expected.isValid() ? expected : kToday);
    if (shown.isEmpty())
        return;
    field.setDate(expected);
    QCOMPARE(field.text(), shown);

    // In the form's box each separator moves on to the next part of the date,
    // never to the next field.
    window.show();
    // Typed over the whole date, as after a click and Ctrl+A.
    form->setFocus(Qt::MouseFocusReason);
    form->selectAll();
    QTest::keyClicks(form, typed);
    QCOMPARE(window.other->text(), QString());
    window.other->setFocus();
    QCOMPARE(form->date(), expected);
    QCOMPARE(form->text(), shown);
}

void TestEntryFields::syncButtonsFollowTheCycle()
{
    RealServer server;
    QVERIFY(server.start());
    TestHttpServer& front = server.front();
    SyncSide side(server, "ann@example.org");
    side.engine()->stopAutoSync();
    side.engine()->setRequestDelay(3600000);
    QVERIFY(side.settle());
    SyncControlsWidget controls(side.engine());
    QPushButton* syncNow = controls.syncNowButton();
    QPushButton* fullSync = controls.fullSyncButton();
    QVERIFY(controls.lastSyncLabel()->text().startsWith("Last synced: "));

    QTest::mouseClick(syncNow, Qt::LeftButton);
    QCOMPARE(syncNow->text(), "Syncing...");
    QVERIFY(!syncNow->isEnabled() && !fullSync->isEnabled());
    QTRY_VERIFY(syncNow->isEnabled() && fullSync->isEnabled());
    QCOMPARE(syncNow->text(), "Sync Now");

    // Accepted, every row goes up again and the stream comes down from its start.
    front.clearRequests();
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(fullSync, Qt::LeftButton);
    QCOMPARE(std::tuple(MessageBoxes::lastShown()->title, fullSync->isEnabled()),
        std::tuple(u"Force Full Sync"_s, false));
    QTRY_VERIFY(fullSync->isEnabled());
    const QList<TestHttpRequest> pulls = front.requestsTo("/ledgerine/v1/sync/pull");
    QVERIFY(!pulls.isEmpty() && !pulls.first().query.hasQueryItem("cursor"));
    QVERIFY(!front.requestsTo("/ledgerine/v1/sync/push").isEmpty());
}

QTEST_MAIN(TestEntryFields)
#include "tst_entryfields.moc"
