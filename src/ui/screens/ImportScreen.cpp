#include "ImportScreen.h"

#include "CsvMappingPanel.h"
#include "CsvPreviewTable.h"
#include "CsvProfileBar.h"
#include "QifMappingPanel.h"
#include "app/AppState.h"
#include "app/ThemeManager.h"
#include "data/AccountRepository.h"
#include "data/DateText.h"
#include "data/Money.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "services/import/CsvReader.h"
#include "services/import/ImportService.h"
#include "services/import/ImportText.h"
#include "ui/dialogs/AccountFormDialog.h"
#include "ui/widgets/MessageBoxes.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Enough of a large file to offer its columns.
constexpr qsizetype kPreviewChars = 64 * 1024;

} // namespace

ImportScreen::ImportScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Import Transactions"));
    ThemeManager::setFontRole(heading, ThemeManager::Heading);
    layout->addWidget(heading);

    m_form = new QFormLayout;
    QFormLayout* form = m_form;
    m_format = new QComboBox;
    m_format->setObjectName(QStringLiteral("formatCombo"));
    m_format->addItem(tr("CSV"));
    m_format->addItem(tr("QIF"));
    m_format->addItem(tr("OFX/QFX"));
    form->addRow(tr("&Format:"), m_format);
    m_account = new QComboBox;
    m_account->setObjectName(QStringLiteral("accountCombo"));
    form->addRow(tr("&Account:"), m_account);
    auto* fileRow = new QHBoxLayout;
    m_fileLabel = new QLabel(tr("No file selected"));
    m_fileLabel->setObjectName(QStringLiteral("fileLabel"));
    m_browse = new QPushButton(tr("Browse..."));
    fileRow->addWidget(m_fileLabel, 1);
    fileRow->addWidget(m_browse);
    form->addRow(tr("File:"), fileRow);
    layout->addLayout(form);

    m_profileBar = new CsvProfileBar(state->importService()->profiles());
    layout->addWidget(m_profileBar);
    m_csv = new CsvMappingPanel;
    // The mapping and the preview share the window's height.
    m_csvScroll = new QScrollArea;
    m_csvScroll->setWidgetResizable(true);
    m_csvScroll->setFrameShape(QFrame::NoFrame);
    m_csvScroll->setWidget(m_csv);
    layout->addWidget(m_csvScroll, 2);
    m_csvPreview = new CsvPreviewTable;
    layout->addWidget(m_csvPreview, 1);
    // One preview for the many changes a reading of the file makes at once.
    m_previewTimer = new QTimer(this);
    m_previewTimer->setSingleShot(true);
    m_previewTimer->setInterval(0);
    m_qif = new QifMappingPanel;
    m_qifScroll = new QScrollArea;
    m_qifScroll->setWidgetResizable(true);
    m_qifScroll->setFrameShape(QFrame::NoFrame);
    m_qifScroll->setWidget(m_qif);
    layout->addWidget(m_qifScroll, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_import = new QPushButton(tr("Import"));
    m_import->setObjectName(QStringLiteral("importButton"));
    m_import->setDefault(true);
    auto* done = new QPushButton(tr("Done"));
    buttons->addWidget(m_import);
    buttons->addWidget(done);
    layout->addLayout(buttons);

    m_result = new QPlainTextEdit;
    m_result->setObjectName(QStringLiteral("resultText"));
    m_result->setReadOnly(true);
    m_result->setMaximumHeight(170);
    layout->addWidget(m_result);
    m_balances = new QWidget;
    m_balances->setObjectName(QStringLiteral("statementBalances"));
    new QVBoxLayout(m_balances);
    m_balances->layout()->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_balances);

    connect(m_format, &QComboBox::currentIndexChanged, this, &ImportScreen::onFormatChanged);
    connect(m_browse, &QPushButton::clicked, this, &ImportScreen::selectFile);
    connect(m_csv, &CsvMappingPanel::readingChanged, this, [this] {
        if (isCsv() && !m_files.isEmpty())
            readCsvRows();
    });
    connect(m_csv, &CsvMappingPanel::mappingChanged, m_previewTimer,
        static_cast<void (QTimer::*)()>(&QTimer::start));
    connect(m_previewTimer, &QTimer::timeout, this, &ImportScreen::refreshCsvPreview);
    connect(m_profileBar, &CsvProfileBar::chosen, this, &ImportScreen::applyProfile);
    connect(m_account, &QComboBox::currentIndexChanged, this, [this] {
        if (isCsv() && !m_files.isEmpty())
            showCsvPreview();
    });
    connect(m_import, &QPushButton::clicked, this, &ImportScreen::runImport);
    connect(done, &QPushButton::clicked, this, &QWidget::close);
    reload();
    onFormatChanged();
}

