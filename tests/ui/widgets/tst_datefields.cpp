#include "app/DisplaySettings.h"
#include "app/ThemeManager.h"
#include "data/Clock.h"
#include "ui/widgets/DateEntry.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/SmartDateEdit.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimeZone>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A Wednesday, so that the week keys have somewhere to go.
const QDate kToday(2026, 3, 11);

// A window holding the field and a second editor to move the focus to.
struct Window {
    QWidget window;
    DateField* field = new DateField;
    QLineEdit* other = new QLineEdit;

    Window()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        field->setFocus();
    }
};

QCalendarWidget* openPopup(QLineEdit* field)
{
    auto* popup = field->findChild<QCalendarWidget*>();
    return popup && popup->isVisible() ? popup : nullptr;
}

// The cell of `day` in the shown month (row 0 holds the day names and
// column 0 the week numbers).
QModelIndex dayCell(QTableView* view, int day)
{
    QAbstractItemModel* model = view->model();
    for (int row = 1; row < model->rowCount(); ++row) {
        for (int column = 1; column < model->columnCount(); ++column) {
            if (model->index(row, column).data().toString() == QString::number(day))
                return model->index(row, column);
        }
    }
    return {};
}

} // namespace

class TestDateFields : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Clock::setFixedUtc(QDateTime(kToday, QTime(12, 0), QTimeZone::utc())); }
    void cleanupTestCase() { Clock::clearFixed(); }
    void parsesTypedFormats_data();
    void parsesTypedFormats();
    void dateKeys_data();
    void dateKeys();
    void typedDateConfirmedOnFocusOut();
    void calendarOpens_data();
    void calendarOpens();
    void calendarPicks();
    void calendarIconFollowsPalette();
};

void TestDateFields::parsesTypedFormats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("M/d/yyyy") << "1/2/2025" << QDate(2025, 1, 2);
    QTest::newRow("MM/dd/yyyy") << "01/02/2025" << QDate(2025, 1, 2);
    QTest::newRow("M/d/yy in the 1900s") << "1/2/25" << QDate(1925, 1, 2);
    QTest::newRow("MM/dd/yy in the 1900s") << "01/02/99" << QDate(1999, 1, 2);
    QTest::newRow("surrounding blanks") << "  7/4/2026 " << QDate(2026, 7, 4);
    QTest::newRow("no leap day in 2023") << "2/29/2023" << QDate();
    QTest::newRow("month 13") << "13/1/2025" << QDate();
    QTest::newRow("iso order") << "2025-01-02" << QDate();
    QTest::newRow("three-digit year") << "1/2/025" << QDate();
    QTest::newRow("words") << "Jan 2 2025" << QDate();
}

void TestDateFields::parsesTypedFormats()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(DateEntry::parse(text), expected);

    // Through the fields: an unreadable text falls back to the held date.
    const QDate held(2020, 6, 15);
    DateField field;
    field.setDate(held);
    field.setText(text);
    QCOMPARE(field.date(), expected.isValid() ? expected : held);
    SmartDateEdit edit;
    edit.setDate(held);
    edit.setText(text);
    QCOMPARE(edit.date(), expected.isValid() ? expected : held);
}

void TestDateFields::dateKeys_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<char>("key");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("t") << QDate(2024, 2, 10) << 't' << kToday;
    QTest::newRow("T with shift") << QDate(2024, 2, 10) << 'T' << kToday;
    QTest::newRow("+ into leap day") << QDate(2024, 2, 28) << '+' << QDate(2024, 2, 29);
    QTest::newRow("= over the year end") << QDate(2025, 12, 31) << '=' << QDate(2026, 1, 1);
    QTest::newRow("- back over a month") << QDate(2026, 3, 1) << '-' << QDate(2026, 2, 28);
    QTest::newRow("m") << QDate(2026, 3, 11) << 'm' << QDate(2026, 3, 1);
    QTest::newRow("M with shift") << QDate(2026, 5, 31) << 'M' << QDate(2026, 5, 1);
    QTest::newRow("h in a leap February") << QDate(2024, 2, 10) << 'h' << QDate(2024, 2, 29);
    QTest::newRow("h in a plain February") << QDate(2023, 2, 10) << 'h' << QDate(2023, 2, 28);
    QTest::newRow("h in April") << QDate(2026, 4, 15) << 'h' << QDate(2026, 4, 30);
    QTest::newRow("y") << QDate(2026, 7, 19) << 'y' << QDate(2026, 1, 1);
    QTest::newRow("r") << QDate(2026, 7, 19) << 'r' << QDate(2026, 12, 31);
    QTest::newRow("w on a Wednesday") << QDate(2026, 3, 11) << 'w' << QDate(2026, 3, 8);
    QTest::newRow("w on a Sunday stays") << QDate(2026, 3, 8) << 'w' << QDate(2026, 3, 8);
    QTest::newRow("w on a Saturday") << QDate(2026, 3, 14) << 'w' << QDate(2026, 3, 8);
    QTest::newRow("w over a month start") << QDate(2026, 9, 1) << 'w' << QDate(2026, 8, 30);
    QTest::newRow("k on a Wednesday") << QDate(2026, 3, 11) << 'k' << QDate(2026, 3, 14);
    QTest::newRow("k on a Saturday stays") << QDate(2026, 3, 14) << 'k' << QDate(2026, 3, 14);
    QTest::newRow("k on a Sunday, six days on") << QDate(2026, 3, 8) << 'k' << QDate(2026, 3, 14);
    QTest::newRow("k over the year end") << QDate(2026, 12, 29) << 'k' << QDate(2027, 1, 2);
    // Without a held date the keys start from today.
    QTest::newRow("+ from no date") << QDate() << '+' << kToday.addDays(1);
    QTest::newRow("w from no date") << QDate() << 'w' << QDate(2026, 3, 8);
}

