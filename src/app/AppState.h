#pragma once

#include <QObject>
#include <QString>

class Database;
class AccountRepository;
class PreferencesRepository;
class ThemeManager;

// Owns the database, the repositories and the services for the whole process,
// and knows which account the user is looking at.
class AppState : public QObject {
    Q_OBJECT

public:
    explicit AppState(QObject* parent = nullptr);

    bool initialize();

    Database* database() const { return m_database; }
    AccountRepository* accounts() const { return m_accounts; }
    PreferencesRepository* preferences() const { return m_preferences; }
    ThemeManager* themeManager() const { return m_themeManager; }

    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccountId(const QString& id);

Q_SIGNALS:
    void currentAccountChanged(const QString& accountId);
    void databaseReady();

private:
    void restoreDisplaySettings();

    Database* m_database = nullptr;
    AccountRepository* m_accounts = nullptr;
    PreferencesRepository* m_preferences = nullptr;
    ThemeManager* m_themeManager = nullptr;
    QString m_currentAccountId;
};
