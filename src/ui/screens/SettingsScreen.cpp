#include "SettingsScreen.h"

#include "DataSettingsPage.h"
#include "SettingsSections.h"
#include "app/AppState.h"
#include "app/Application.h"
#include "app/DisplaySettings.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/DateText.h"
#include "data/PreferencesRepository.h"
#include "ui/widgets/IconFont.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/Styles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QScrollArea>
#include <QStackedWidget>

namespace {

const QString kTwoLine = QStringLiteral("registerTwoLine");
const QString kNewestFirst = QStringLiteral("registerNewestFirst");
const QString kWeekStart = QStringLiteral("weekStartDay");
const QString kDateFormat = QStringLiteral("dateFormat");
// Offered besides the language's own; each shown as a date written in it.
const char* const kDatePatterns[]
    = { "M/d/yyyy", "d/M/yyyy", "dd/MM/yyyy", "dd.MM.yyyy", "yyyy-MM-dd", "yyyy/MM/dd" };

// Selects the item whose data equals `value`; false (selection unchanged) when none does.
bool selectData(QComboBox* combo, const QVariant& value)
{
    const int index = combo->findData(value);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

QWidget* scrolled(QWidget* page)
{
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

} // namespace

SettingsScreen::SettingsScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    m_categories = new QListWidget;
    m_pages = new QStackedWidget;
    m_dataPage = new DataSettingsPage(state);
    m_pages->addWidget(scrolled(buildGeneralPage()));
    m_pages->addWidget(scrolled(buildRegisterPage()));
    m_pages->addWidget(scrolled(m_dataPage));
    m_pages->addWidget(scrolled(buildAboutPage()));
    buildCategoryList();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_categories);
    layout->addWidget(m_pages, 1);

    selectInitialValues();
    connect(
        m_categories, &QListWidget::currentRowChanged, this, &SettingsScreen::onCategoryChanged);
    connect(m_theme, &QComboBox::currentIndexChanged, this, &SettingsScreen::onThemeChanged);
    connect(m_fontSize, &QComboBox::currentIndexChanged, this, &SettingsScreen::onFontScaleChanged);
    connect(
        m_weekStart, &QComboBox::currentIndexChanged, this, &SettingsScreen::onWeekStartChanged);
    connect(m_language, &QComboBox::currentIndexChanged, this, &SettingsScreen::onLanguageChanged);
    connect(
        m_dateFormat, &QComboBox::currentIndexChanged, this, &SettingsScreen::onDateFormatChanged);
    connect(m_twoLine, &QCheckBox::toggled, this, &SettingsScreen::onTwoLineModeChanged);
    connect(m_newestFirst, &QCheckBox::toggled, this, &SettingsScreen::onRegisterOrderChanged);
    connect(m_dataPage, &DataSettingsPage::deletedAccountRestored, this,
        &SettingsScreen::deletedAccountRestored);
    connect(state->themeManager(), &ThemeManager::themeChanged, this,
        &SettingsScreen::styleCategoryList);
    m_categories->setCurrentRow(0);
}

void SettingsScreen::buildCategoryList()
{
    m_categories->setFrameShape(QFrame::NoFrame);
    m_categories->setFocusPolicy(Qt::NoFocus);
    m_categories->setSpacing(2);
    m_categories->setIconSize(QSize(20, 20));
    const QStringList names { tr("General"), tr("Register"), tr("Data & Sync"), tr("About") };
    for (const QString& name : names)
        m_categories->addItem(name);
    styleCategoryList();
}

void SettingsScreen::styleCategoryList()
{
    const bool dark = ThemeColors::isDark();
    const Styles::NavigationColors colors = Styles::navigationColors(dark);
    m_categories->setStyleSheet(
        QStringLiteral("QListWidget {  background: %1;  border: none;  padding: 12px 8px;}"
                       "QListWidget::item {  color: %2;  padding: 8px 12px;  border-radius: 6px;}"
                       "QListWidget::item:hover {  background: %3;}"
                       "QListWidget::item:selected {  background: %4;  color: %5;}")
            .arg(QLatin1String(colors.panel), QLatin1String(colors.text),
                QLatin1String(colors.hover), QLatin1String(colors.selection),
                QLatin1String(colors.selectedText)));
    const QColor glyph(QLatin1String(dark ? "#8FAF9F" : "#4A6358"));
    const char32_t icons[] = { 0xE8B8, 0xE8EF, 0xE627, 0xE88E };
    for (int row = 0; row < m_categories->count(); ++row) {
        QIcon icon(IconFont::pixmap(icons[row], 20, glyph));
        // The selected row's background is as dark as the glyph; it takes the row's text colour.
        icon.addPixmap(IconFont::pixmap(icons[row], 20, Qt::white), QIcon::Selected);
        m_categories->item(row)->setIcon(icon);
    }
    fitCategoryList();
}

