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

    for (const auto& [code, cancel, form] : { std::tuple("en", "Cancel", 1),
             std::tuple("de", "Abbrechen", 1), std::tuple("es", "Cancelar", 1),
             std::tuple("fr", "Annuler", 1), std::tuple("ja", "キャンセル", 0) })
        QTest::newRow(code) << QString(code) << QString::fromUtf8(cancel) << form;
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
    for (const auto& [count, form, english] :
        { std::tuple(1, 0, "1 sync conflict"), std::tuple(3, pluralForm, "3 sync conflicts") }) {
        bar.setConflictCount(count);
        const QString shown = catalogue.shown("StatusBar", conflicts, form);
        QVERIFY(labelTexts(bar).contains(QString(shown).replace("%n", QString::number(count))));
        QVERIFY(code != "en" || labelTexts(bar).contains(english));
    }
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
