#pragma once

#include <QMetaObject>
#include <QWidget>

class QLabel;
class QPushButton;
class SyncEngine;

// The synchronisation controls of the preferences: when the last sync
// completed (and why the last one failed), Sync Now and Force Full Sync.
class SyncControlsWidget : public QWidget {
    Q_OBJECT

public:
    explicit SyncControlsWidget(SyncEngine* engine, QWidget* parent = nullptr);

    // Re-reads the last sync time and error.
    void refresh();

    QPushButton* syncNowButton() const { return m_syncNow; }
    QPushButton* fullSyncButton() const { return m_fullSync; }
    QLabel* lastSyncLabel() const { return m_lastSync; }

private:
    void onSyncNow();
    void onForceFullSync();
    // Buttons show the cycle until the engine leaves Syncing.
    void showRunning();
    void showDone();

    SyncEngine* m_engine;
    QLabel* m_lastSync;
    QPushButton* m_syncNow;
    QPushButton* m_fullSync;
    QMetaObject::Connection m_waiting;
};
