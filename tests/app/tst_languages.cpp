#include "Catalogue.h"
#include "TestAppState.h"
#include "app/LanguageSetup.h"
#include "ui/dialogs/AccountFormDialog.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StatusBar.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTranslator>

namespace {

// As read on screen: a link's markup is not part of its text.
QStringList labelTexts(const QWidget& widget)
{
    QStringList texts;
    for (const QLabel* label : widget.findChildren<QLabel*>())
        texts << QTextDocumentFragment::fromHtml(label->text()).toPlainText();
    return texts;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup();
    void everyLanguageShowsItsCatalogue_data();
    void everyLanguageShowsItsCatalogue();

private:
    LanguageSetup::Translators m_installed;
};

void TestLanguages::cleanup()
{
    for (QTranslator* translator : { m_installed.qtBase, m_installed.app }) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    m_installed = {};
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestLanguages::everyLanguageShowsItsCatalogue_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("qtCancel");
    QTest::addColumn<int>("pluralForm"); // the form a count of 3 takes

    QTest::newRow("en") << "en"
                        << "Cancel" << 1;
    QTest::newRow("de") << "de"
                        << "Abbrechen" << 1;
    QTest::newRow("es") << "es"
                        << "Cancelar" << 1;
    QTest::newRow("fr") << "fr"
                        << "Annuler" << 1;
    QTest::newRow("ja") << "ja"
                        << "キャンセル" << 0;
}

void TestLanguages::everyLanguageShowsItsCatalogue()
{
    QFETCH(QString, code);
    QFETCH(QString, qtCancel);
    QFETCH(int, pluralForm);

    m_installed = LanguageSetup::install(code, nullptr);
    const Catalogue catalogue = Catalogue::read(Catalogue::path(code));
    QVERIFY(catalogue.isValid());
    // An empty catalogue does not load; the source texts show then.
    QVERIFY(QFile::exists(QStringLiteral(":/i18n/ledgerine_%1.qm").arg(code)));
    QCOMPARE(m_installed.app != nullptr, catalogue.hasTranslations());
    QCOMPARE(m_installed.qtBase != nullptr, code != "en");

    // Qt's standard buttons, dates and calendars speak the language too.
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), qtCancel);
    QCOMPARE(QLocale().language(), QLocale(code).language());
    QCOMPARE(QLocale().monthName(3), QLocale(code).monthName(3));

    TestAppState app;
    MainWindow window(app.state());
    QCOMPARE(window.windowTitle(), catalogue.shown("MainWindow", "Mellowind Ledgerine"));
    const QList<QAction*> menus = window.menuBar()->actions();
    QVERIFY(menus.size() >= 2);
    QCOMPARE(menus.at(0)->text(), catalogue.shown("MainMenus", "&File"));
    QCOMPARE(menus.at(1)->text(), catalogue.shown("MainMenus", "&Edit"));
    // The catalogues are complete, so no language falls back to the English text here.
    if (code != "en")
        QVERIFY(menus.at(1)->text() != "&Edit");

    AccountFormDialog dialog;
    QCOMPARE(dialog.windowTitle(), catalogue.shown("AccountFormDialog", "New Account"));

    StatusBar bar;
    const QString conflicts = QStringLiteral("%n sync conflict(s)");
    bar.setConflictCount(1);
    QVERIFY(
        labelTexts(bar).contains(catalogue.shown("StatusBar", conflicts, 0).replace("%n", "1")));
    bar.setConflictCount(3);
    QVERIFY(labelTexts(bar).contains(
        catalogue.shown("StatusBar", conflicts, pluralForm).replace("%n", "3")));
    if (code == "en") {
        bar.setConflictCount(1);
        QVERIFY(labelTexts(bar).contains("1 sync conflict"));
        bar.setConflictCount(3);
        QVERIFY(labelTexts(bar).contains("3 sync conflicts"));
    }
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
