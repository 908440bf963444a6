#include "TestDatabase.h"
#include "data/PreferencesRepository.h"

#include <QSignalSpy>
#include <QTest>

class TestPreferencesRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void setReplaceAndRemove();
    void boolValue_data();
    void boolValue();
    void storedTextsAreLiteral();
    void failedSetEmitsNothing();
};

void TestPreferencesRepository::setReplaceAndRemove()
{
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    QSignalSpy changed(&prefs, &PreferencesRepository::changed);

    QVERIFY(!prefs.get(QStringLiteral("theme")));
    QCOMPARE(
        prefs.value(QStringLiteral("theme"), QStringLiteral("system")), QStringLiteral("system"));
    QVERIFY(prefs.set(QStringLiteral("theme"), QStringLiteral("dark")));
    QVERIFY(prefs.set(QStringLiteral("theme"), QStringLiteral("light")));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().first().toString(), QStringLiteral("theme"));
    QCOMPARE(prefs.value(QStringLiteral("theme")), QStringLiteral("light"));
    QCOMPARE(test.scalar(QStringLiteral("SELECT COUNT(*) FROM preferences")).toInt(), 1);

    QVERIFY(prefs.remove(QStringLiteral("theme")));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(
        prefs.value(QStringLiteral("theme"), QStringLiteral("system")), QStringLiteral("system"));
    QVERIFY(prefs.remove(QStringLiteral("never-set")));

    prefs.setInt(QStringLiteral("weekStartDay"), 7);
    QCOMPARE(test.scalar(QStringLiteral("SELECT value FROM preferences WHERE key = 'weekStartDay'"))
                 .toString(),
        QStringLiteral("7"));
    prefs.setInt(QStringLiteral("offset"), -15);
    QCOMPARE(prefs.value(QStringLiteral("offset")), QStringLiteral("-15"));
    prefs.setBool(QStringLiteral("registerTwoLine"), true);
    QCOMPARE(prefs.value(QStringLiteral("registerTwoLine")), QStringLiteral("1"));
    prefs.setBool(QStringLiteral("registerTwoLine"), false);
    QCOMPARE(prefs.value(QStringLiteral("registerTwoLine")), QStringLiteral("0"));
    QCOMPARE(changed.count(), 6);

    // A NULL or empty value is present: it reads as empty text, not as the default.
    QVERIFY(test.exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('n', NULL)")));
    QVERIFY(prefs.get(QStringLiteral("n")));
    QCOMPARE(prefs.value(QStringLiteral("n"), QStringLiteral("dflt")), QString());
    QVERIFY(prefs.set(QStringLiteral("e"), QString()));
    QCOMPARE(prefs.value(QStringLiteral("e"), QStringLiteral("dflt")), QString());
    QVERIFY(prefs.get(QStringLiteral("e")).has_value());
}

void TestPreferencesRepository::boolValue_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::newRow("one") << QStringLiteral("1") << false << true;
    QTest::newRow("true") << QStringLiteral("true") << false << true;
    QTest::newRow("capitals") << QStringLiteral("TRUE") << true << false;
    QTest::newRow("zero") << QStringLiteral("0") << true << false;
    QTest::newRow("yes") << QStringLiteral("yes") << true << false;
    QTest::newRow("padded") << QStringLiteral(" 1") << true << false;
    QTest::newRow("empty") << QString() << true << false;
}

void TestPreferencesRepository::boolValue()
{
    QFETCH(QString, stored);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    QCOMPARE(prefs.boolValue(QStringLiteral("flag"), defaultValue), defaultValue);
    QVERIFY(prefs.set(QStringLiteral("flag"), stored));
    QCOMPARE(prefs.boolValue(QStringLiteral("flag"), defaultValue), expected);
}

void TestPreferencesRepository::storedTextsAreLiteral()
{
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    const QString key = QStringLiteral("it's \"odd\"; DROP TABLE preferences; --");
    const QString value = QStringLiteral("x'); DELETE FROM preferences; -- ✓ 日本");
    QVERIFY(prefs.set(key, value));
    QCOMPARE(prefs.value(key), value);
    QVERIFY(!prefs.get(QStringLiteral("it's")));
    QVERIFY(prefs.remove(key));
    QVERIFY(!prefs.get(key));
}

void TestPreferencesRepository::failedSetEmitsNothing()
{
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    QVERIFY(prefs.set(QStringLiteral("theme"), QStringLiteral("dark")));
    QVERIFY(test.exec(QStringLiteral("CREATE TRIGGER frozen BEFORE UPDATE ON preferences BEGIN "
                                     "SELECT RAISE(ABORT, 'frozen'); END")));
    QSignalSpy changed(&prefs, &PreferencesRepository::changed);
    QVERIFY(!prefs.set(QStringLiteral("theme"), QStringLiteral("light")));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(prefs.value(QStringLiteral("theme")), QStringLiteral("dark"));

    // A statement that could not be compiled is tried afresh next time.
    QVERIFY(test.exec(QStringLiteral("ALTER TABLE preferences RENAME TO kept")));
    QVERIFY(!prefs.set(QStringLiteral("theme"), QStringLiteral("light")));
    QVERIFY(!prefs.remove(QStringLiteral("theme")));
    QVERIFY(test.exec(QStringLiteral("ALTER TABLE kept RENAME TO preferences")));
    QVERIFY(test.exec(QStringLiteral("DROP TRIGGER frozen")));
    QVERIFY(prefs.set(QStringLiteral("theme"), QStringLiteral("light")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(prefs.value(QStringLiteral("theme")), QStringLiteral("light"));
    QVERIFY(prefs.remove(QStringLiteral("theme")));
    QVERIFY(!prefs.get(QStringLiteral("theme")));
}

QTEST_GUILESS_MAIN(TestPreferencesRepository)
#include "tst_preferencesrepository.moc"
