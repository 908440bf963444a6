#pragma once

#include "data/Account.h"
#include "services/import/ImportTypes.h"

#include <QGroupBox>
#include <QHash>
#include <QList>

class QComboBox;
class QFormLayout;

// One row per account found in the chosen QIF files, each mapped to an
// existing account, to a new one, or skipped.
class QifMappingPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit QifMappingPanel(QWidget* parent = nullptr);

    // Rebuilds the rows; each starts on the existing account of the same
    // name (without case), else on creating one.
    void setEntries(const QList<QifAccountEntry>& entries, const QList<Account>& accounts);
    bool isEmpty() const { return m_rows.isEmpty(); }

    // What the rows ask for: the mapping from QIF key to account id, and the
    // accounts to create for it (stored by the import itself).
    struct Choice {
        QHash<QString, QString> mapping;
        QList<Account> newAccounts;
    };
    Choice choice() const;

    // The name an entry has as an account: a file without account blocks is
    // named after the file up to its first dot.
    static QString accountName(const QifAccountEntry& entry);

private:
    struct Row {
        QifAccountEntry entry;
        QComboBox* combo;
    };

    QFormLayout* m_rowsLayout = nullptr;
    QList<Row> m_rows;
};
