#pragma once

#include "sync/SyncConflicts.h"

#include <QDialog>

class AppState;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// The rows changed on this computer and on another one before either saw the
// other's change, each with both sides' values next to each other; the user
// keeps this computer's side or takes the other one.
class SyncConflictsDialog : public QDialog {
    Q_OBJECT

public:
    explicit SyncConflictsDialog(AppState* state, QWidget* parent = nullptr);

    // Selects the conflict of that row, if it has one.
    void select(const QString& id);
    void reload();

private:
    void showSelected();
    void settle(bool keepMine);
    QString title(const SyncConflict& conflict) const;
    // The value of `member` as the user reads it in the program.
    QString shown(
        const SyncConflict& conflict, const QString& member, const QJsonObject& side) const;

    AppState* m_state;
    QList<SyncConflict> m_conflicts;
    QListWidget* m_list;
    QTableWidget* m_values;
    QLabel* m_note;
    QPushButton* m_keepMine;
    QPushButton* m_useTheirs;
};
