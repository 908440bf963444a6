#include "ReportsScreen.h"

#include "ReportChart.h"
#include "ReportPeriods.h"
#include "ReportRunner.h"
#include "ReportTableModel.h"
#include "ReportTables.h"
#include "ReportTabs.h"
#include "app/AppState.h"
#include "app/ThemeManager.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/DateText.h"
#include "data/Money.h"
#include "services/ReportService.h"
#include "ui/widgets/CategoryChoices.h"
#include "ui/widgets/FormDateEdit.h"
#include "ui/widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char* const kMuted = "#6E8A7E";
const char* const kShowChartKey = "reports/showChart";
constexpr int kCurrencyRole = Qt::UserRole + 1;

QString shortDate(const QDate& date)
{
    return DateText::format(date);
}

QString rangeText(const ReportPeriod& period)
{
    return QStringLiteral("%1 – %2").arg(shortDate(period.start), shortDate(period.end));
}

QString listedCell(const ListedTransaction& t, int column, Currency c)
{
    switch (column) {
    case 0: return DateText::format(t.date);
    case 1: return t.account;
    case 2: return t.payee;
    case 3: return t.split ? ReportsScreen::tr("—Split—") : t.category;
    case 4: return t.memo;
    default: return Money::formatMoney(t.amount, c);
    }
}

} // namespace

ReportsScreen::ReportsScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_runner(std::make_unique<ReportRunner>(state->database()))
{
    connect(m_runner.get(), &ReportRunner::delivered, this, [this](int tab) {
        updateExport();
        Q_EMIT tabUpdated(tab);
    });
    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(kTypingDelayMs);
    connect(m_typing, &QTimer::timeout, this, &ReportsScreen::runReport);
    m_filling = true;
    buildLayout();
    fillAccounts();
    fillCategories();
    onComparePresetChanged(0);
    onDatePresetChanged(0);
    m_filling = false;
    runReport();
}

ReportsScreen::~ReportsScreen() = default;

void ReportsScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    auto* title = new QLabel(tr("Reports"));
    title->setProperty("mellFontWeight", 700);
    ThemeManager::setFontRole(title, ThemeManager::Heading);
    layout->addWidget(title);
    layout->addWidget(buildFilterBar());

    struct Columns {
        QStringList headers;
        QList<int> amounts;
    };
    const std::array<Columns, TabCount> columns { {
        { { tr("Category"), tr("Total") }, { 1 } },
        { { tr("Payee"), tr("Total"), tr("Count") }, { 1, 2 } },
        { { tr("Category"), tr("Tax Code"), tr("Total") }, { 2 } },
        { { tr("Month"), tr("Income"), tr("Expenses"), tr("Net") }, { 1, 2, 3 } },
        { { tr("Month"), tr("Inflows"), tr("Outflows"), tr("Net") }, { 1, 2, 3 } },
        { { tr("Category"), tr("Period 1"), tr("Period 2"), tr("Difference") }, { 1, 2, 3 } },
        { { tr("Account"), tr("Type"), tr("Cleared"), tr("Uncleared"), tr("Total") }, { 2, 3, 4 } },
        { { tr("Date"), tr("Account"), tr("Payee"), tr("Category"), tr("Memo"), tr("Amount") },
            { 5 } },
    } };
    for (int tab = 0; tab < TabCount; ++tab)
        m_models[tab] = new ReportTableModel(columns[tab].headers, columns[tab].amounts, this);

    m_tabs = new ReportTabs;
    const std::array<QString, TabCount> names { tr("Category Spending"), tr("Payee Summary"),
        tr("Tax Report"), tr("Income vs Expenses"), tr("Cash Flow"), tr("Year-over-Year"),
        tr("Account Summary"), tr("Transactions") };
    for (const int tab : { CategorySpendingTab, IncomeVsExpensesTab, CashFlowTab })
        m_charts[tab] = new ReportChart;
    for (int tab = 0; tab < TabCount; ++tab) {
        QWidget* above = m_charts[tab];
        if (tab == YearOverYearTab)
            above = buildComparePage();
        else if (tab == TransactionsTab)
            above = buildTransactionsPage();
        m_tabs->addTab(tablePage(tab, above), names[tab]);
        m_tabs->setTabToolTip(tab, names[tab]);
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &ReportsScreen::onTabShown);
    layout->addWidget(m_tabs, 1);
    showCharts(m_showChart->isChecked());
}

