#include "SyncFeedback.h"

#include "StatusBar.h"
#include "sync/SyncEngine.h"
#include "ui/widgets/MessageBoxes.h"

namespace {
constexpr int kCompleteMessageMs = 2000;
constexpr int kFailureMessageMs = 5000;
} // namespace

SyncFeedback::SyncFeedback(SyncEngine* engine, StatusBar* statusBar, QWidget* window,
    std::function<bool()> signedIn, std::function<void()> reload)
    : QObject(window)
    , m_engine(engine)
    , m_statusBar(statusBar)
    , m_window(window)
    , m_signedIn(std::move(signedIn))
{
    connect(engine, &SyncEngine::stateChanged, this, [this] {
        if (m_signedIn())
            showState();
    });
    connect(engine, &SyncEngine::syncCompleted, this,
        [this] { m_statusBar->showTransientMessage(tr("Sync complete"), kCompleteMessageMs); });
    connect(engine, &SyncEngine::syncFailed, this, [this](const QString& error) {
        m_statusBar->showTransientMessage(tr("Sync failed: %1").arg(error), kFailureMessageMs);
    });
    connect(engine, &SyncEngine::conflictCountChanged, statusBar, &StatusBar::setConflictCount);
    // The register marks rows in conflict: it must show them as they are now.
    connect(engine, &SyncEngine::conflictCountChanged, this, reload);
    connect(engine, &SyncEngine::accountChangeDetected, this, &SyncFeedback::askAboutAccountChange,
        Qt::QueuedConnection);
    connect(
        engine, &SyncEngine::accessEnded, this,
        [this](const QString& account) {
            MessageBoxes::information(m_window, tr("Sync"),
                tr("Your access to %1 ended; your last change there was not sent.").arg(account));
        },
        Qt::QueuedConnection);
    statusBar->setConflictCount(engine->conflictCount());
}

void SyncFeedback::showState()
{
    m_statusBar->setSyncText(m_engine->statusText());
}

void SyncFeedback::askAboutAccountChange()
{
    const auto answer = MessageBoxes::question(m_window, tr("Sync"),
        tr("The data on this computer was last synchronised with another Mellowind account or "
           "sync server.\n\nUpload this computer's data to the account you are signed in to "
           "now?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        m_engine->adoptAccount();
    else
        m_engine->declineAccount();
}
