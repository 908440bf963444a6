#pragma once

#include "services/backup/BackupService.h"

#include <QWidget>

class AppState;
class QListWidget;
class QPushButton;
class QVBoxLayout;

// The Data & Sync page of the preferences: backup export and restore, and the
// list of deleted accounts with their restore.
class DataSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit DataSettingsPage(AppState* state, QWidget* parent = nullptr);

    // Where the synchronisation controls go, first on the page: one addWidget.
    QVBoxLayout* syncSlot() const { return m_syncSlot; }
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
    QVBoxLayout* m_syncSlot = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_import = nullptr;
    QWidget* m_deletedGroup = nullptr;
    QListWidget* m_deletedList = nullptr;
    QPushButton* m_restore = nullptr;
};