QWidget* ReportsScreen::buildFilterBar()
{
    auto* bar = new QWidget;
    auto* rows = new QVBoxLayout(bar);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    auto* second = new QHBoxLayout;
    rows->addLayout(row);
    rows->addLayout(second);
    m_account = new QComboBox;
    m_account->setObjectName(QStringLiteral("accountFilter"));
    m_account->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_account, &QComboBox::currentIndexChanged, this, &ReportsScreen::onFilterChanged);

    m_period = new QComboBox;
    m_period->setObjectName(QStringLiteral("periodPreset"));
    m_period->addItems({ tr("This Month"), tr("Last Month"), tr("This Quarter"), tr("Last Quarter"),
        tr("This Year"), tr("Last Year"), tr("Last 30 Days"), tr("Last 90 Days"),
        tr("Last 12 Months"), tr("All Time"), tr("Custom") });
    connect(m_period, &QComboBox::currentIndexChanged, this, &ReportsScreen::onDatePresetChanged);

    m_start = new FormDateEdit(Clock::today());
    m_end = new FormDateEdit(Clock::today());
    for (FormDateEdit* edit : { m_start, m_end }) {
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            // A date typed over a preset's makes the period the user's own.
            if (!m_filling && m_period->currentIndex() != int(ReportPeriods::Preset::Custom)) {
                const QSignalBlocker quiet(m_period);
                m_period->setCurrentIndex(int(ReportPeriods::Preset::Custom));
            }
            updateRangeLabels();
            if (!m_filling)
                m_typing->start();
        });
    }
    m_range = new QLabel;
    m_range->setStyleSheet(QStringLiteral("color: %1;").arg(kMuted));

    m_showChart = new QCheckBox(tr("Show Chart"));
    m_showChart->setChecked(QSettings().value(kShowChartKey, true).toBool());
    connect(m_showChart, &QCheckBox::toggled, this, [this](bool shown) {
        QSettings().setValue(kShowChartKey, shown);
        showCharts(shown);
    });
    m_export = new QPushButton(tr("Export CSV"));
    m_export->setObjectName(QStringLiteral("exportButton"));
    connect(m_export, &QPushButton::clicked, this, &ReportsScreen::exportCurrentTab);

    row->addWidget(new QLabel(tr("Account:")));
    row->addWidget(m_account);
    row->addSpacing(12);
    row->addWidget(new QLabel(tr("Period:")));
    row->addWidget(m_period);
    row->addWidget(m_start);
    row->addWidget(m_end);
    row->addStretch();
    // The range, the chart switch and the export on a line of their own keep
    // the window narrow enough for a laptop screen.
    second->addWidget(m_range);
    second->addStretch();
    second->addWidget(m_showChart);
    second->addWidget(m_export);
    return bar;
}

QWidget* ReportsScreen::buildComparePage()
{
    auto* bar = new QWidget;
    auto* rows = new QVBoxLayout(bar);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    m_compare = new QComboBox;
    m_compare->setObjectName(QStringLiteral("comparePreset"));
    m_compare->addItems({ tr("This Year vs Last Year"), tr("Last Year vs Year Before"),
        tr("This Quarter vs Last Quarter"), tr("Custom") });
    connect(
        m_compare, &QComboBox::currentIndexChanged, this, &ReportsScreen::onComparePresetChanged);
    row->addWidget(new QLabel(tr("Compare:")));
    row->addWidget(m_compare);
    for (int i = 0; i < 4; ++i) {
        if (i % 2 == 0)
            row->addWidget(new QLabel(i == 0 ? tr("P1:") : tr("P2:")));
        m_compareDates[i] = new FormDateEdit(Clock::today());
        connect(m_compareDates[i], &QDateEdit::dateChanged, this, [this] {
            if (!m_filling && m_compare->currentIndex() != int(ReportPeriods::Comparison::Custom)) {
                const QSignalBlocker quiet(m_compare);
                m_compare->setCurrentIndex(int(ReportPeriods::Comparison::Custom));
            }
            updateRangeLabels();
            if (!m_filling)
                m_typing->start();
        });
        row->addWidget(m_compareDates[i]);
    }
    m_compareRange = new QLabel;
    m_compareRange->setStyleSheet(QStringLiteral("color: %1;").arg(kMuted));
    row->addStretch();
    rows->addWidget(m_compareRange);
    return bar;
}

