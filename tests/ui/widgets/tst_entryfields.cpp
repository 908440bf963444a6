#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/SmartAmountField.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestEntryFields : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decimalKeyJumpsToCents_data();
    void decimalKeyJumpsToCents();
    void decimalKeyWithoutPointIsTyped();
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

void TestEntryFields::decimalKeyWithoutPointIsTyped()
{
    SmartAmountField field;
    field.setRange(0, 1000);
    field.show();
    field.selectAll();
    QTest::keyClicks(&field, u"7.5"_s);
    QCOMPARE(field.value(), 7.5);
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
