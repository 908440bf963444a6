#pragma once

#include "RegisterModel.h"
#include "data/Currency.h"

#include <QTimer>
#include <QWidget>
#include <optional>

class AppState;
class QLabel;
class QPushButton;
class RegisterColumnLayout;
class RegisterDelegate;
class RegisterTableView;

// The register of the selected account: header with name and balance, the
// keyboard-driven table, and a footer for short messages and key hints.
class RegisterScreen : public QWidget {
    Q_OBJECT

public:
    explicit RegisterScreen(AppState* state, QWidget* parent = nullptr);

    void setAccount(const QString& id);
    // A ledger that cannot be written: rows are shown, never opened for
    // editing, and there is no new-entry row.
    void setReadOnly(bool readOnly);
    QString accountId() const { return m_accountId; }
    void reload();
    void goToNewEntry();
    void tabToNextField();
    void tabToPreviousField();
    void restoreColumnLayout();
    void showTransientMessage(const QString& text, int ms);
    // The shown account's currency (USD when none is shown).
    Currency currency() const;

    // Something typed and not yet saved: in the new-entry row, or changes to
    // the row being edited.
    bool hasUnsavedEntry();
    // Saves what hasUnsavedEntry found; false, with the reason in the footer,
    // when it could not be saved.
    bool commitPendingEntry();
    // Before what was typed is left behind (another account, a new entry,
    // quitting), asks whether to save it: true when nothing stands in the
    // way any more (nothing typed, saved, or thrown away).
    bool settleUnsavedEntry();

    // An existing split transaction's category or amount cell, which are
    // edited in the transaction dialog instead of in place.
    bool isSplitAmountCell(const QModelIndex& index) const;
    void editTransactionInDialog(int row);
    void showDetails(int row);
    void toggleCleared(int row);
    void setCurrentCell(int row, int column);

    RegisterTableView* view() const { return m_view; }
    RegisterModel* model() const { return m_model; }

    bool focusNextPrevChild(bool next) override;

Q_SIGNALS:
    void reconcileRequested(const QString& accountId);
    void errorMessage(const QString& text);
    // The user wants to settle the sync conflict of that transaction.
    void syncConflictRequested(const QString& transactionId);

public Q_SLOTS:
    void onContextMenu(const QPoint& pos);
    void commitCurrentRow();
    void deleteCurrentRow();
    void copyFromAbove();
    void advanceToNextField();
    void advanceToPreviousField();
    void startEditingRow(int row);
    void newTransactionDialog();
    void showHeaderContextMenu(const QPoint& pos);
    void resetColumnLayout();
    void memorizeAsRecurring();

protected:
    void connectNotify(const QMetaMethod& signal) override;

private:
    void buildLayout();
    void setUpView();
    void applyTwoLine(bool twoLine);
    void writeEditorToBuffer();
    // Commits the entry buffer; true when it was stored.
    bool commitEntry();
    // The row being edited holds values other than its transaction's.
    bool editedRowChanged() const;
    void loadBufferFrom(const TransactionRow& t);
    void endRowEdit();
    void discardPendingEntry();
    // Writes typed dates anew after the date format changed.
    void followDateFormat();

    // Next (or previous) visible entry field after `column`, or -1.
    int neighbourField(int column, bool forward) const;
    void tabToField(bool forward);
    void moveToField(int row, int column, bool quietly, bool backward);

    AppState* m_state;
    QString m_accountId;
    QLabel* m_title = nullptr;
    QLabel* m_balance = nullptr;
    QLabel* m_subtitle = nullptr;
    QLabel* m_message = nullptr;
    QPushButton* m_reconcile = nullptr;
    RegisterTableView* m_view = nullptr;
    RegisterModel* m_model = nullptr;
    RegisterDelegate* m_delegate = nullptr;
    RegisterColumnLayout* m_layout = nullptr;
    QTimer m_messageTimer;
    // What was typed into the new-entry row while another row was visited.
    std::optional<RegisterModel::EntryBuffer> m_newEntryDraft;
    bool m_moving = false;
    bool m_readOnly = false;
    // The format the typed dates in the buffers are written in.
    QString m_dateFormat;
};
