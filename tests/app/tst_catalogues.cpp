#include "Catalogue.h"
#include "ScopedLanguage.h"
#include "TestAppState.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StatusBar.h"

#include <QDialogButtonBox>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>

namespace {

QStringList listFile(const QString& name)
{
    QFile file(Catalogue::sourceDir() + "/resources/i18n/" + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
        if (!line.isEmpty() && !line.startsWith('#'))
            lines << line;
    return lines;
}

QSet<QString> keys(const Catalogue& catalogue, bool current)
{
    QSet<QString> result;
    for (const Catalogue::Entry& entry : catalogue.entries())
        if (current == (entry.type != "vanished" && entry.type != "obsolete"))
            result.insert(entry.key());
    return result;
}

QString shown(const QSet<QString>& keys)
{
    QStringList texts;
    for (const QString& key : keys)
        texts << key.split(u'\x1f').mid(0, 2).join(": ");
    texts.sort();
    return texts.mid(0, 10).join('\n');
}

// Visible texts handed to the interface as bare literals. Texts already given
// to tr() or translate() are blanked first.
QStringList unmarkedTexts(const QString& code)
{
    static const QRegularExpression marked(
        R"re(\b(?:tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP)\s*\((?:\s*"(?:[^"\\]|\\.)*"\s*,)?\s*"(?:[^"\\]|\\.)*")re");
    const QString literal
        = R"re((?:(?:QStringLiteral|QLatin1String|QString|QString::fromUtf8)\s*\(\s*|u8?)?"((?:[^"\\]|\\.)*[A-Za-z](?:[^"\\]|\\.)*)")re";
    const QString setters = "setText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|"
                            "setPlaceholderText|setTitle|addAction|addMenu|addTab|insertTab|"
                            "addItem|addItems|setHeaderLabels|setHorizontalHeaderLabels|"
                            "showMessage|showTransientMessage|setLabelText|setSpecialValueText|"
                            "setPrefix|setSuffix|setTabText|setAccessibleName|setButtonText|"
                            "setInformativeText|setDetailedText|addButton|addRow";
    const QString widgets = "QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QAction|"
                            "QToolButton|QMenu|QListWidgetItem|QTableWidgetItem|QTreeWidgetItem";
    const QString boxes
        = R"re((?:QMessageBox|MessageBoxes)::(?:critical|warning|information|question|about))re";
    static const QList<QRegularExpression> patterns {
        QRegularExpression(QStringLiteral(R"re(\b(?:%1)\s*\(\s*%2)re").arg(setters, literal)),
        QRegularExpression(QStringLiteral(R"re(\bnew\s+(?:%1)\s*\(\s*%2)re").arg(widgets, literal)),
        QRegularExpression(
            QStringLiteral(R"re(\b%1\s*\([^,;]*,(?:[^;]*?,)?\s*%2)re").arg(boxes, literal)),
    };
    QString text = code;
    text.replace(marked, QStringLiteral("MARKED"));
    QStringList found;
    for (const QRegularExpression& pattern : patterns)
        for (auto it = pattern.globalMatch(text); it.hasNext();)
            found << it.next().captured(1);
    return found;
}

// As read on screen: a link's markup is not part of its text.
QStringList labelTexts(const QWidget& widget)
{
    QStringList texts;
    for (const QLabel* label : widget.findChildren<QLabel*>())
        texts << QTextDocumentFragment::fromHtml(label->text()).toPlainText();
    return texts;
}

} // namespace

class TestCatalogues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void catalogueMatchesTheSources_data();
    void catalogueMatchesTheSources();
    void visibleTextsAreMarkedForTranslation();
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void everyLanguageShowsItsCatalogue_data();
    void everyLanguageShowsItsCatalogue();
};

