#pragma once

#include <QStringList>
#include <QWidget>

class AppState;
class QLineEdit;
class QTreeWidget;

// Every payee of the live transactions with how often it is used; renames
// the selected payees, or merges them into one.
class PayeeScreen : public QWidget {
    Q_OBJECT

public:
    enum Column { PayeeColumn = 0, CountColumn, SimilarColumn };

    explicit PayeeScreen(AppState* state, QWidget* parent = nullptr);

    void reload();

    QTreeWidget* list() const { return m_list; }
    QLineEdit* renameLine() const { return m_renameTo; }
    // The selected payees in list order.
    QStringList selectedPayees() const;

Q_SIGNALS:
    void payeesChanged();

public Q_SLOTS:
    void onRename();
    void onMerge();

private:
    void buildLayout();
    // Renames `payees` to `name` and says how it went.
    void apply(const QStringList& payees, const QString& name, bool merging);

    AppState* m_state;
    QTreeWidget* m_list = nullptr;
    QLineEdit* m_renameTo = nullptr;
};