bool ImportScreen::isCsv() const
{
    return m_format->currentIndex() == 0;
}

bool ImportScreen::isOfx() const
{
    return m_format->currentIndex() == 2;
}

void ImportScreen::reload()
{
    const QString chosen = m_account->currentIndex() >= 0 ? m_account->currentData().toString()
                                                          : m_state->currentAccountId();
    const QList<Account> accounts = m_state->accounts()->findAll();
    {
        const QSignalBlocker blocker(m_account);
        m_account->clear();
        for (const Account& account : accounts)
            m_account->addItem(account.name, account.id);
        const int index = m_account->findData(chosen);
        m_account->setCurrentIndex(index >= 0 ? index : 0);
    }
    if (csvAccount() != chosen && isCsv() && !m_files.isEmpty())
        showCsvPreview();
    if (!m_qifEntries.isEmpty())
        m_qif->setEntries(m_qifEntries, accounts);
}

void ImportScreen::onFormatChanged()
{
    showFormatParts();
    clearFiles();
    m_result->clear();
}

void ImportScreen::showFormatParts()
{
    m_form->setRowVisible(m_account, isCsv());
    m_csvScroll->setVisible(isCsv());
    m_profileBar->setVisible(isCsv());
    m_csvPreview->setVisible(isCsv());
    m_qifScroll->setVisible(!isCsv());
    m_qif->setForStatements(isOfx());
}

void ImportScreen::clearFiles()
{
    m_files.clear();
    m_qifEntries.clear();
    m_fileLabel->setText(tr("No file selected"));
    m_csvText.clear();
    m_csv->clear();
    m_profileBar->setAccount(csvAccount());
    m_csvPreview->showRows({}, Currency::USD);
    m_qif->setEntries({}, {});
    showBalances({});
    m_import->setEnabled(false);
}

void ImportScreen::selectFile()
{
    if (isCsv() || isOfx()) {
        const QString path = QFileDialog::getOpenFileName(this,
            isOfx() ? tr("Select OFX File") : tr("Select File"), QString(),
            isOfx() ? tr("OFX Files (*.ofx *.qfx);;All Files (*)")
                    : tr("CSV Files (*.csv);;All Files (*)"));
        if (!path.isEmpty())
            setFiles({ path });
        return;
    }
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, tr("Select QIF File(s)"), QString(), tr("QIF Files (*.qif);;All Files (*)"));
    if (!paths.isEmpty())
        setFiles(paths);
}

void ImportScreen::setFiles(const QStringList& paths)
{
    // A bank's download is a statement whatever it is called.
    if (!isOfx() && paths.size() == 1
        && ImportService::isOfx(ImportText::readFile(paths.first()).text.left(kPreviewChars))) {
        const QSignalBlocker blocker(m_format);
        m_format->setCurrentIndex(2);
        showFormatParts();
    }
    clearFiles();
    m_result->clear();
    m_files = paths;
    if (isOfx())
        scanOfxFile();
    else if (isCsv())
        showCsvPreview();
    else
        scanQifFiles();
    m_import->setEnabled(!m_files.isEmpty());
}

void ImportScreen::showCsvPreview()
{
    const ImportText::FileText file = ImportText::readFile(m_files.first());
    if (!file.error.isEmpty()) {
        m_result->setPlainText(file.error);
        m_files.clear();
        return;
    }
    m_fileLabel->setText(QFileInfo(m_files.first()).fileName());
    m_csvText = file.text.left(kPreviewChars);
    m_profileBar->setAccount(csvAccount());
    // The next file of a bank reads as the last one did.
    if (const auto profile
        = m_state->importService()->profiles()->matching(csvAccount(), m_csvText))
        applyProfile(*profile);
    else
        readCsvRows();
}

void ImportScreen::applyProfile(const CsvProfile& profile)
{
    m_csv->applyMapping(profile.mapping);
    m_profileBar->showApplied(profile);
    readCsvRows();
}