void TestCatalogues::catalogueMatchesTheSources_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : { "en", "de", "es", "fr", "ja" })
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestCatalogues::catalogueMatchesTheSources()
{
    QFETCH(QString, language);
    const Catalogue committed = Catalogue::read(Catalogue::path(language));
    QVERIFY2(committed.isValid(), qPrintable(Catalogue::path(language)));
    QVERIFY2(keys(committed, false).isEmpty(),
        qPrintable("entries no longer in the code:\n" + shown(keys(committed, false))));

    // lupdate over a copy tells what the sources hold today.
    QTemporaryDir dir;
    const QString copy = dir.filePath("ledgerine_" + language + ".ts");
    QVERIFY(QFile::copy(Catalogue::path(language), copy));
    QStringList arguments { "-locations", "none", "-extensions", "cpp,h" };
    if (language == "en")
        arguments << "-pluralonly";
    arguments << Catalogue::sourceDir() + "/src"
              << "-ts" << copy;
    QProcess lupdate;
    lupdate.start(Catalogue::lupdate(), arguments);
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
    const Catalogue updated = Catalogue::read(copy);
    QVERIFY(updated.isValid());

    const QSet<QString> inCode = keys(updated, true);
    const QSet<QString> inCatalogue = keys(committed, true);
    QVERIFY2((inCode - inCatalogue).isEmpty(),
        qPrintable("texts missing from the catalogue (build update_translations):\n"
            + shown(inCode - inCatalogue)));
    QVERIFY2((inCatalogue - inCode).isEmpty(),
        qPrintable(
            "obsolete entries (build update_translations):\n" + shown(inCatalogue - inCode)));

    if (!listFile("complete-languages.txt").contains(language))
        return;
    QSet<QString> unfinished;
    for (const Catalogue::Entry& entry : committed.entries())
        if (entry.type == "unfinished" || entry.forms.contains(QString()))
            unfinished.insert(entry.key());
    QVERIFY2(unfinished.isEmpty(), qPrintable("unfinished entries:\n" + shown(unfinished)));
}

void TestCatalogues::visibleTextsAreMarkedForTranslation()
{
    // The finder itself: bare texts are caught, marked ones are not.
    QCOMPARE(unmarkedTexts(R"(label->setText("Total"); box->setTitle(tr("Split"));)"),
        QStringList { "Total" });
    QCOMPARE(
        unmarkedTexts(R"(new QPushButton(QStringLiteral("Save"), this);)"), QStringList { "Save" });
    QCOMPARE(unmarkedTexts(R"(QMessageBox::warning(this, tr("T"), QStringLiteral("Body"));)"),
        QStringList { "Body" });
    QVERIFY(unmarkedTexts(R"(setText(QCoreApplication::translate("Ctx", "Fine"));)").isEmpty());

    const QStringList allowed = listFile("not-translated.txt");
    QStringList offenders;
    QDirIterator files(Catalogue::sourceDir() + "/src", { "*.cpp", "*.h" }, QDir::Files,
        QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (const QString& text : unmarkedTexts(QString::fromUtf8(file.readAll())))
            if (!allowed.contains(text))
                offenders << file.fileName().mid(Catalogue::sourceDir().size() + 1) + ": " + text;
    }
    QVERIFY2(offenders.isEmpty(),
        qPrintable("texts not marked for translation:\n" + offenders.join('\n')));
}

void TestCatalogues::everyLanguageShowsItsCatalogue_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("qtCancel");
    QTest::addColumn<int>("pluralForm"); // the form a count of 3 takes

    for (const auto& [code, cancel, form] : { std::tuple("en", "Cancel", 1),
             std::tuple("de", "Abbrechen", 1), std::tuple("es", "Cancelar", 1),
             std::tuple("fr", "Annuler", 1), std::tuple("ja", "キャンセル", 0) })
        QTest::newRow(code) << QString(code) << QString::fromUtf8(cancel) << form;
}

void TestCatalogues::everyLanguageShowsItsCatalogue()
{
    QFETCH(QString, code);
    QFETCH(QString, qtCancel);
    QFETCH(int, pluralForm);

    const ScopedLanguage language(code);
    const Catalogue catalogue = Catalogue::read(Catalogue::path(code));
    QVERIFY(catalogue.isValid());
    // An empty catalogue does not load; the source texts show then.
    QVERIFY(QFile::exists(QStringLiteral(":/i18n/ledgerine_%1.qm").arg(code)));
    QCOMPARE(language.installed().app != nullptr, catalogue.hasTranslations());
    QCOMPARE(language.installed().qtBase != nullptr, code != "en");

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

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
