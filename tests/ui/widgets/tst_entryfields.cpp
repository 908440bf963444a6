#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SmartAmountField.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

class TestEntryFields : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decimalKeyJumpsToCents_data();
    void decimalKeyJumpsToCents();
    void typedAmountsInTheCurrency_data();
    void typedAmountsInTheCurrency();
    void elides();
};

void TestEntryFields::decimalKeyJumpsToCents_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("text");

    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("comma") << QLocale::c() << QString() << ',' << "12.00";
    QTest::newRow("with a prefix") << QLocale::c() << u"$ "_s << '.' << "$ 12.00";
    QTest::newRow("German full stop") << german << QString() << '.' << "12,00";
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
    // From a selection and from the start of the text alike.
    for (bool selected : { true, false }) {
        if (selected)
            field.selectAll();
        else
            edit->setCursorPosition(0);
        QTest::keyClick(&field, key);
        QCOMPARE(edit->text(), text);
        QCOMPARE(edit->cursorPosition(), text.size() - 2);
        QVERIFY(!edit->hasSelectedText());
    }
    // Digits after the jump replace the cents; a third decimal is refused.
    QTest::keyClicks(&field, u"459"_s);
    QCOMPARE(edit->text(), text.chopped(2) + u"45"_s);
    QCOMPARE(field.value(), 12.45);
}

void TestEntryFields::typedAmountsInTheCurrency_data()
{
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("amount"); // when not refused
    QTest::addColumn<QString>("refusal");
    // Without a point yet, the decimal key is typed where it falls.
    QTest::newRow("point typed") << Currency::USD << u"7.5"_s << qint64(750) << QString();
    QTest::newRow("decimal comma") << Currency::EUR << u"800,50"_s << qint64(80050) << QString();
    QTest::newRow("euro thousands") << Currency::EUR << u"2.000"_s << qint64(200000) << QString();
    QTest::newRow("dollar thousands")
        << Currency::USD << u"1,234.5"_s << qint64(123450) << QString();
    QTest::newRow("yen thousands") << Currency::JPY << u"1.500"_s << qint64(1500) << QString();
    QTest::newRow("yen decimals") << Currency::JPY << u"1.5"_s << qint64(0)
                                  << u"Yen amounts have no decimals"_s;
    QTest::newRow("stray commas") << Currency::USD << u"1,2,3"_s << qint64(0)
                                  << u"1,2,3 is not an amount"_s;
}

void TestEntryFields::typedAmountsInTheCurrency()
{
    QFETCH(Currency, currency);
    QFETCH(QString, typed);
    QFETCH(qint64, amount);
    QFETCH(QString, refusal);
    QWidget form;
    form.setWindowTitle(u"Form"_s);
    auto* field = new SmartAmountField;
    field->setCurrency(currency);
    auto* other = new QLineEdit;
    auto* layout = new QVBoxLayout(&form);
    layout->addWidget(field);
    layout->addWidget(other);
    form.show();
    QApplication::setActiveWindow(&form);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, typed);
    other->setFocus();

    // Read by the one amount reader; a refused text stays to be corrected
    // and the form's OK says why.
    QCOMPARE(field->refusal(), refusal);
    if (refusal.isEmpty())
        QCOMPARE(field->amount(), amount);
    MessageBoxes::clearAnswers();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QCOMPARE(SmartAmountField::confirmAll(&form), refusal.isEmpty());
    if (!refusal.isEmpty()) {
        QCOMPARE(field->findChild<QLineEdit*>()->text(), field->prefix() + typed);
        QCOMPARE(MessageBoxes::lastShown()->text, refusal);
        QCOMPARE(QApplication::focusWidget(), field);
    }
}

void TestEntryFields::elides()
{
    const QString full = u"Everyday Checking at the Community Credit Union"_s;
    ElidedLabel label;
    label.setFullText(full);
    const QFontMetrics metrics = label.fontMetrics();
    QCOMPARE(label.minimumSizeHint().width(), 0);
    label.resize(metrics.horizontalAdvance(full) + 10, metrics.height());
    QCOMPARE(label.displayedText(), full);

    label.resize(90, metrics.height());
    const QString shown = label.displayedText();
    QVERIFY2(shown.endsWith(QChar(0x2026)) && shown.size() > 1, qPrintable(shown));
    QVERIFY(full.startsWith(shown.chopped(1)));
    QVERIFY(metrics.horizontalAdvance(shown) <= 90);
    // What it paints is what a plain label shows for the elided text.
    QLabel plain(shown);
    plain.resize(label.size());
    QCOMPARE(label.grab().toImage(), plain.grab().toImage());

    label.resize(0, metrics.height());
    QVERIFY(metrics.horizontalAdvance(label.displayedText()) <= 0);
}

QTEST_MAIN(TestEntryFields)
#include "tst_entryfields.moc"
