#pragma once

#include "services/backup/BackupService.h"

#include <QWidget>

class AppState;
class QLabel;
class QListWidget;
class QPushButton;
class SyncControlsWidget;
class SyncServerSection;

// The Data & Sync page of the preferences: who is signed in and the sync
// controls, backup export and restore, and the deleted accounts with their restore.
class DataSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit DataSettingsPage(AppState* state, QWidget* parent = nullptr);

    SyncServerSection* serverSection() const { return m_serverSection; }
    QLabel* syncStatusLabel() const { return m_syncStatus; }
    // Null when this build has no synchronisation.
    SyncControlsWidget* syncControls() const { return m_syncControls; }
    QPushButton* exportButton() const { return m_export; }
    QPushButton* importButton() const { return m_import; }
    QWidget* deletedGroup() const { return m_deletedGroup; }
    QListWidget* deletedList() const { return m_deletedList; }
    QPushButton* restoreButton() const { return m_restore; }

    // The flows after their file and mode questions, each ending in its message box.
    void exportBackupTo(const QString& path);
    void importBackupFrom(const QString& path, BackupService::RestorePolicy policy);

public Q_SLOTS:
    void refresh();
    void exportBackup();
    void importBackup();
    void restoreSelectedAccount();

Q_SIGNALS:
    void deletedAccountRestored();

private:
    AppState* m_state;
    void refreshSync();

    SyncServerSection* m_serverSection = nullptr;
    QLabel* m_syncStatus = nullptr;
    SyncControlsWidget* m_syncControls = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_import = nullptr;
    QWidget* m_deletedGroup = nullptr;
    QListWidget* m_deletedList = nullptr;
    QPushButton* m_restore = nullptr;
};