void ImportScreen::readCsvRows()
{
    const QString text = CsvReader::skipLines(m_csvText, m_csv->skipLines());
    const QChar delimiter = m_csv->delimiter();
    m_csv->setPreview(
        CsvReader::read(text, delimiter.isNull() ? CsvReader::detectDelimiter(text) : delimiter));
    m_previewTimer->start();
}

void ImportScreen::refreshCsvPreview()
{
    const QString account = csvAccount();
    if (!isCsv() || m_csvText.isEmpty()) {
        m_csvPreview->showRows({}, Currency::USD);
        return;
    }
    const auto target = m_state->accounts()->findById(account);
    m_csvPreview->showRows(
        m_state->importService()->previewCsv(m_csvText, account, m_csv->mapping()),
        target ? target->currency : Currency::USD);
}

QString ImportScreen::csvAccount() const
{
    return m_account->currentIndex() >= 0 ? m_account->currentData().toString() : QString();
}

void ImportScreen::scanQifFiles()
{
    m_fileLabel->setText(tr("Analyzing QIF file(s)..."));
    m_fileLabel->repaint();
    const QifScan scan = m_state->importService()->scanQifAccounts(m_files);
    m_fileLabel->setText(tr("%n file(s) selected", nullptr, int(m_files.size())));
    m_qifEntries = scan.accounts;
    m_qif->setEntries(m_qifEntries, m_state->accounts()->findAll());
    if (m_qifEntries.isEmpty()) {
        m_result->setPlainText((scan.fileErrors
            + QStringList { tr("The selected file(s) hold no transactions to import.") })
                                   .join(QLatin1Char('\n')));
        m_files.clear();
    } else if (!scan.fileErrors.isEmpty()) {
        m_result->setPlainText(scan.fileErrors.join(QLatin1Char('\n')));
    }
}

void ImportScreen::scanOfxFile()
{
    const OfxScan scan = m_state->importService()->scanOfx(m_files.first());
    m_fileLabel->setText(QFileInfo(m_files.first()).fileName());
    m_qifEntries = scan.statements;
    m_qif->setEntries(m_qifEntries, m_state->accounts()->findAll());
    if (!scan.error.isEmpty() || m_qifEntries.isEmpty()) {
        m_result->setPlainText(scan.error.isEmpty()
                ? tr("The selected file(s) hold no transactions to import.")
                : scan.error);
        m_files.clear();
    }
}

