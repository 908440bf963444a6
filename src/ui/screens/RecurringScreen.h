#pragma once

#include "services/RecurringService.h"

#include <QWidget>

class AppState;
class QLabel;
class QTableView;
class RecurringFormDialog;
class RecurringModel;

// Every schedule with its next due date: new, edit, confirm, skip and delete,
// and confirming everything that is due at once.
class RecurringScreen : public QWidget {
    Q_OBJECT

public:
    explicit RecurringScreen(AppState* state, QWidget* parent = nullptr);

    // Reloads the schedules and the due count, keeping the selected schedule.
    void refresh();
    QTableView* view() const { return m_view; }
    RecurringModel* model() const { return m_model; }

Q_SIGNALS:
    void transactionsChanged();

public Q_SLOTS:
    void onContextMenu(const QPoint& pos);
    void showNewForm();
    void showEditForm(int row);
    void confirmSelected();
    void skipSelected();
    void deleteSelected();
    void confirmAllDue();

private:
    void buildLayout();
    const RecurringTransaction* currentSchedule() const;
    // Stores what the form describes once it is accepted.
    void runForm(RecurringFormDialog& dialog, bool isNew);
    void explainRefusal(RecurringService::ConfirmResult result, const RecurringTransaction& s);

    AppState* m_state;
    RecurringModel* m_model = nullptr;
    QTableView* m_view = nullptr;
    QLabel* m_dueCount = nullptr;
};