QWidget* ReportsScreen::buildTransactionsPage()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_category = new QComboBox;
    m_category->setObjectName(QStringLiteral("categoryFilter"));
    m_category->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_category, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            runReport();
    });
    m_listSize = new QLabel;
    m_listSize->setStyleSheet(QStringLiteral("color: %1;").arg(kMuted));
    m_showMore = new QPushButton(tr("Show More"));
    m_showMore->setObjectName(QStringLiteral("showMoreButton"));
    m_showMore->hide();
    connect(m_showMore, &QPushButton::clicked, this, &ReportsScreen::showMore);
    row->addWidget(new QLabel(tr("Category:")));
    row->addWidget(m_category);
    row->addStretch();
    row->addWidget(m_listSize);
    row->addWidget(m_showMore);
    return bar;
}

QWidget* ReportsScreen::tablePage(int tab, QWidget* above)
{
    auto* table = new QTableView;
    table->setModel(m_models[tab]);
    table->setAlternatingRowColors(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Rows of one height let the view skip measuring a million of them.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tables[tab] = table;

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    if (m_charts[tab]) {
        auto* split = new QSplitter(Qt::Vertical);
        split->addWidget(m_charts[tab]);
        split->addWidget(table);
        split->setStretchFactor(0, 3);
        split->setStretchFactor(1, 2);
        layout->addWidget(split);
        return page;
    }
    if (above)
        layout->addWidget(above);
    layout->addWidget(table, 1);
    return page;
}

void ReportsScreen::fillAccounts()
{
    const QString chosenId = m_account->currentData().toString();
    const QString chosenCurrency = m_account->currentData(kCurrencyRole).toString();
    QList<Account> accounts = m_state->accounts()->findAll();
    std::sort(accounts.begin(), accounts.end(), [](const Account& a, const Account& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    QList<Currency> inUse;
    for (const Account& a : std::as_const(accounts)) {
        if (!inUse.contains(a.currency))
            inUse.append(a.currency);
    }
    std::sort(inUse.begin(), inUse.end());

    const bool wasFilling = std::exchange(m_filling, true);
    m_account->clear();
    m_oneCurrency = inUse.size() <= 1;
    if (m_oneCurrency) {
        m_account->addItem(tr("All Accounts"), QString());
        m_account->setItemData(0, currencyToText(inUse.value(0, Currency::USD)), kCurrencyRole);
    } else {
        for (const Currency c : std::as_const(inUse)) {
            m_account->addItem(tr("All %1 accounts").arg(currencyToText(c)), QString());
            m_account->setItemData(m_account->count() - 1, currencyToText(c), kCurrencyRole);
        }
    }
    for (const Account& a : std::as_const(accounts)) {
        m_account->addItem(a.name, a.id);
        m_account->setItemData(m_account->count() - 1, currencyToText(a.currency), kCurrencyRole);
    }
    int index = chosenId.isEmpty() ? -1 : m_account->findData(chosenId);
    for (int i = 0; index < 0 && i < m_account->count(); ++i) {
        if (m_account->itemData(i).toString().isEmpty()
            && m_account->itemData(i, kCurrencyRole).toString() == chosenCurrency)
            index = i;
    }
    m_account->setCurrentIndex(std::max(index, 0));
    m_filling = wasFilling;
}

void ReportsScreen::fillCategories()
{
    const QString chosen = m_category->currentData().toString();
    QList<Category> categories = m_state->categories()->findAll();
    const bool wasFilling = std::exchange(m_filling, true);
    m_category->clear();
    m_category->addItem(tr("All Categories"), QString());
    auto entries = CategoryChoices::entries(categories);
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    for (const auto& [text, id] : std::as_const(entries))
        m_category->addItem(text, id);
    m_category->setCurrentIndex(std::max(m_category->findData(chosen), 0));
    m_filling = wasFilling;
}

void ReportsScreen::refresh()
{
    m_filling = true;
    fillAccounts();
    fillCategories();
    // "Today" may have moved on since the window was last open.
    if (m_period->currentIndex() != int(ReportPeriods::Preset::Custom))
        onDatePresetChanged(m_period->currentIndex());
    if (m_compare->currentIndex() != int(ReportPeriods::Comparison::Custom))
        onComparePresetChanged(m_compare->currentIndex());
    m_filling = false;
    runReport();
}

void ReportsScreen::onDatePresetChanged(int index)
{
    const auto preset = ReportPeriods::Preset(index);
    if (preset != ReportPeriods::Preset::Custom) {
        const ReportPeriod period = ReportPeriods::range(preset, Clock::today(),
            preset == ReportPeriods::Preset::AllTime ? m_state->reportService()->recordedSpan()
                                                     : std::nullopt);
        const bool wasFilling = std::exchange(m_filling, true);
        m_start->setDate(period.start);
        m_end->setDate(period.end);
        m_filling = wasFilling;
    }
    updateRangeLabels();
    onFilterChanged();
}

void ReportsScreen::onComparePresetChanged(int index)
{
    const auto preset = ReportPeriods::Comparison(index);
    if (preset != ReportPeriods::Comparison::Custom) {
        const auto [first, second] = ReportPeriods::comparison(preset, Clock::today());
        const bool wasFilling = std::exchange(m_filling, true);
        m_compareDates[0]->setDate(first.start);
        m_compareDates[1]->setDate(first.end);
        m_compareDates[2]->setDate(second.start);
        m_compareDates[3]->setDate(second.end);
        m_filling = wasFilling;
    }
    updateRangeLabels();
    if (!m_filling)
        runReport();
}

void ReportsScreen::updateRangeLabels()
{
    m_range->setText(rangeText(period()));
    m_compareRange->setText(
        tr("P1: %1 – %2    P2: %3 – %4")
            .arg(shortDate(m_compareDates[0]->date()), shortDate(m_compareDates[1]->date()),
                shortDate(m_compareDates[2]->date()), shortDate(m_compareDates[3]->date())));
}

void ReportsScreen::onFilterChanged()
{
    if (!m_filling)
        runReport();
}

void ReportsScreen::runReport()
{
    m_typing->stop();
    // Whatever was asked under the old filters would only be thrown away.
    for (int tab = 0; tab < TabCount; ++tab)
        m_runner->cancel(tab);
    m_stale.fill(true);
    runTab(m_tabs->currentIndex());
}

bool ReportsScreen::isComputing(int tab) const
{
    return m_runner->isPending(tab);
}

void ReportsScreen::updateExport()
{
    m_export->setEnabled(!isComputing(m_tabs->currentIndex()));
    m_showMore->setEnabled(!isComputing(TransactionsTab));
}

void ReportsScreen::onTabShown(int tab)
{
    if (tab >= 0 && m_stale.at(tab))
        runTab(tab);
    updateExport();
}

void ReportsScreen::showCharts(bool shown)
{
    for (ReportChart* chart : m_charts) {
        if (chart)
            chart->setVisible(shown);
    }
}

ReportPeriod ReportsScreen::period() const
{
    return { m_start->date(), m_end->date() };
}

ReportScope ReportsScreen::scope() const
{
    const QString accountId = m_account->currentData().toString();
    if (!accountId.isEmpty())
        return { accountId, std::nullopt };
    return currencyScope();
}

ReportScope ReportsScreen::currencyScope() const
{
    if (m_oneCurrency)
        return {};
    return { QString(), currency() };
}

Currency ReportsScreen::currency() const
{
    return currencyFromText(m_account->currentData(kCurrencyRole).toString());
}

template <class Compute, class Show>
void ReportsScreen::request(int tab, Compute compute, Show show)
{
    m_runner->post(tab, [compute, show](const ReportService& service) -> ReportRunner::Apply {
        return [show, rows = compute(service)] { show(rows); };
    });
    updateExport();
}

void ReportsScreen::runTab(int tab)
{
    if (tab < 0 || tab >= TabCount)
        return;
    m_stale[tab] = false;
    ++m_runs[tab];
    const ReportPeriod p = period();
    const ReportScope s = scope();
    // Taxes and the account summary cover every account; only the currency
    // narrows them, since amounts in different currencies cannot be added up.
    const ReportScope all = currencyScope();
    switch (Tab(tab)) {
    case CategorySpendingTab:
        request(
            tab, [p, s](const ReportService& r) { return r.categorySpending(p, s); },
            [this](const QList<CategoryTotal>& rows) {
                ReportTables::showCategorySpending(
                    m_models[CategorySpendingTab], m_charts[CategorySpendingTab], rows, currency());
            });
        break;
    case PayeeSummaryTab:
        request(
            tab, [p, s](const ReportService& r) { return r.payeeSummary(p, s); },
            [this](const QList<PayeeTotal>& rows) {
                ReportTables::showPayees(m_models[PayeeSummaryTab], rows, currency());
            });
        break;
    case TaxReportTab:
        request(
            tab, [p, all](const ReportService& r) { return r.taxReport(p, all); },
            [this](const QList<TaxLine>& rows) {
                ReportTables::showTax(m_models[TaxReportTab], rows, currency());
            });
        break;
    case IncomeVsExpensesTab:
        request(
            tab, [p, s](const ReportService& r) { return r.incomeVsExpenses(p, s); },
            [this](const QList<MonthTotals>& rows) { showMonths(IncomeVsExpensesTab, rows); });
        break;
    case CashFlowTab:
        request(
            tab, [p, s](const ReportService& r) { return r.cashFlow(p, s); },
            [this](const QList<MonthTotals>& rows) { showMonths(CashFlowTab, rows); });
        break;
    case YearOverYearTab: {
        const ReportPeriod first { m_compareDates[0]->date(), m_compareDates[1]->date() };
        const ReportPeriod second { m_compareDates[2]->date(), m_compareDates[3]->date() };
        request(
            tab,
            [first, second, s](
                const ReportService& r) { return r.categoryComparison(first, second, s); },
            [this](const QList<CategoryChange>& rows) {
                ReportTables::showComparison(m_models[YearOverYearTab], rows, currency());
            });
        break;
    }
    case AccountSummaryTab:
        request(
            tab, [all](const ReportService& r) { return r.accountSummary(all); },
            [this](const QList<AccountLine>& rows) {
                ReportTables::showAccountSummary(m_models[AccountSummaryTab], rows);
            });
        break;
    case TransactionsTab: {
        const ListQuery q { p, s, m_category->currentData().toString(), currency() };
        request(
            tab,
            [q](const ReportService& r) {
                return std::make_pair(r.transactionListSize(q.period, q.scope, q.categoryId),
                    r.transactionList(q.period, q.scope, q.categoryId, kPageSize));
            },
            [this, q](const std::pair<ListedSize, QList<ListedTransaction>>& page) {
                m_listQuery = q;
                fillTransactions(page.first, page.second);
            });
        break;
    }
    case TabCount: break;
    }
}

void ReportsScreen::showMonths(int tab, const QList<MonthTotals>& rows)
{
    ReportTables::showMonths(
        m_models[tab], m_charts[tab], rows, currency(), tab == IncomeVsExpensesTab);
}

void ReportsScreen::fillTransactions(const ListedSize& size, const QList<ListedTransaction>& page)
{
    m_listedSize = size;
    m_listed = page;
    const Currency c = m_listQuery.currency;
    m_models[TransactionsTab]->setRows(int(m_listed.size()),
        [this, c](int row, int column) { return listedCell(m_listed.at(row), column, c); });
    updateListSize();
}

void ReportsScreen::showMore()
{
    if (isComputing(TransactionsTab) || m_listed.size() >= m_listedSize.count)
        return;
    const ListQuery q = m_listQuery;
    const int offset = int(m_listed.size());
    request(
        TransactionsTab,
        [q, offset](const ReportService& r) {
            return r.transactionList(q.period, q.scope, q.categoryId, kPageSize, offset);
        },
        [this](const QList<ListedTransaction>& page) {
            m_listed += page;
            m_models[TransactionsTab]->appendRows(int(page.size()));
            updateListSize();
        });
}

void ReportsScreen::updateListSize()
{
    const int shown = int(m_listed.size());
    const QString total = Money::formatMoney(m_listedSize.total, m_listQuery.currency);
    m_listSize->setText(shown < m_listedSize.count
            ? tr("Rows: %1 of %2 · Total: %3")
                  .arg(QLocale().toString(shown), QLocale().toString(m_listedSize.count), total)
            : tr("Rows: %1 · Total: %2").arg(QLocale().toString(shown), total));
    m_showMore->setVisible(shown < m_listedSize.count);
}

QString ReportsScreen::csvFileName(int tab)
{
    static const std::array<const char*, TabCount> names { "category_spending.csv",
        "payee_summary.csv", "tax_report.csv", "income_vs_expenses.csv", "cash_flow.csv",
        "year_over_year.csv", "account_summary.csv", "transactions.csv" };
    return QString::fromLatin1(names.at(tab));
}

namespace {

// All or nothing: a failed write leaves whatever file was there before.
bool writeUtf8(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

QList<QStringList> ReportsScreen::listedTexts(
    const ReportService& reports, const ListQuery& q, int columns)
{
    const QList<ListedTransaction> listed
        = reports.transactionList(q.period, q.scope, q.categoryId);
    QList<QStringList> rows;
    rows.reserve(listed.size());
    for (const ListedTransaction& t : listed) {
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells << listedCell(t, column, q.currency);
        rows << cells;
    }
    return rows;
}

bool ReportsScreen::writeCsv(int tab, const QString& path) const
{
    const ReportTableModel* model = m_models.at(tab);
    // The table shows pages; the file gets the whole list it stands for.
    const QList<QStringList> rows = tab == TransactionsTab
        ? listedTexts(*m_state->reportService(), m_listQuery, model->columnCount())
        : model->texts();
    return writeUtf8(path, ReportService::csvText(model->headers(), rows, model->amountColumns()));
}

void ReportsScreen::exportCurrentTab()
{
    const int tab = m_tabs->currentIndex();
    if (m_stale.at(tab))
        runTab(tab);
    // The button stays disabled until the result is in.
    if (isComputing(tab) || m_models.at(tab)->rowCount() == 0)
        return;
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export CSV"), csvFileName(tab), tr("CSV Files (*.csv)"));
    if (!path.isEmpty())
        exportTo(path);
}

void ReportsScreen::exportTo(const QString& path)
{
    const int tab = m_tabs->currentIndex();
    const auto done = [this, path](bool written) {
        if (!written)
            MessageBoxes::warning(
                this, tr("Export Failed"), tr("Could not write to:\n%1").arg(path));
        Q_EMIT exported(path, written);
    };
    if (tab != TransactionsTab) {
        done(writeCsv(tab, path));
        return;
    }
    // A million rows take seconds to read and write: not on the window's thread.
    const ReportTableModel* model = m_models.at(tab);
    if (!m_exports)
        m_exports = std::make_unique<ReportRunner>(m_state->database());
    m_exports->post(0,
        [runner = m_exports.get(), q = m_listQuery, headers = model->headers(),
            amounts = model->amountColumns(), path,
            done](const ReportService& reports) -> ReportRunner::Apply {
            const QList<QStringList> rows = listedTexts(reports, q, int(headers.size()));
            // A newer export or closing the window interrupts the reading:
            // never write a list cut short.
            if (runner->interrupted())
                return {};
            const bool written = writeUtf8(path, ReportService::csvText(headers, rows, amounts));
            return [done, written] { done(written); };
        });
}
