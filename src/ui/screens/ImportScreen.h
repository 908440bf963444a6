#pragma once

#include "services/import/ImportTypes.h"

#include <QDate>
#include <QStringList>
#include <QWidget>
#include <functional>

class AppState;
class CsvMappingPanel;
class CsvPreviewTable;
class CsvProfileBar;
struct CsvProfile;
class QComboBox;
class QFormLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTimer;
class QifMappingPanel;

// Brings transactions in from a CSV file or from QIF files: the file, the
// mapping of columns or accounts, the import with a progress dialog, and what
// it did.
class ImportScreen : public QWidget {
    Q_OBJECT

public:
    explicit ImportScreen(AppState* state, QWidget* parent = nullptr);

    // Refreshes the account choices; the main window calls it before showing.
    void reload();
    // What selectFile does with the files the user picked.
    void setFiles(const QStringList& paths);

    // The lines shown after an import.
    static QString summaryText(const ImportResult& result);

public Q_SLOTS:
    void selectFile();
    void runImport();

Q_SIGNALS:
    void importCompleted();
    // The user wants to reconcile the account against a statement's closing balance.
    void reconcileRequested(const QString& accountId, const QDate& date, qint64 balance);

private:
    bool isCsv() const;
    bool isOfx() const;
    void onFormatChanged();
    void showFormatParts();
    void scanOfxFile();
    void showBalances(const QList<StatementBalance>& balances);
    void clearFiles();
    void showCsvPreview();
    // Splits the file's start into rows by the panel's delimiter and lines to skip.
    void readCsvRows();
    void refreshCsvPreview();
    void applyProfile(const CsvProfile& profile);
    // The account a CSV file goes to; empty when there is none.
    QString csvAccount() const;
    void scanQifFiles();
    // The account a CSV file goes to; asks to create one when none is chosen.
    // Empty when the user declines.
    QString csvTarget();
    ImportResult runWithProgress(const std::function<ImportResult()>& import);

    AppState* m_state;
    QStringList m_files;
    QList<QifAccountEntry> m_qifEntries;
    QFormLayout* m_form = nullptr;
    QComboBox* m_format = nullptr;
    QComboBox* m_account = nullptr;
    QLabel* m_fileLabel = nullptr;
    QPushButton* m_browse = nullptr;
    CsvMappingPanel* m_csv = nullptr;
    QScrollArea* m_csvScroll = nullptr;
    CsvProfileBar* m_profileBar = nullptr;
    CsvPreviewTable* m_csvPreview = nullptr;
    QTimer* m_previewTimer = nullptr;
    QString m_csvText; // the start of the CSV file
    QifMappingPanel* m_qif = nullptr;
    QScrollArea* m_qifScroll = nullptr;
    QWidget* m_balances = nullptr;
    QPushButton* m_import = nullptr;
    QPlainTextEdit* m_result = nullptr;
};