void ImportScreen::showBalances(const QList<StatementBalance>& balances)
{
    for (QWidget* row : m_balances->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        delete row;
    for (const StatementBalance& statement : balances) {
        const auto account = m_state->accounts()->findById(statement.accountId);
        if (!account)
            continue;
        qint64 registerBalance = account->startingBalance;
        for (const Transaction& t : m_state->transactions()->findByAccount(account->id)) {
            if (t.date <= statement.date)
                registerBalance += t.amount;
        }
        auto* row = new QWidget;
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        auto* label = new QLabel(tr("%1: the bank's balance on %2 is %3; the register's is %4.")
                                     .arg(account->name, DateText::format(statement.date),
                                         Money::formatMoney(statement.balance, account->currency),
                                         Money::formatMoney(registerBalance, account->currency)));
        label->setWordWrap(true);
        auto* reconcile = new QPushButton(tr("Reconcile..."));
        reconcile->setObjectName(QStringLiteral("reconcileButton"));
        connect(reconcile, &QPushButton::clicked, this, [this, statement] {
            Q_EMIT reconcileRequested(statement.accountId, statement.date, statement.balance);
        });
        rowLayout->addWidget(label, 1);
        rowLayout->addWidget(reconcile);
        m_balances->layout()->addWidget(row);
    }
}

QString ImportScreen::csvTarget()
{
    if (m_account->currentIndex() >= 0)
        return m_account->currentData().toString();
    if (MessageBoxes::question(this, tr("No target account"),
            tr("Pick an account to import into, or create one now."),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        != QMessageBox::Yes)
        return {};
    AccountFormDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const Account account = dialog.account();
    if (account.name.isEmpty())
        return {};
    if (!m_state->accountService()->create(account, dialog.asOfDate())) {
        m_result->setPlainText(tr("The account could not be saved."));
        return {};
    }
    reload();
    m_account->setCurrentIndex(m_account->findData(account.id));
    return account.id;
}

ImportResult ImportScreen::runWithProgress(const std::function<ImportResult()>& import)
{
    QProgressDialog progress(tr("Importing..."), tr("Cancel"), 0, 0, this);
    progress.setWindowTitle(tr("Import Transactions"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumWidth(360);
    ImportService* service = m_state->importService();
    const auto show = [&progress](int current, int total) {
        progress.setMaximum(std::max(total, 1));
        progress.setValue(std::min(current, std::max(total, 1)));
    };
    connect(
        service, &ImportService::importStarted, &progress, [show](int total) { show(0, total); });
    connect(service, &ImportService::importProgress, &progress, show);
    connect(&progress, &QProgressDialog::canceled, service, &ImportService::cancel);
    progress.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return import();
}

void ImportScreen::runImport()
{
    if (m_files.isEmpty())
        return;
    ImportService* service = m_state->importService();
    ImportResult result;
    if (isCsv()) {
        const QString target = csvTarget();
        if (target.isEmpty())
            return;
        const CsvMapping mapping = m_csv->mapping();
        const QString path = m_files.first();
        result = runWithProgress([&] { return service->importCsv(path, target, mapping); });
        if (!result.aborted && result.imported + result.duplicates > 0) {
            const auto account = m_state->accounts()->findById(target);
            const auto kept = service->profiles()->remember(target, m_csvText, mapping,
                tr("%1 CSV").arg(account ? account->name : QString()).trimmed());
            if (kept) {
                m_profileBar->setAccount(target);
                m_profileBar->showKept(*kept);
            }
        }
    } else if (isOfx()) {
        const QifMappingPanel::Choice choice = m_qif->choice();
        const QString path = m_files.first();
        result = runWithProgress(
            [&] { return service->importOfx(path, choice.mapping, choice.newAccounts); });
    } else {
        const QifMappingPanel::Choice choice = m_qif->choice();
        const QStringList paths = m_files;
        result = runWithProgress(
            [&] { return service->importQif(paths, choice.mapping, choice.newAccounts); });
    }
    m_result->setPlainText(summaryText(result));
    showBalances(result.balances);
    // The rows just stored are duplicates now.
    m_previewTimer->start();
    // Accounts the import created are now there to map to by name.
    reload();
    Q_EMIT importCompleted();
}

QString ImportScreen::summaryText(const ImportResult& r)
{
    QStringList lines;
    const int handled = r.imported + r.duplicates + r.invalid + r.unsupported + r.withoutAccount
        + r.insertFailures;
    if (r.cancelled) {
        lines << tr("Import cancelled.") << QString()
              << tr("Nothing was imported: every change of this import was rolled back.");
    } else if (r.aborted) {
        lines << tr("Import failed.") << QString() << r.failure;
    } else if (handled == 0 && !r.fileErrors.isEmpty()) {
        lines << tr("Import failed.") << QString() << r.fileErrors;
    } else {
        lines << tr("Import complete!") << QString()
              << tr("%n transaction(s) imported", nullptr, r.imported);
        if (r.transfersLinked > 0) {
            QString linked
                = tr("%n transfer(s) linked across accounts", nullptr, r.transfersLinked);
            if (r.retroactiveLinks > 0)
                linked += tr("  (including %n linked to previously imported row(s))", nullptr,
                    r.retroactiveLinks);
            lines << linked;
        }
        const auto add = [&lines](int count, const QString& text) {
            if (count > 0)
                lines << text;
        };
        add(r.duplicates, tr("%n duplicate(s) skipped", nullptr, r.duplicates));
        add(r.invalid, tr("%n record(s) skipped (unparseable)", nullptr, r.invalid));
        add(r.unsupported, tr("%n metadata record(s) skipped", nullptr, r.unsupported));
        add(r.withoutAccount,
            tr("%n record(s) skipped (unmapped source account)", nullptr, r.withoutAccount));
        add(r.insertFailures,
            tr("%n record(s) skipped (database error — see log)", nullptr, r.insertFailures));
        add(r.adjusted,
            tr("%n split(s) adjusted: their lines did not add up to the amount, so an "
               "\"Uncategorized\" line holds the difference",
                nullptr, r.adjusted));
        if (!r.fileErrors.isEmpty() || !r.problems.isEmpty())
            lines << QString() << r.fileErrors << r.problems;
    }
    return lines.join(QLatin1Char('\n'));
}