void SettingsScreen::fitCategoryList()
{
    // 180 pixels, or wider where a language's page names or a larger font need it,
    // so that no name is cut off behind a scroll bar.
    constexpr int kListPadding = 2 * 8;
    m_categories->setFixedWidth(
        qMax(180, m_categories->sizeHintForColumn(0) + kListPadding + m_categories->spacing() * 2));
}

void SettingsScreen::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitCategoryList();
}

QWidget* SettingsScreen::buildGeneralPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    SettingsSections::addHeader(
        layout, tr("Appearance"), tr("Control how Mellowind Ledgerine looks."));
    QFormLayout* appearance = SettingsSections::addForm(layout);
    m_theme = new QComboBox;
    m_theme->addItem(tr("System Default"), QStringLiteral("system"));
    m_theme->addItem(tr("Light"), QStringLiteral("light"));
    m_theme->addItem(tr("Dark"), QStringLiteral("dark"));
    appearance->addRow(tr("Theme:"), m_theme);
    m_fontSize = new QComboBox;
    const std::pair<const char*, int> sizes[] = { { QT_TR_NOOP("Small"), 85 },
        { QT_TR_NOOP("Default"), 100 }, { QT_TR_NOOP("Medium"), 115 }, { QT_TR_NOOP("Large"), 130 },
        { QT_TR_NOOP("Extra Large"), 150 } };
    for (const auto& [name, percent] : sizes)
        m_fontSize->addItem(tr(name), percent);
    appearance->addRow(tr("Font size:"), m_fontSize);
    SettingsSections::addSeparator(layout);

    SettingsSections::addHeader(layout, tr("Regional"), tr("Date and calendar preferences."));
    QFormLayout* regional = SettingsSections::addForm(layout);
    m_weekStart = new QComboBox;
    m_weekStart->addItem(tr("Sunday"), 7);
    m_weekStart->addItem(tr("Monday"), 1);
    m_weekStart->addItem(tr("Saturday"), 6);
    regional->addRow(tr("Week starts on:"), m_weekStart);
    m_dateFormat = new QComboBox;
    const QDate sample(2025, 1, 31);
    m_dateFormat->addItem(
        tr("Language default (%1)").arg(sample.toString(DateText::defaultFormat(QLocale()))),
        QString());
    for (const char* pattern : kDatePatterns)
        m_dateFormat->addItem(sample.toString(QLatin1String(pattern)), QLatin1String(pattern));
    regional->addRow(tr("Date format:"), m_dateFormat);
    m_language = new QComboBox;
    m_language->addItem(tr("System Default"), QStringLiteral("system"));
    // Each language by its own name, so a user can find theirs in any interface.
    m_language->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_language->addItem(QStringLiteral("Español"), QStringLiteral("es"));
    m_language->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    m_language->addItem(QStringLiteral("Français"), QStringLiteral("fr"));
    m_language->addItem(QStringLiteral("日本語"), QStringLiteral("ja"));
    regional->addRow(tr("Language:"), m_language);
    SettingsSections::alignFormLabels(layout);
    layout->addStretch(1);
    return page;
}

QWidget* SettingsScreen::buildRegisterPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    SettingsSections::addHeader(
        layout, tr("Display"), tr("How transactions appear in the register."));
    m_twoLine = new QCheckBox(tr("Two-line rows"));
    layout->addWidget(m_twoLine);
    SettingsSections::addHint(layout, tr("Show memo on a second line below the payee."));
    SettingsSections::addSeparator(layout);

    SettingsSections::addHeader(
        layout, tr("Sorting"), tr("Control the order of transactions in the register."));
    m_newestFirst = new QCheckBox(tr("Show newest transactions first"));
    layout->addWidget(m_newestFirst);
    SettingsSections::addHint(
        layout, tr("When enabled, the most recent transactions appear at the top."));
    layout->addStretch(1);
    return page;
}

