#pragma once

#include "data/Transaction.h"

#include <QTimer>
#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;
class RegisterModel;
class SearchResultsModel;

// Finds transactions of every account by a word of their payee, memo or
// check number, or by their amount, narrowed by account, category, dates and
// the cleared mark.
class SearchScreen : public QWidget {
    Q_OBJECT

public:
    explicit SearchScreen(AppState* state, QWidget* parent = nullptr);

    // Fills the account and category lists afresh, back on "All", and searches.
    void refreshFilters();
    void focusSearch();
    // What the filters ask for at the moment.
    SearchFilter currentFilter() const;

    QLineEdit* searchLine() const { return m_search; }
    QTableView* view() const { return m_view; }
    RegisterModel* model() const { return m_model; }
    // What the table shows: the model's rows with their account's name.
    SearchResultsModel* results() const { return m_results; }

Q_SIGNALS:
    void editTransactionRequested(const QString& transactionId);

public Q_SLOTS:
    void performSearch();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void requestEdit(const QModelIndex& index);

    AppState* m_state;
    RegisterModel* m_model = nullptr;
    SearchResultsModel* m_results = nullptr;
    QLabel* m_noMatches = nullptr;
    QLineEdit* m_search = nullptr;
    QComboBox* m_accounts = nullptr;
    QComboBox* m_categories = nullptr;
    QCheckBox* m_dateRange = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QCheckBox* m_clearedOnly = nullptr;
    QTableView* m_view = nullptr;
    QTimer m_debounce;
};
