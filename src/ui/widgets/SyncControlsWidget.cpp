#include "SyncControlsWidget.h"

#include "MessageBoxes.h"
#include "sync/SyncEngine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

SyncControlsWidget::SyncControlsWidget(SyncEngine* engine, QWidget* parent)
    : QWidget(parent)
    , m_engine(engine)
    , m_lastSync(new QLabel(this))
    , m_syncNow(new QPushButton(tr("Sync Now"), this))
    , m_fullSync(new QPushButton(tr("Force Full Sync"), this))
{
    m_lastSync->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_syncNow);
    buttons->addWidget(m_fullSync);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lastSync);
    layout->addLayout(buttons);

    connect(m_syncNow, &QPushButton::clicked, this, &SyncControlsWidget::onSyncNow);
    connect(m_fullSync, &QPushButton::clicked, this, &SyncControlsWidget::onForceFullSync);
    // A cycle started elsewhere (timer, an edit) moves the time on too.
    connect(m_engine, &SyncEngine::syncCompleted, this, &SyncControlsWidget::refresh);
    connect(m_engine, &SyncEngine::syncFailed, this, &SyncControlsWidget::refresh);
    refresh();
}

void SyncControlsWidget::refresh()
{
    const QDateTime last = m_engine->lastSyncTime();
    QString text = last.isValid()
        ? tr("Last synced: %1")
              .arg(QLocale().toString(last.toLocalTime(), QStringLiteral("MMM d, h:mm ap")))
        : tr("Never synced");
    if (!m_engine->lastError().isEmpty())
        text += tr("\nError: %1").arg(m_engine->lastError());
    m_lastSync->setText(text);
}

void SyncControlsWidget::onSyncNow()
{
    m_engine->syncNow();
    showRunning();
}

void SyncControlsWidget::onForceFullSync()
{
    if (MessageBoxes::question(this, tr("Force Full Sync"),
            tr("This will re-upload every local row to the server and re-download all server "
               "data. Use this if data appears out of sync between devices.\n\nContinue?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    m_engine->forceFullSync();
    showRunning();
}

void SyncControlsWidget::showRunning()
{
    // Nothing started (signed out, or another account to confirm): nothing to wait for.
    if (!m_engine->isRunning()) {
        refresh();
        return;
    }
    m_syncNow->setEnabled(false);
    m_fullSync->setEnabled(false);
    m_syncNow->setText(tr("Syncing..."));
    disconnect(m_waiting);
    m_waiting = connect(m_engine, &SyncEngine::stateChanged, this, [this](int state) {
        if (state != SyncEngine::Syncing)
            showDone();
    });
}

void SyncControlsWidget::showDone()
{
    disconnect(m_waiting);
    m_syncNow->setEnabled(true);
    m_fullSync->setEnabled(true);
    m_syncNow->setText(tr("Sync Now"));
    refresh();
}
