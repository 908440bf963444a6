#pragma once

#include "data/Account.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QShortcut;

// The account list beside the pages: one row per account with its balance,
// the total under it, Alt+1 ... Alt+0 for the first ten rows, and reordering
// by drag and drop. It only shows and reports; the window stores.
class AccountSidebar : public QWidget {
    Q_OBJECT

public:
    explicit AccountSidebar(QWidget* parent = nullptr);

    // Rebuilds every row, the total and the shortcuts. An account missing from
    // `balances` shows its starting balance; one in `unavailable` an error marker.
    void setAccounts(const QList<Account>& accounts, const QHash<QString, qint64>& balances,
        const QSet<QString>& unavailable = {});
    // The first row of `accountId` becomes current; none for an unknown id.
    void setCurrentAccount(const QString& accountId);
    // Empty when no row is at the point (viewport coordinates of the list).
    QString accountIdAt(const QPoint& pos) const;

    QListWidget* list() const { return m_list; }
    QLabel* totalLabel() const { return m_total; }
    QList<QShortcut*> shortcuts() const { return m_shortcuts; }

    // The list's style sheet at the current font scale.
    void applyStyle();
    static QString styleSheet(double pointSize);
    // Stretches every row to the width of the list.
    void fitRowsToWidth();

Q_SIGNALS:
    void accountActivated(const QString& accountId);
    // `pos` in viewport coordinates of the list.
    void contextMenuRequested(const QPoint& pos);
    // After a drag, the account ids in their new order.
    void reordered(const QStringList& accountIds);

private:
    // One sum per currency, joined by " · ".
    static QString totalText(const QMap<Currency, qint64>& totals);
    void rebuildShortcuts();
    void onRowsMoved();

    QListWidget* m_list;
    QLabel* m_total;
    QList<QShortcut*> m_shortcuts;
};
