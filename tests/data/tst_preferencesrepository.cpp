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
    void failedWritesEmitNothing();
};

void TestPreferencesRepository::setReplaceAndRemove()
{
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    QSignalSpy changed(&prefs, &PreferencesRepository::changed);
    QCOMPARE(prefs.value("theme", "system"), "system");
    QVERIFY(prefs.set("theme", "dark") && prefs.set("theme", "light"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().first().toString(), "theme");
    QCOMPARE(
        test.column("SELECT key || '=' || value FROM preferences"), QStringList { "theme=light" });
    QVERIFY(prefs.remove("theme") && prefs.remove("never-set"));
    QCOMPARE(prefs.value("theme", "system"), "system");
    QCOMPARE(changed.count(), 2);
    prefs.setInt("offset", -15);
    QCOMPARE(prefs.value("offset"), "-15");

    // A NULL or empty value is present: it reads as empty text, not as the default.
    QVERIFY(test.exec("INSERT INTO preferences (key, value) VALUES ('n', NULL)"));
    QVERIFY(prefs.set("e", QString()));
    QCOMPARE(prefs.value("n", "dflt"), QString());
    QCOMPARE(prefs.value("e", "dflt"), QString());

    // Keys and values are bound, never spliced into the SQL.
    const QString key = "it's \"odd\"; DROP TABLE preferences; --";
    const QString value = "x'); DELETE FROM preferences; -- ✓ 日本";
    QVERIFY(prefs.set(key, value));
    QCOMPARE(prefs.value(key), value);
    QVERIFY(prefs.remove(key) && !prefs.get(key));
    QCOMPARE(test.scalar("SELECT COUNT(*) FROM preferences").toInt(), 3);
}

void TestPreferencesRepository::boolValue_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::newRow("one") << "1" << false << true;
    QTest::newRow("true") << "true" << false << true;
    QTest::newRow("capitals") << "TRUE" << true << false;
    QTest::newRow("padded") << " 1" << true << false;
    QTest::newRow("empty") << QString() << true << false;
}

void TestPreferencesRepository::boolValue()
{
    QFETCH(QString, stored);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    QCOMPARE(prefs.boolValue("flag", defaultValue), defaultValue);
    QVERIFY(prefs.set("flag", stored));
    QCOMPARE(prefs.boolValue("flag", defaultValue), expected);
}

void TestPreferencesRepository::failedWritesEmitNothing()
{
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    QVERIFY(prefs.set("theme", "dark"));
    QVERIFY(test.freeze("preferences"));
    QSignalSpy changed(&prefs, &PreferencesRepository::changed);
    QVERIFY(!prefs.set("theme", "light"));
    QCOMPARE(prefs.value("theme"), "dark");

    // A statement that could not be compiled is tried afresh next time.
    QVERIFY(test.exec("ALTER TABLE preferences RENAME TO kept"));
    QVERIFY(!prefs.set("theme", "light") && !prefs.remove("theme"));
    QVERIFY(test.exec("ALTER TABLE kept RENAME TO preferences") && test.thaw("preferences"));
    QCOMPARE(changed.count(), 0);
    QVERIFY(prefs.set("theme", "light") && prefs.remove("theme"));
    QCOMPARE(changed.count(), 1);
    QVERIFY(!prefs.get("theme"));
}

QTEST_GUILESS_MAIN(TestPreferencesRepository)
#include "tst_preferencesrepository.moc"
