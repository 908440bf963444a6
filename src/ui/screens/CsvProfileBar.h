#pragma once

#include "services/import/CsvProfileService.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

// The kept mappings of the target account: which one reads the file, and
// renaming and deleting them.
class CsvProfileBar : public QWidget {
    Q_OBJECT

public:
    explicit CsvProfileBar(CsvProfileService* profiles, QWidget* parent = nullptr);

    // Lists the account's profiles, none chosen.
    void setAccount(const QString& accountId);
    // Shows `profile` as the one applied to the file.
    void showApplied(const CsvProfile& profile);
    // Shows `profile` as the one the mapping was just kept in.
    void showKept(const CsvProfile& profile);

Q_SIGNALS:
    // The user picked a profile to read the file with.
    void chosen(const CsvProfile& profile);

private:
    void reload(const QString& selectId);
    void renameCurrent();
    void deleteCurrent();
    std::optional<CsvProfile> current() const;

    CsvProfileService* m_profiles;
    QString m_accountId;
    QList<CsvProfile> m_list;
    QComboBox* m_combo = nullptr;
    QLabel* m_applied = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_delete = nullptr;
};
