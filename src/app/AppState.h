#pragma once

#include "data/StoreFailure.h"

#include <QObject>
#include <QString>

class Database;
class AccountRepository;
class TransactionRepository;
class CategoryRepository;
class PreferencesRepository;
class SplitLineRepository;
class RecurringRepository;
class ReconciliationRepository;
class AccountService;
class CategoryService;
class TransactionService;
class ReconciliationService;
class RecurringService;
class ThemeManager;
class ImportService;
class ReportService;
class BackupService;
class PayeeService;
class SampleDataService;
class StoreCheck;
class SyncEngine;
namespace MellAccount {
class Client;
class SharingBackend;
} // namespace MellAccount

// Owns the database, the repositories and the services for the whole process,
// and knows which account the user is looking at.
class AppState : public QObject {
    Q_OBJECT

public:
    explicit AppState(QObject* parent = nullptr);

    bool initialize();
    // Why initialize() returned false.
    const StoreFailure& failure() const { return m_failure; }

    Database* database() const { return m_database; }
    AccountRepository* accounts() const { return m_accounts; }
    TransactionRepository* transactions() const { return m_transactions; }
    CategoryRepository* categories() const { return m_categories; }
    PreferencesRepository* preferences() const { return m_preferences; }
    SplitLineRepository* splitLines() const { return m_splitLines; }
    RecurringRepository* recurring() const { return m_recurring; }
    ReconciliationRepository* reconciliations() const { return m_reconciliations; }
    CategoryService* categoryService() const { return m_categoryService; }
    TransactionService* transactionService() const { return m_transactionService; }
    AccountService* accountService() const { return m_accountService; }
    ReconciliationService* reconciliationService() const { return m_reconciliationService; }
    RecurringService* recurringService() const { return m_recurringService; }
    ImportService* importService() const { return m_importService; }
    ReportService* reportService() const { return m_reportService; }
    BackupService* backupService() const { return m_backupService; }
    PayeeService* payeeService() const { return m_payeeService; }
    SampleDataService* sampleDataService() const { return m_sampleDataService; }
    ThemeManager* themeManager() const { return m_themeManager; }
    MellAccount::Client* cloudClient() const { return m_cloud; }
    SyncEngine* syncEngine() const { return m_syncEngine; }
    MellAccount::SharingBackend* sharing() const { return m_sharing; }

    // Checks the ledger file for damage on a thread of its own; damage found
    // stops all writing (Database::damaged).
    void startIntegrityCheck();
    StoreCheck* integrityCheck() const { return m_integrityCheck; }

    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccountId(const QString& id);

    // For writers of many rows at once (a sync cycle, a restore), which do
    // not announce each row: tells everyone once that anything may have
    // changed.
    void announceDataChanged();

Q_SIGNALS:
    void currentAccountChanged(const QString& accountId);
    void databaseReady();
    // Anything in the store may have changed (a sync cycle, a backup
    // restore): everything shown from it is to be read again.
    void dataChanged();

private:
    void restoreDisplaySettings();
    void connectSignIn();
    void onLoginSucceeded();
    void createSyncEngine();

    Database* m_database = nullptr;
    AccountRepository* m_accounts = nullptr;
    TransactionRepository* m_transactions = nullptr;
    CategoryRepository* m_categories = nullptr;
    PreferencesRepository* m_preferences = nullptr;
    SplitLineRepository* m_splitLines = nullptr;
    RecurringRepository* m_recurring = nullptr;
    ReconciliationRepository* m_reconciliations = nullptr;
    CategoryService* m_categoryService = nullptr;
    TransactionService* m_transactionService = nullptr;
    AccountService* m_accountService = nullptr;
    ReconciliationService* m_reconciliationService = nullptr;
    RecurringService* m_recurringService = nullptr;
    ImportService* m_importService = nullptr;
    ReportService* m_reportService = nullptr;
    BackupService* m_backupService = nullptr;
    PayeeService* m_payeeService = nullptr;
    SampleDataService* m_sampleDataService = nullptr;
    ThemeManager* m_themeManager = nullptr;
    MellAccount::Client* m_cloud = nullptr;
    SyncEngine* m_syncEngine = nullptr;
    MellAccount::SharingBackend* m_sharing = nullptr;
    StoreCheck* m_integrityCheck = nullptr;
    QString m_currentAccountId;
    StoreFailure m_failure;
};
