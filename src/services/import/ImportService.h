#pragma once

#include "ImportRun.h"
#include "ImportTypes.h"

#include <QHash>
#include <QObject>

class AccountRepository;
class AccountService;
class CategoryRepository;
class CsvProfileService;
class Database;
class SplitLineRepository;
class StatementIdRepository;
class TransactionRepository;
class TransactionService;

// Brings transactions in from comma-separated files and QIF files: decodes
// and parses them, skips what is already stored, creates missing categories,
// stores split lines and links both sides of transfers, also with sides
// imported earlier. Each import is one unit of work: all of it is stored or,
// when the store fails or the user cancels, none of it.
class ImportService : public QObject {
    Q_OBJECT

public:
    ImportService(Database* db, AccountRepository* accounts, AccountService* accountService,
        TransactionRepository* transactions, CategoryRepository* categories,
        TransactionService* writer, QObject* parent = nullptr);

    // Rows go to `accountId` in its currency; without such an account every
    // data row counts as without account. Each of `newAccounts` is stored with
    // the first row that goes to it, inside the run; the mapping may name them.
    ImportResult importCsv(const QString& path, const QString& accountId, const CsvMapping& mapping,
        const QList<Account>& newAccounts = {});
    // The first `limit` rows of `text` (the start of a file) as importCsv
    // would store them into `accountId`: read, a duplicate, or invalid and why.
    QList<CsvPreviewRow> previewCsv(
        const QString& text, const QString& accountId, const CsvMapping& mapping, int limit = 20);
    // The mappings of comma-separated files kept per account.
    CsvProfileService* profiles() const { return m_profiles; }
    // `mapping`: QIF account name, or file path for a file without account
    // blocks, to account id; compared without case. Unmapped records are
    // counted, not stored.
    ImportResult importQif(const QStringList& paths, const QHash<QString, QString>& mapping,
        const QList<Account>& newAccounts = {});
    QifScan scanQifAccounts(const QStringList& paths);

    // `mapping`: the bank's account number of each statement to an account
    // id. Statements without one are counted, not stored.
    ImportResult importOfx(const QString& path, const QHash<QString, QString>& mapping,
        const QList<Account>& newAccounts = {});
    OfxScan scanOfx(const QString& path) const;
    // Whether the file's text is an OFX (or QFX) statement, whatever its name.
    static bool isOfx(const QString& text);

    // "[→ Savings]": the memo mark of a transfer whose other side is not stored yet.
    static QString transferHint(const QString& accountName);

public Q_SLOTS:
    // The run in progress stops at its next progress step and rolls back.
    void cancel();

Q_SIGNALS:
    void importStarted(int totalRecords);
    void importProgress(int currentRecord, int totalRecords);

private:
    friend class CsvImport;
    friend class QifImport;
    friend class OfxImport;

    ImportRun::Services runServices() const;
    ImportRun::Progress progressReporter();

    Database* m_db;
    AccountRepository* m_accounts;
    AccountService* m_accountService;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    TransactionService* m_writer;
    StatementIdRepository* m_statementIds;
    CsvProfileService* m_profiles;
    bool m_cancelRequested = false;
};
