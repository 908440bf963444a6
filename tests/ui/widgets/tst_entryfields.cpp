#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/SmartAmountField.h"

#include <QLineEdit>
#include <QTest>

namespace {

QLineEdit* editOf(SmartAmountField& field)
{
    return field.findChild<QLineEdit*>();
}

} // namespace

class TestEntryFields : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void amountFieldSetUp();
    void decimalKeyJumpsToCents_data();
    void decimalKeyJumpsToCents();
    void centsCanBeTypedAfterTheJump();
    void decimalKeyWithoutPointIsTyped();
    void elidesAtTheEnd();
    void paintsTheElidedText();
};

void TestEntryFields::amountFieldSetUp()
{
    SmartAmountField field;
    QCOMPARE(field.decimals(), 2);
    QCOMPARE(field.alignment(), Qt::AlignRight | Qt::AlignVCenter);
}

void TestEntryFields::decimalKeyJumpsToCents_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("text");

    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("comma") << c << QString() << ',' << "12.00";
    QTest::newRow("full stop") << c << QString() << '.' << "12.00";
    QTest::newRow("with a prefix") << c << QStringLiteral("$ ") << ',' << "$ 12.00";
    QTest::newRow("German comma") << german << QString() << ',' << "12,00";
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
    QLineEdit* edit = editOf(field);
    QCOMPARE(edit->text(), text);

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
        QCOMPARE(field.value(), 12.0);
    }
}

void TestEntryFields::centsCanBeTypedAfterTheJump()
{
    SmartAmountField field;
    field.setRange(0, 1000);
    field.setValue(12);
    field.show();
    QLineEdit* edit = editOf(field);
    edit->setCursorPosition(1);
    QTest::keyClicks(&field, QStringLiteral(".45"));
    QCOMPARE(edit->text(), QStringLiteral("12.45"));
    QCOMPARE(field.value(), 12.45);
    // The cents are full at the end: a third decimal is refused.
    QTest::keyClick(&field, '9');
    QCOMPARE(edit->text(), QStringLiteral("12.45"));
    // Whole units are still typed as usual.
    edit->setCursorPosition(0);
    QTest::keyClick(&field, '3');
    QCOMPARE(edit->text(), QStringLiteral("312.45"));
}

void TestEntryFields::decimalKeyWithoutPointIsTyped()
{
    SmartAmountField field;
    field.setRange(0, 1000);
    field.show();
    field.selectAll();
    QTest::keyClicks(&field, QStringLiteral("7.5"));
    QCOMPARE(editOf(field)->text(), QStringLiteral("7.5"));
    QCOMPARE(field.value(), 7.5);
}

void TestEntryFields::elidesAtTheEnd()
{
    const QString full = QStringLiteral("Everyday Checking at the Community Credit Union");
    ElidedLabel label;
    label.setFullText(full);
    QCOMPARE(label.fullText(), full);
    QCOMPARE(label.text(), full);
    const QFontMetrics metrics = label.fontMetrics();
    QCOMPARE(label.sizeHint(), QSize(metrics.horizontalAdvance(full), metrics.height()));
    QCOMPARE(label.minimumSizeHint(), QSize(0, metrics.height()));
    QCOMPARE(label.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(label.sizePolicy().verticalPolicy(), QSizePolicy::Preferred);

    label.resize(metrics.horizontalAdvance(full) + 10, metrics.height());
    QCOMPARE(label.displayedText(), full);

    label.resize(90, metrics.height());
    const QString shown = label.displayedText();
    QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
    QVERIFY(shown.size() > 1);
    QVERIFY(full.startsWith(shown.chopped(1)));
    QVERIFY(metrics.horizontalAdvance(shown) <= 90);

    label.resize(0, metrics.height());
    QVERIFY(metrics.horizontalAdvance(label.displayedText()) <= 0);
}

void TestEntryFields::paintsTheElidedText()
{
    // What the label paints is what a plain label shows for the elided text.
    const QString full = QStringLiteral("Savings for the summer holiday abroad");
    ElidedLabel elided;
    elided.setFullText(full);
    elided.resize(100, elided.fontMetrics().height() + 4);
    QLabel plain(elided.displayedText());
    plain.resize(elided.size());
    QVERIFY(elided.displayedText() != full);
    QCOMPARE(elided.grab().toImage(), plain.grab().toImage());

    QLabel unelided(full);
    unelided.resize(elided.size());
    QVERIFY(elided.grab().toImage() != unelided.grab().toImage());
}

QTEST_MAIN(TestEntryFields)
#include "tst_entryfields.moc"
