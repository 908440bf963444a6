#include "RestoreFlow.h"

#include "app/AppState.h"
#include "data/Database.h"
#include "services/backup/LedgerReplacement.h"
#include "services/backup/RestoreRunner.h"
#include "ui/dialogs/RestoreModeDialog.h"
#include "ui/widgets/MessageBoxes.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>

namespace {

// A progress dialog that stays until `work` says it is done, with the event
// loop running meanwhile so the window keeps painting.
QProgressDialog* progressDialog(QWidget* parent, const QString& text, bool cancellable)
{
    auto* progress = new QProgressDialog(
        text, cancellable ? RestoreFlow::tr("Cancel") : QString(), 0, 0, parent);
    progress->setWindowTitle(RestoreFlow::tr("Import Backup"));
    progress->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    progress->setMinimumDuration(0);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setMinimumWidth(360);
    if (!cancellable)
        progress->setCancelButton(nullptr);
    progress->show();
    return progress;
}

} // namespace

QString RestoreFlow::askArchive(QWidget* parent)
{
    return QFileDialog::getOpenFileName(
        parent, tr("Import Backup"), QDir::homePath(), tr("ZIP Files (*.zip)"));
}

void RestoreFlow::run(QWidget* parent, AppState* state)
{
    const QString path = askArchive(parent);
    if (path.isEmpty())
        return;
    if (const auto policy = RestoreModeDialog::ask(parent))
        restore(parent, state, path, *policy);
}

BackupService::RestoreResult RestoreFlow::restore(
    QWidget* parent, AppState* state, const QString& path, BackupService::RestorePolicy policy)
{
    BackupService::RestoreResult result;
    if (!QFileInfo(path).isReadable() || !QFile(path).open(QIODevice::ReadOnly)) {
        MessageBoxes::warning(parent, tr("Import Failed"), tr("Could not read file."));
        return result;
    }
    RestoreRunner runner(state->database(), state->backupService());
    QProgressDialog* progress = progressDialog(parent, tr("Restoring the backup..."), true);
    QObject::connect(
        &runner, &RestoreRunner::progress, progress, [progress](quint64 done, quint64 total) {
            progress->setMaximum(int(std::min<quint64>(total, INT_MAX)));
            progress->setValue(int(std::min(done, total)));
            // The search index and the commit come after the last row.
            if (done >= total)
                progress->setLabelText(tr("Finishing the restore..."));
        });
    QObject::connect(progress, &QProgressDialog::canceled, &runner, &RestoreRunner::cancel);
    QEventLoop loop;
    QObject::connect(&runner, &RestoreRunner::finished, &loop,
        [&](const BackupService::RestoreResult& finished) {
            result = finished;
            loop.quit();
        });
    runner.start(path, policy);
    // The progress dialog's Cancel needs the user's clicks; the dialog keeps
    // them from the windows behind it.
    loop.exec();
    delete progress;

    const QString text = outcomeText(result);
    if (result.completed)
        MessageBoxes::information(parent, tr("Import Complete"), text);
    else if (result.cancelled)
        MessageBoxes::information(parent, tr("Import Cancelled"), text);
    else
        MessageBoxes::warning(parent, tr("Import Failed"), text);
    return result;
}

QString RestoreFlow::outcomeText(const BackupService::RestoreResult& result)
{
    QString text;
    if (result.completed) {
        text = tr("Imported %1 items, skipped %2.").arg(result.applied()).arg(result.skipped());
        if (!result.errors.isEmpty())
            text += tr("\n\n%n error(s) occurred.", nullptr, int(result.errors.size()));
    } else if (result.cancelled) {
        text = tr("The restore was cancelled; nothing was changed.");
    } else {
        // The run never got to the rows: say why rather than "0 items".
        text = result.errors.join(QLatin1Char('\n'));
    }
    if (!result.safetyBackupPath.isEmpty() && result.completed)
        text += tr("\n\nYour data as it was before the import is saved in:\n%1")
                    .arg(QDir::toNativeSeparators(result.safetyBackupPath));
    return text;
}

bool RestoreFlow::replaceDamagedLedger(
    QWidget* parent, const QString& databasePath, const QString& archivePath)
{
    LedgerReplacement::Result result;
    QProgressDialog* progress
        = progressDialog(parent, tr("Making a new ledger from the backup..."), false);
    QEventLoop loop;
    QThread* worker = QThread::create(
        [&] { result = LedgerReplacement::fromBackup(databasePath, archivePath); });
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
    delete progress;

    if (!result.replaced) {
        MessageBoxes::warning(parent, tr("Import Failed"),
            tr("No new ledger was made, and the damaged file is as it was.\n\n%1")
                .arg(result.error));
        return false;
    }
    MessageBoxes::information(parent, tr("Import Complete"),
        tr("A new ledger was made from the backup: %1 items.\n\nThe damaged file was kept as:\n%2")
            .arg(result.restore.applied())
            .arg(QDir::toNativeSeparators(result.damagedCopy)));
    return true;
}
