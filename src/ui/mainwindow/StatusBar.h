#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The main window's status line: account count, recurring transactions due,
// the sync state, a busy indicator for long operations and short messages.
class StatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    void setAccountCount(int count);
    // Hidden for zero or less.
    void setRecurringDue(int count);
    void setSyncText(const QString& text);
    // Rows waiting for the user after a sync conflict, a link to the list of
    // them; hidden for zero.
    void setConflictCount(int count);
    void startBusy(const QString& text);
    void stopBusy();
    // Ends any busy display first; a message and a spinning bar never share the line.
    void showTransientMessage(const QString& text, int timeoutMs);
    // Colours of the labels for the current palette.
    void applyStyle();

Q_SIGNALS:
    void conflictsRequested();

private:
    QLabel* m_accountCount;
    QLabel* m_recurringDue;
    QLabel* m_busyText;
    QProgressBar* m_busyIndicator;
    QLabel* m_syncLabel;
    QLabel* m_conflicts;
};
