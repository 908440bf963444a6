#pragma once

#include "services/backup/BackupService.h"

#include <QDialog>
#include <optional>

class QButtonGroup;

// "Import Mode": how a backup meets the data already here, each choice with
// what it does to rows the backup lacks and to rows deleted since.
class RestoreModeDialog : public QDialog {
    Q_OBJECT

public:
    explicit RestoreModeDialog(QWidget* parent = nullptr);

    BackupService::RestorePolicy policy() const;
    void setPolicy(BackupService::RestorePolicy policy);

    // Asks; no value when cancelled.
    static std::optional<BackupService::RestorePolicy> ask(QWidget* parent);

private:
    QButtonGroup* m_choices;
};
