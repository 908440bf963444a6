#pragma once

#include <QWidget>

class AppState;
class DataSettingsPage;
class QCheckBox;
class QComboBox;
class QListWidget;
class QStackedWidget;

// The preferences window: appearance, register display, week start and
// language, backups and deleted accounts. Every choice takes effect at once;
// the window keeps no state of its own.
class SettingsScreen : public QWidget {
    Q_OBJECT

public:
    explicit SettingsScreen(AppState* state, QWidget* parent = nullptr);

    QListWidget* categoryList() const { return m_categories; }
    QStackedWidget* pages() const { return m_pages; }
    QComboBox* themeCombo() const { return m_theme; }
    QComboBox* fontSizeCombo() const { return m_fontSize; }
    QComboBox* weekStartCombo() const { return m_weekStart; }
    QComboBox* languageCombo() const { return m_language; }
    QComboBox* dateFormatCombo() const { return m_dateFormat; }
    QCheckBox* twoLineCheck() const { return m_twoLine; }
    QCheckBox* newestFirstCheck() const { return m_newestFirst; }
    DataSettingsPage* dataPage() const { return m_dataPage; }

public Q_SLOTS:
    void refresh();
    void onCategoryChanged(int index);
    void onThemeChanged(int index);
    void onFontScaleChanged(int index);
    void onWeekStartChanged(int index);
    void onLanguageChanged(int index);
    void onDateFormatChanged(int index);
    void onRegisterOrderChanged(bool checked);
    void onTwoLineModeChanged(bool checked);

Q_SIGNALS:
    // An account came back, or a backup was restored: account lists reload.
    void deletedAccountRestored();

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitCategoryList();
    QWidget* buildGeneralPage();
    QWidget* buildRegisterPage();
    QWidget* buildAboutPage();
    void buildCategoryList();
    void styleCategoryList();
    void selectInitialValues();

    AppState* m_state;
    QListWidget* m_categories = nullptr;
    QStackedWidget* m_pages = nullptr;
    QComboBox* m_theme = nullptr;
    QComboBox* m_fontSize = nullptr;
    QComboBox* m_weekStart = nullptr;
    QComboBox* m_language = nullptr;
    QComboBox* m_dateFormat = nullptr;
    QCheckBox* m_twoLine = nullptr;
    QCheckBox* m_newestFirst = nullptr;
    DataSettingsPage* m_dataPage = nullptr;
};
