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
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimeZone>
#include <QVBoxLayout>

namespace {

// A Wednesday, so that the week keys have somewhere to go.
const QDate kToday(2026, 3, 11);

QString rendered(const QDate& date)
{
    return date.toString(QStringLiteral("M/d/yyyy"));
}

// A window holding the field and a second editor to move the focus to.
template <class Field> struct Window {
    QWidget window;
    Field* field = new Field;
    QLineEdit* other = new QLineEdit;

    Window()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.move(120, 80);
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
            const QModelIndex index = model->index(row, column);
            if (index.data().toString() == QString::number(day))
                return index;
        }
    }
    return {};
}

} // namespace

class TestDateFields : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void parsesTypedFormats_data();
    void parsesTypedFormats();
    void dateKeys_data();
    void dateKeys();
    void invalidHeldDateStartsFromToday();
    void otherKeysAreTyped();
    void focusOutConfirmsOrRestores();
    void dateChangedOnlyOnChange();
    void calendarOpens_data();
    void calendarOpens();
    void calendarPreselectsTypedDate();
    void clickingADayPicksItAndCloses();
    void keyboardInCalendar();
    void calendarActionIconFollowsPalette();

private:
    template <class Field> void checkKey(const QDate& start, char key, const QDate& expected);
    Qt::DayOfWeek m_weekStart = Qt::Monday;
};

void TestDateFields::init()
{
    Clock::setFixedUtc(QDateTime(kToday, QTime(12, 0), QTimeZone::utc()));
    m_weekStart = DisplaySettings::weekStartDay();
}

void TestDateFields::cleanup()
{
    Clock::clearFixed();
    DisplaySettings::setWeekStartDay(m_weekStart);
}

void TestDateFields::parsesTypedFormats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("M/d/yyyy") << "1/2/2025" << QDate(2025, 1, 2);
    QTest::newRow("MM/dd/yyyy") << "01/02/2025" << QDate(2025, 1, 2);
    QTest::newRow("M/d/yy in the 1900s") << "1/2/25" << QDate(1925, 1, 2);
    QTest::newRow("MM/dd/yy in the 1900s") << "01/02/25" << QDate(1925, 1, 2);
    QTest::newRow("two-digit 99") << "12/31/99" << QDate(1999, 12, 31);
    QTest::newRow("leap day") << "2/29/2024" << QDate(2024, 2, 29);
    QTest::newRow("surrounding blanks") << "  7/4/2026 " << QDate(2026, 7, 4);
    QTest::newRow("no leap day in 2023") << "2/29/2023" << QDate();
    QTest::newRow("month 13") << "13/1/2025" << QDate();
    QTest::newRow("day 32") << "1/32/2025" << QDate();
    QTest::newRow("iso order") << "2025-01-02" << QDate();
    QTest::newRow("no year") << "1/2" << QDate();
    QTest::newRow("three-digit year") << "1/2/025" << QDate();
    QTest::newRow("words") << "Jan 2 2025" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestDateFields::parsesTypedFormats()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(DateEntry::parse(text), expected);

    // Through the fields: an unreadable text falls back to the held date.
    const QDate held(2020, 6, 15);
    const QDate shown = expected.isValid() ? expected : held;
    DateField field;
    field.setDate(held);
    field.setText(text);
    QCOMPARE(field.date(), shown);
    SmartDateEdit edit;
    edit.setDate(held);
    edit.setText(text);
    QCOMPARE(edit.date(), shown);
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
}

template <class Field>
void TestDateFields::checkKey(const QDate& start, char key, const QDate& expected)
{
    Window<Field> w;
    w.field->setDate(start);
    QCOMPARE(w.field->date(), start);
    QTest::keyClick(w.field, key);
    QCOMPARE(w.field->date(), expected);
    // Nothing typed into the text: it is exactly the new date, all selected.
    QCOMPARE(w.field->text(), rendered(expected));
    QCOMPARE(w.field->selectedText(), w.field->text());
}

void TestDateFields::dateKeys()
{
    QFETCH(QDate, start);
    QFETCH(char, key);
    QFETCH(QDate, expected);

    checkKey<SmartDateEdit>(start, key, expected);
    checkKey<DateField>(start, key, expected);

    DateField field;
    field.setDate(start);
    QSignalSpy changed(&field, &DateField::dateChanged);
    QTest::keyClick(&field, key);
    if (expected == start) {
        QCOMPARE(changed.count(), 0);
    } else {
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toDate(), expected);
    }
}

void TestDateFields::invalidHeldDateStartsFromToday()
{
    const struct {
        char key;
        QDate expected;
    } cases[]
        = { { '+', kToday.addDays(1) }, { 'w', QDate(2026, 3, 8) }, { 'r', QDate(2026, 12, 31) } };
    for (const auto& c : cases) {
        DateField field;
        field.setDate(QDate());
        QCOMPARE(field.text(), QString());
        QSignalSpy changed(&field, &DateField::dateChanged);
        QTest::keyClick(&field, c.key);
        QCOMPARE(field.date(), c.expected);
        QCOMPARE(field.text(), rendered(c.expected));
        QCOMPARE(changed.count(), 1);

        SmartDateEdit edit;
        edit.setDate(QDate());
        QTest::keyClick(&edit, c.key);
        QCOMPARE(edit.date(), c.expected);
    }
}

