#pragma once

#include "data/Account.h"
#include "services/import/ImportTypes.h"

#include <QGroupBox>
#include <QHash>
#include <QList>

class QComboBox;
class QFormLayout;
class QLabel;

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
    // Rows of bank statements (OFX) instead of QIF accounts.
    void setForStatements(bool statements);

    // What the rows ask for: the mapping from QIF key to account id, and the
    // accounts to create for it (stored by the import itself).
    struct Choice {
        QHash<QString, QString> mapping;
        QList<Account> newAccounts;
    };
    Choice choice() const;

    // The name an entry has as an account: a file without account blocks is
    // named after the file up to its first dot; a statement as the entry says.
    static QString accountName(const QifAccountEntry& entry);

private:
    struct Row {
        QifAccountEntry entry;
        QComboBox* combo;
    };

    QLabel* m_note = nullptr;
    QFormLayout* m_rowsLayout = nullptr;
    QList<Row> m_rows;
};
