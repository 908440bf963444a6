#pragma once

#include <QObject>

class PreferencesRepository;
class QPoint;
class QTableView;
class RegisterModel;

// The user's column widths, hidden columns and sort, kept in QSettings under
// "register/...", and the header's "Show columns" menu. Columns the user has
// not sized fit the register's width: dates, numbers and amounts take what
// their content needs and Payee, Category and Memo share the rest. When the
// register is too narrow for that, the others give way and Balance stays in
// view in full.
class RegisterColumnLayout : public QObject {
    Q_OBJECT

public:
    RegisterColumnLayout(QTableView* view, RegisterModel* model, PreferencesRepository* preferences,
        QObject* parent = nullptr);

    void restore();
    void reset();
    void showHeaderMenu(const QPoint& pos);
    // Memo is hidden in two-line mode; otherwise as the user left it.
    void applyMemoVisibility(bool twoLine);
    bool isRestoring() const { return m_restoring; }
    // Sizes the columns without a stored width to the view's width.
    void fitToWidth();

    // Default width of a column, grown with font scales above 100 %.
    static int defaultWidth(int column);

private:
    // The stages of giving way when the register is too narrow: amounts lose
    // their spare room, then Date loses its calendar room and Chk # shrinks to
    // its header, then the texts below theirs, then the amount and mark headers
    // may be cut, and last the texts, Chk # and Clr go to the header's minimum.
    // Dates and amounts stay whole throughout.
    static constexpr int kStages = 5;

    // What a date, number or amount column needs for its widest text; `roomy`
    // also leaves amounts room for large figures to come and the header its text.
    int contentWidth(int column, bool roomy) const;
    QString widestAmount(int column, bool roomy) const;
    // How narrow an automatic column may become at a stage of giving way (0: none yet).
    int narrowest(int column, int stage) const;
    void onSectionResized(int index, int oldSize, int newSize);
    void onSortChanged(int column, Qt::SortOrder order);
    void setColumnHidden(int column, bool hidden);

    QTableView* m_view;
    RegisterModel* m_model;
    PreferencesRepository* m_preferences;
    bool m_restoring = false;
    bool m_fitting = false;
};