void TestDateFields::otherKeysAreTyped()
{
    Window<DateField> w;
    QCOMPARE(w.field->date(), kToday);
    QCOMPARE(w.field->text(), QStringLiteral("3/11/2026"));
    QSignalSpy changed(w.field, &DateField::dateChanged);
    w.field->selectAll();
    QTest::keyClicks(w.field, QStringLiteral("7/4/2025"));
    QCOMPARE(w.field->text(), QStringLiteral("7/4/2025"));
    // Read by callers before it is confirmed, but not yet held.
    QCOMPARE(w.field->date(), QDate(2025, 7, 4));
    QCOMPARE(changed.count(), 0);

    Window<SmartDateEdit> r;
    QCOMPARE(r.field->selectedText(), QStringLiteral("3/11/2026"));
    QTest::keyClicks(r.field, QStringLiteral("12/24/24"));
    QCOMPARE(r.field->text(), QStringLiteral("12/24/24"));
    QCOMPARE(r.field->date(), QDate(1924, 12, 24));
}

void TestDateFields::focusOutConfirmsOrRestores()
{
    Window<DateField> w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.field->setDate(QDate(2026, 3, 11));
    QSignalSpy changed(w.field, &DateField::dateChanged);

    w.field->setFocus();
    w.field->selectAll();
    QTest::keyClicks(w.field, QStringLiteral("1/2/25"));
    w.other->setFocus();
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toDate(), QDate(1925, 1, 2));
    QCOMPARE(w.field->text(), QStringLiteral("1/2/1925"));

    // Unreadable text: the held date stays and is shown again.
    w.field->setFocus();
    w.field->selectAll();
    QTest::keyClicks(w.field, QStringLiteral("soon"));
    QCOMPARE(w.field->date(), QDate(1925, 1, 2));
    w.other->setFocus();
    QTRY_COMPARE(w.field->text(), QStringLiteral("1/2/1925"));
    QCOMPARE(changed.count(), 1);

    // A popup taking the focus (context menu, calendar) leaves the typing alone.
    w.field->setFocus();
    w.field->selectAll();
    QTest::keyClicks(w.field, QStringLiteral("4/1/20"));
    QFocusEvent popupOut(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(w.field, &popupOut);
    QCOMPARE(w.field->text(), QStringLiteral("4/1/20"));
    QCOMPARE(changed.count(), 1);

    // The same date in another format: shown the usual way, nothing emitted.
    w.field->setFocus();
    w.field->selectAll();
    QTest::keyClicks(w.field, QStringLiteral("01/02/1925"));
    w.other->setFocus();
    QTRY_COMPARE(w.field->text(), QStringLiteral("1/2/1925"));
    QCOMPARE(changed.count(), 1);
}

