#pragma once

#include "data/Currency.h"
#include "services/ReportRows.h"

#include <QWidget>
#include <array>
#include <functional>

class AppState;
class FormDateEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class ReportChart;
class ReportTableModel;

// The reports in eight tabs over one account filter and one period. Only the
// tab on screen is computed; the others wait until they are shown, so a large
// ledger never holds the window up for reports nobody looks at.
class ReportsScreen : public QWidget {
    Q_OBJECT

public:
    enum Tab {
        CategorySpendingTab,
        PayeeSummaryTab,
        TaxReportTab,
        IncomeVsExpensesTab,
        CashFlowTab,
        YearOverYearTab,
        AccountSummaryTab,
        TransactionsTab,
        TabCount
    };

    explicit ReportsScreen(AppState* state, QWidget* parent = nullptr);

    // Reads the accounts and categories again, keeping the choices, and runs the reports.
    void refresh();
    // Writes the tab's table as CSV text in UTF-8; false when the file cannot be written.
    bool writeCsv(int tab, const QString& path) const;
    static QString csvFileName(int tab);
    // Writes the tab on screen to `path`, saying so when it cannot.
    void exportTo(const QString& path);

    QTabWidget* tabs() const { return m_tabs; }
    ReportTableModel* model(int tab) const { return m_models.at(tab); }
    QTableView* table(int tab) const { return m_tables.at(tab); }
    // Null for the tabs without a chart.
    ReportChart* chart(int tab) const { return m_charts.at(tab); }
    QComboBox* accountBox() const { return m_account; }
    QComboBox* periodBox() const { return m_period; }
    QComboBox* compareBox() const { return m_compare; }
    QComboBox* categoryBox() const { return m_category; }
    FormDateEdit* startEdit() const { return m_start; }
    FormDateEdit* endEdit() const { return m_end; }
    QCheckBox* chartToggle() const { return m_showChart; }
    QLabel* rangeLabel() const { return m_range; }
    // How many times a tab's report was computed, for the lazy running.
    int runCount(int tab) const { return m_runs.at(tab); }

public Q_SLOTS:
    void onDatePresetChanged(int index);
    void onFilterChanged();
    // Marks every tab out of date and computes the one on screen.
    void runReport();
    void exportCurrentTab();

private:
    void buildLayout();
    QWidget* buildFilterBar();
    QWidget* buildComparePage();
    QWidget* buildTransactionsPage();
    QWidget* tablePage(int tab, QWidget* above = nullptr);
    void fillAccounts();
    void fillCategories();
    void onComparePresetChanged(int index);
    void onTabShown(int tab);
    void showCharts(bool shown);
    void runTab(int tab);
    void fillCategorySpending(const ReportPeriod& period);
    void fillPayees(const ReportPeriod& period);
    void fillTax(const ReportPeriod& period);
    void fillMonths(int tab, const QList<MonthTotals>& rows);
    void fillComparison();
    void fillAccountSummary();
    void fillTransactions(const ReportPeriod& period);
    ReportPeriod period() const;
    ReportScope scope() const;
    // Every account in the chosen currency: the reports that take no account.
    ReportScope currencyScope() const;
    // The currency the figures are in: the chosen account's or the chosen one.
    Currency currency() const;
    QString money(qint64 amount) const;
    void updateRangeLabels();

    AppState* m_state;
    bool m_filling = false;
    bool m_oneCurrency = true;
    QComboBox* m_account = nullptr;
    QComboBox* m_period = nullptr;
    FormDateEdit* m_start = nullptr;
    FormDateEdit* m_end = nullptr;
    QLabel* m_range = nullptr;
    QCheckBox* m_showChart = nullptr;
    QPushButton* m_export = nullptr;
    QTabWidget* m_tabs = nullptr;
    QComboBox* m_compare = nullptr;
    std::array<FormDateEdit*, 4> m_compareDates {};
    QLabel* m_compareRange = nullptr;
    QComboBox* m_category = nullptr;
    std::array<ReportTableModel*, TabCount> m_models {};
    std::array<QTableView*, TabCount> m_tables {};
    std::array<ReportChart*, TabCount> m_charts {};
    std::array<bool, TabCount> m_stale {};
    std::array<int, TabCount> m_runs {};
};