void TestDateFields::dateKeys()
{
    QFETCH(QDate, start);
    QFETCH(char, key);
    QFETCH(QDate, expected);

    SmartDateEdit edit;
    edit.setDate(start);
    DateField form;
    form.setDate(start);
    QSignalSpy changed(&form, &DateField::dateChanged);
    for (QLineEdit* field : std::initializer_list<QLineEdit*> { &edit, &form }) {
        QTest::keyClick(field, key);
        // Nothing typed into the text: it is exactly the new date, all selected.
        QCOMPARE(field->text(), expected.toString(u"M/d/yyyy"_s));
        QCOMPARE(field->selectedText(), field->text());
    }
    QCOMPARE(edit.date(), expected);
    QCOMPARE(form.date(), expected);
    QCOMPARE(changed.count(), expected == start ? 0 : 1);
}

void TestDateFields::typedDateConfirmedOnFocusOut()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QCOMPARE(w.field->date(), kToday);
    QSignalSpy changed(w.field, &DateField::dateChanged);
    const auto retype = [&w](const QString& text) {
        w.field->setFocus();
        w.field->selectAll();
        QTest::keyClicks(w.field, text);
    };

    // Read by callers as typed, but held and announced only on leaving the field.
    retype(u"1/2/25"_s);
    QCOMPARE(w.field->text(), u"1/2/25"_s);
    QCOMPARE(w.field->date(), QDate(1925, 1, 2));
    QCOMPARE(changed.count(), 0);
    w.other->setFocus();
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toDate(), QDate(1925, 1, 2));
    QCOMPARE(w.field->text(), u"1/2/1925"_s);

    // Unreadable text: the held date stays and is shown again.
    retype(u"soon"_s);
    QCOMPARE(w.field->date(), QDate(1925, 1, 2));
    w.other->setFocus();
    QTRY_COMPARE(w.field->text(), u"1/2/1925"_s);

    // A popup taking the focus (context menu, calendar) leaves the typing alone.
    retype(u"4/1/20"_s);
    QFocusEvent popupOut(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(w.field, &popupOut);
    QCOMPARE(w.field->text(), u"4/1/20"_s);

    // The held date in another format, or set again: shown the usual way, nothing emitted.
    retype(u"01/02/1925"_s);
    w.other->setFocus();
    QTRY_COMPARE(w.field->text(), u"1/2/1925"_s);
    w.field->setDate(QDate(1925, 1, 2));
    QCOMPARE(changed.count(), 1);
}

void TestDateFields::calendarOpens_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("F4") << "F4";
    QTest::newRow("Alt+Down") << "Alt+Down";
    QTest::newRow("calendar action") << "action";
}

void TestDateFields::calendarOpens()
{
    QFETCH(QString, how);
    const auto restore = qScopeGuard(
        [was = DisplaySettings::weekStartDay()] { DisplaySettings::setWeekStartDay(was); });
    DisplaySettings::setWeekStartDay(Qt::Wednesday);
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.field->setDate(QDate(2026, 5, 20));
    QTest::keyClick(w.field, Qt::Key_Down); // without Alt it is not enough
    QVERIFY(!openPopup(w.field));

    if (how == QLatin1String("F4"))
        QTest::keyClick(w.field, Qt::Key_F4);
    else if (how == QLatin1String("Alt+Down"))
        QTest::keyClick(w.field, Qt::Key_Down, Qt::AltModifier);
    else
        w.field->actions().first()->trigger();
    QPointer<QCalendarWidget> popup = openPopup(w.field);
    QVERIFY(popup);
    QCOMPARE(popup->firstDayOfWeek(), Qt::Wednesday);
    QCOMPARE(popup->selectedDate(), QDate(2026, 5, 20));
    QTRY_VERIFY(popup->isAncestorOf(QApplication::focusWidget()));
    QCOMPARE(w.field->text(), u"5/20/2026"_s); // the opening key typed nothing

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!popup);
    QCOMPARE(w.field->date(), QDate(2026, 5, 20));
}

void TestDateFields::calendarPicks()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.field->setDate(QDate(2026, 1, 1));
    QSignalSpy changed(w.field, &DateField::dateChanged);

    // It opens on the typed date, and Return picks the day the arrow keys moved to.
    w.field->setText(u"3/31/2026"_s);
    QTest::keyClick(w.field, Qt::Key_F4);
    QPointer<QCalendarWidget> popup = openPopup(w.field);
    QVERIFY(popup);
    QTRY_VERIFY(popup->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!popup);
    QCOMPARE(w.field->date(), QDate(2026, 4, 1));
    QCOMPARE(changed.count(), 1);

    // So does a click on a day.
    w.field->openCalendarPopup();
    popup = openPopup(w.field);
    QVERIFY(popup);
    auto* view = popup->findChild<QTableView*>();
    const QModelIndex day = dayCell(view, 15);
    QVERIFY(day.isValid());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(day).center());
    QTRY_VERIFY(!popup);
    QCOMPARE(w.field->text(), u"4/15/2026"_s);
    QCOMPARE(changed.count(), 2);
}

void TestDateFields::calendarIconFollowsPalette()
{
    ThemeManager theme(nullptr);
    theme.setTheme(u"light"_s);
    DateField field;
    const auto icon = [&field] { return field.actions().first()->icon().pixmap(16).toImage(); };
    const QImage light = icon();
    // The palette reaches existing widgets through posted events.
    theme.setTheme(u"dark"_s);
    QTRY_VERIFY(!light.isNull() && icon() != light);
    theme.setTheme(u"light"_s);
    QTRY_COMPARE(icon(), light);
}

QTEST_MAIN(TestDateFields)
#include "tst_datefields.moc"