void TestDateFields::dateChangedOnlyOnChange()
{
    DateField field;
    QSignalSpy changed(&field, &DateField::dateChanged);
    field.setDate(kToday);
    QCOMPARE(changed.count(), 0);
    field.setDate(QDate(2026, 1, 5));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().first().toDate(), QDate(2026, 1, 5));
    QCOMPARE(field.text(), QStringLiteral("1/5/2026"));
    field.setDate(QDate(2026, 1, 5));
    QCOMPARE(changed.count(), 1);
    field.setDate(QDate());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(field.text(), QString());
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
    DisplaySettings::setWeekStartDay(Qt::Wednesday);
    Window<DateField> w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.field->setDate(QDate(2026, 5, 20));
    QVERIFY(!openPopup(w.field));

    // Down without Alt is not enough.
    QTest::keyClick(w.field, Qt::Key_Down);
    QVERIFY(!openPopup(w.field));

    if (how == QLatin1String("F4")) {
        QTest::keyClick(w.field, Qt::Key_F4);
    } else if (how == QLatin1String("Alt+Down")) {
        QTest::keyClick(w.field, Qt::Key_Down, Qt::AltModifier);
    } else {
        QCOMPARE(w.field->actions().size(), 1);
        QAction* action = w.field->actions().first();
        QCOMPARE(action->toolTip(), QStringLiteral("Open calendar (F4)"));
        action->trigger();
    }
    QPointer<QCalendarWidget> popup = openPopup(w.field);
    QVERIFY(popup);
    QCOMPARE(popup->windowType(), Qt::Popup);
    QVERIFY(popup->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(popup->firstDayOfWeek(), Qt::Wednesday);
    QCOMPARE(popup->selectedDate(), QDate(2026, 5, 20));
    QVERIFY(popup->isGridVisible());
    QCOMPARE(popup->locale(), QLocale::system());
    // At the field's bottom-left corner; the offscreen platform shifts every
    // window by its pretend frame of two pixels.
    const QPoint corner = w.field->mapToGlobal(QPoint(0, w.field->height()));
    QVERIFY2((popup->pos() - corner).manhattanLength() <= 4,
        qPrintable(QStringLiteral("popup at %1,%2, corner at %3,%4")
                       .arg(popup->x())
                       .arg(popup->y())
                       .arg(corner.x())
                       .arg(corner.y())));
    QCOMPARE(QApplication::activePopupWidget(), popup.data());
    QTRY_VERIFY(
        QApplication::focusWidget() == popup || popup->isAncestorOf(QApplication::focusWidget()));
    // The key that opened it typed nothing.
    QCOMPARE(w.field->text(), QStringLiteral("5/20/2026"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!popup);
    QCOMPARE(w.field->date(), QDate(2026, 5, 20));
}

void TestDateFields::calendarPreselectsTypedDate()
{
    const struct {
        QString text;
        QDate held;
        QDate selected;
    } cases[] = {
        { QStringLiteral("5/6/2024"), QDate(2026, 1, 1), QDate(2024, 5, 6) },
        { QStringLiteral("later"), QDate(2026, 1, 1), QDate(2026, 1, 1) },
        { QStringLiteral("later"), QDate(), kToday },
    };
    for (const auto& c : cases) {
        Window<SmartDateEdit> w;
        w.field->setDate(c.held);
        w.field->setText(c.text);
        QTest::keyClick(w.field, Qt::Key_F4);
        QPointer<QCalendarWidget> popup = openPopup(w.field);
        QVERIFY(popup);
        QCOMPARE(popup->selectedDate(), c.selected);
        popup->close();
        QTRY_VERIFY(!popup);
    }
}

void TestDateFields::clickingADayPicksItAndCloses()
{
    DisplaySettings::setWeekStartDay(Qt::Saturday);
    {
        Window<DateField> w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.field->setDate(QDate(2026, 3, 2));
        QSignalSpy changed(w.field, &DateField::dateChanged);
        w.field->openCalendarPopup();
        QPointer<QCalendarWidget> popup = openPopup(w.field);
        QVERIFY(popup);
        QCOMPARE(popup->firstDayOfWeek(), Qt::Saturday);
        auto* view = popup->findChild<QTableView*>();
        QVERIFY(view);
        const QModelIndex cell = dayCell(view, 15);
        QVERIFY(cell.isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
        QTRY_VERIFY(!popup);
        QCOMPARE(w.field->date(), QDate(2026, 3, 15));
        QCOMPARE(w.field->text(), QStringLiteral("3/15/2026"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toDate(), QDate(2026, 3, 15));
    }
    Window<SmartDateEdit> w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.field->setDate(QDate(2026, 3, 2));
    w.field->openCalendarPopup();
    QPointer<QCalendarWidget> popup = openPopup(w.field);
    QVERIFY(popup);
    auto* view = popup->findChild<QTableView*>();
    const QModelIndex cell = dayCell(view, 27);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
    QTRY_VERIFY(!popup);
    QCOMPARE(w.field->date(), QDate(2026, 3, 27));
    QCOMPARE(w.field->text(), QStringLiteral("3/27/2026"));
    QCOMPARE(w.field->selectedText(), w.field->text());
}

void TestDateFields::keyboardInCalendar()
{
    Window<DateField> w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.field->setDate(QDate(2026, 3, 31));
    QSignalSpy changed(w.field, &DateField::dateChanged);
    QTest::keyClick(w.field, Qt::Key_F4);
    QPointer<QCalendarWidget> popup = openPopup(w.field);
    QVERIFY(popup);
    QTRY_VERIFY(popup->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!popup);
    QCOMPARE(w.field->date(), QDate(2026, 4, 1));
    QCOMPARE(changed.count(), 1);
}

void TestDateFields::calendarActionIconFollowsPalette()
{
    ThemeManager theme(nullptr);
    theme.setTheme(QStringLiteral("light"));
    DateField field;
    const auto opaqueColours = [&field] {
        const QImage image = field.actions().first()->icon().pixmap(16, 16).toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) == 255)
                    colours.insert(image.pixel(x, y) & 0xFFFFFF);
            }
        }
        return colours;
    };
    QCOMPARE(opaqueColours(), QSet<QRgb>({ QColor(QStringLiteral("#6E8A7E")).rgb() & 0xFFFFFF }));
    // The palette reaches existing widgets through posted events.
    theme.setTheme(QStringLiteral("dark"));
    QTRY_COMPARE(
        opaqueColours(), QSet<QRgb>({ QColor(QStringLiteral("#8FAF9F")).rgb() & 0xFFFFFF }));
    theme.setTheme(QStringLiteral("light"));
}

QTEST_MAIN(TestDateFields)
#include "tst_datefields.moc"