QWidget* SettingsScreen::buildAboutPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* name = new QLabel(tr("Mellowind Ledgerine"));
    ThemeManager::setFontRole(name, ThemeManager::Display);
    auto* version = new QLabel(tr("Version %1").arg(QCoreApplication::applicationVersion()));
    auto* description = new QLabel(tr("A check register for household finances: accounts, "
                                      "categories, reconciliation, recurring transactions and "
                                      "reports, kept in one file on your computer."));
    description->setWordWrap(true);
    auto* linksTitle = new QLabel(tr("Links"));
    ThemeManager::setFontRole(linksTitle, ThemeManager::Subheading);
    auto* links
        = new QLabel(QStringLiteral("<a href=\"https://mellowind.app/ledgerine\">%1</a><br>"
                                    "<a href=\"https://mellowind.app/ledgerine/help\">%2</a><br>"
                                    "<a href=\"https://mellowind.app/privacy\">%3</a>")
                         .arg(tr("Website"), tr("Help and support"), tr("Privacy policy")));
    links->setTextFormat(Qt::RichText);
    links->setOpenExternalLinks(true);
    auto* legal = new QLabel(tr("© Mellowind. All rights reserved."));
    ThemeManager::setFontRole(legal, ThemeManager::Small);
    legal->setStyleSheet(QStringLiteral("color: #6E8A7E;"));
    for (QWidget* widget : { static_cast<QWidget*>(name), static_cast<QWidget*>(version),
             static_cast<QWidget*>(description), static_cast<QWidget*>(linksTitle),
             static_cast<QWidget*>(links) })
        layout->addWidget(widget);
    layout->addStretch(1);
    layout->addWidget(legal);
    return page;
}

void SettingsScreen::selectInitialValues()
{
    PreferencesRepository* preferences = m_state->preferences();
    selectData(m_theme, preferences->value(QStringLiteral("theme"), QStringLiteral("system")));
    if (!selectData(m_fontSize, m_state->themeManager()->fontScale()))
        selectData(m_fontSize, 100);
    bool ok = false;
    const int weekStart = preferences->value(kWeekStart).toInt(&ok);
    selectData(m_weekStart, ok ? weekStart : int(QLocale::system().firstDayOfWeek()));
    selectData(m_language, Application::resolveLanguage(false));
    if (!selectData(m_dateFormat, preferences->value(kDateFormat)))
        m_dateFormat->setCurrentIndex(0);
    m_twoLine->setChecked(preferences->boolValue(kTwoLine, false));
    m_newestFirst->setChecked(preferences->boolValue(kNewestFirst, false));
}

void SettingsScreen::refresh()
{
    m_dataPage->refresh();
}

void SettingsScreen::onCategoryChanged(int index)
{
    m_pages->setCurrentIndex(index);
}

void SettingsScreen::onThemeChanged(int index)
{
    m_state->themeManager()->setTheme(m_theme->itemData(index).toString());
}

void SettingsScreen::onFontScaleChanged(int index)
{
    m_state->themeManager()->setFontScale(m_fontSize->itemData(index).toInt());
}

void SettingsScreen::onWeekStartChanged(int index)
{
    const int day = m_weekStart->itemData(index).toInt();
    m_state->preferences()->setInt(kWeekStart, day);
    DisplaySettings::setWeekStartDay(Qt::DayOfWeek(day));
}

void SettingsScreen::onDateFormatChanged(int index)
{
    const QString pattern = m_dateFormat->itemData(index).toString();
    // Set before the preference announces itself, so the screens that reload
    // on it write dates the new way.
    DateText::setDisplayFormat(pattern);
    m_state->preferences()->set(kDateFormat, pattern);
}

void SettingsScreen::onLanguageChanged(int index)
{
    const QString code = m_language->itemData(index).toString();
    if (code.isEmpty() || code == Application::resolveLanguage(false))
        return;
    Application::setLanguage(code);
    MessageBoxes::information(this, tr("Language Changed"),
        tr("The new language will take effect the next time you start Mellowind Ledgerine."));
}

void SettingsScreen::onRegisterOrderChanged(bool checked)
{
    m_state->preferences()->setBool(kNewestFirst, checked);
}

void SettingsScreen::onTwoLineModeChanged(bool checked)
{
    m_state->preferences()->setBool(kTwoLine, checked);
}
