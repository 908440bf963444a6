#pragma once

#include "data/Currency.h"
#include "services/ReportRows.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class AppState;
class FormDateEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;
class ReportChart;
class ReportRunner;
class ReportService;
class ReportTableModel;

// The reports in eight tabs over one account filter and one period. Only the
// tab on screen is computed, off the window's thread; the others wait until
// they are shown. The transaction list comes a page at a time.
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

    static constexpr int kPageSize = 1000;
    // How long typed dates settle before the reports run again.
    static constexpr int kTypingDelayMs = 300;

    explicit ReportsScreen(AppState* state, QWidget* parent = nullptr);
    ~ReportsScreen() override;

    // Reads the accounts and categories again, keeping the choices, and runs the reports.
    void refresh();
    // Writes the tab's table as CSV text in UTF-8, the whole transaction list
    // however little of it is shown; false when the file cannot be written.
    bool writeCsv(int tab, const QString& path) const;
    static QString csvFileName(int tab);
    // Writes the tab on screen to `path`, saying so when it cannot. The whole
    // transaction list is read and written off the window's thread.
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
    QLabel* listSizeLabel() const { return m_listSize; }
    QPushButton* showMoreButton() const { return m_showMore; }
    QPushButton* exportButton() const { return m_export; }
    // How many times a tab's report was asked for, for the lazy running.
    int runCount(int tab) const { return m_runs.at(tab); }
    // The tab's report is being computed; its table still shows the last one.
    bool isComputing(int tab) const;

Q_SIGNALS:
    // A tab's table and chart show a new result.
    void tabUpdated(int tab);
    // An export of exportTo() is on disk (or could not be written).
    void exported(const QString& path, bool written);

public Q_SLOTS:
    void onDatePresetChanged(int index);
    void onFilterChanged();
    // Marks every tab out of date and computes the one on screen.
    void runReport();
    void exportCurrentTab();
    // The next page of the transaction list.
    void showMore();

private:
    // What the transaction list shows, to read further pages and the export.
    struct ListQuery {
        ReportPeriod period;
        ReportScope scope;
        QString categoryId;
        Currency currency = Currency::USD;
    };

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
    // Computes `compute` off the window's thread and hands its rows to `show`.
    template <class Compute, class Show> void request(int tab, Compute compute, Show show);
    void showMonths(int tab, const QList<MonthTotals>& rows);
    void fillTransactions(const ListedSize& size, const QList<ListedTransaction>& page);
    void updateListSize();
    static QList<QStringList> listedTexts(
        const ReportService& reports, const ListQuery& query, int columns);
    void updateExport();
    ReportPeriod period() const;
    ReportScope scope() const;
    // Every account in the chosen currency: the reports that take no account.
    ReportScope currencyScope() const;
    // The currency the figures are in: the chosen account's or the chosen one.
    Currency currency() const;
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
    QLabel* m_listSize = nullptr;
    QPushButton* m_showMore = nullptr;
    QTimer* m_typing = nullptr;
    ListQuery m_listQuery;
    ListedSize m_listedSize;
    QList<ListedTransaction> m_listed;
    std::array<ReportTableModel*, TabCount> m_models {};
    std::array<QTableView*, TabCount> m_tables {};
    std::array<ReportChart*, TabCount> m_charts {};
    std::array<bool, TabCount> m_stale {};
    std::array<int, TabCount> m_runs {};
    // Last, so that it stops (and drops what it would deliver) before the tables go.
    std::unique_ptr<ReportRunner> m_runner;
    // Exports of the whole transaction list, on a thread of their own so that
    // the reports never wait behind one.
    std::unique_ptr<ReportRunner> m_exports;
};
