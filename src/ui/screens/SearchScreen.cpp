#include "SearchScreen.h"

#include "SearchResultsModel.h"
#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/TransactionRepository.h"
#include "ui/register/RegisterModel.h"
#include "ui/widgets/FormDateEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kDebounceMs = 300;

QDateEdit* dateEdit(const QDate& date)
{
    auto* edit = new FormDateEdit(date);
    edit->setEnabled(false);
    return edit;
}

} // namespace

SearchScreen::SearchScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    m_model = new RegisterModel(this);
    m_model->setEntryRowShown(false);
    // Found transactions read newest first, as the search finds them.
    m_model->sort(RegisterModel::DateColumn, Qt::DescendingOrder);
    m_results = new SearchResultsModel(m_model, this);
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(kDebounceMs);
    connect(&m_debounce, &QTimer::timeout, this, &SearchScreen::performSearch);
    buildLayout();
}

void SearchScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);

    m_search = new QLineEdit;
    m_search->setObjectName(QStringLiteral("searchLine"));
    m_search->setPlaceholderText(tr("Search payee, memo, check number..."));
    m_search->setClearButtonEnabled(true);
    connect(m_search, &QLineEdit::textChanged, &m_debounce, qOverload<>(&QTimer::start));
    layout->addWidget(m_search);

    m_accounts = new QComboBox;
    m_accounts->setObjectName(QStringLiteral("accountCombo"));
    m_categories = new QComboBox;
    m_categories->setObjectName(QStringLiteral("categoryCombo"));
    m_dateRange = new QCheckBox(tr("Date range:"));
    m_dateRange->setObjectName(QStringLiteral("dateRangeCheck"));
    const QDate today = Clock::today();
    m_from = dateEdit(today.addMonths(-1));
    m_from->setObjectName(QStringLiteral("fromDate"));
    m_to = dateEdit(today);
    m_to->setObjectName(QStringLiteral("toDate"));
    m_clearedOnly = new QCheckBox(tr("Cleared only"));
    m_clearedOnly->setObjectName(QStringLiteral("clearedOnlyCheck"));

    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(tr("Account:")));
    filters->addWidget(m_accounts);
    filters->addWidget(new QLabel(tr("Category:")));
    filters->addWidget(m_categories);
    filters->addWidget(m_dateRange);
    filters->addWidget(m_from);
    filters->addWidget(new QLabel(tr("to")));
    filters->addWidget(m_to);
    filters->addWidget(m_clearedOnly);
    filters->addStretch();
    layout->addLayout(filters);

    const auto searchNow = [this] {
        m_debounce.stop();
        performSearch();
    };
    connect(m_accounts, &QComboBox::currentIndexChanged, this, searchNow);
    connect(m_categories, &QComboBox::currentIndexChanged, this, searchNow);
    connect(m_clearedOnly, &QCheckBox::toggled, this, searchNow);
    connect(m_dateRange, &QCheckBox::toggled, this, [this, searchNow](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        searchNow();
    });
    for (QDateEdit* edit : { m_from, m_to }) {
        connect(edit, &QDateEdit::dateChanged, this, [this, searchNow] {
            if (m_dateRange->isChecked())
                searchNow();
        });
    }

    m_view = new QTableView;
    m_view->setObjectName(QStringLiteral("resultsView"));
    m_view->setModel(m_results);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->setWordWrap(false);
    // Found rows come from many accounts: a running balance means nothing here.
    m_view->setColumnHidden(RegisterModel::BalanceColumn, true);
    QHeaderView* header = m_view->horizontalHeader();
    for (int column :
        { RegisterModel::PayeeColumn, RegisterModel::CategoryColumn, RegisterModel::MemoColumn })
        header->setSectionResizeMode(column, QHeaderView::Stretch);
    header->moveSection(m_results->accountColumn(), RegisterModel::DateColumn + 1);
    header->setSectionResizeMode(m_results->accountColumn(), QHeaderView::ResizeToContents);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &SearchScreen::requestEdit);
    m_view->installEventFilter(this);
    layout->addWidget(m_view, 1);
    // Said in the middle of the empty table, where the rows would be.
    m_noMatches = new QLabel(tr("No matches"));
    m_noMatches->setObjectName(QStringLiteral("noMatchesLabel"));
    m_noMatches->setAlignment(Qt::AlignCenter);
    m_noMatches->hide();
    auto* empty = new QVBoxLayout(m_view->viewport());
    empty->addWidget(m_noMatches);
}

bool SearchScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            requestEdit(m_view->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchScreen::requestEdit(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    if (const TransactionRow* t = m_model->transactionAt(index.row()))
        Q_EMIT editTransactionRequested(t->id);
}

void SearchScreen::refreshFilters()
{
    {
        const QSignalBlocker accountsQuiet(m_accounts);
        const QSignalBlocker categoriesQuiet(m_categories);
        QHash<QString, Currency> currencies;
        QHash<QString, QString> names;
        m_accounts->clear();
        m_accounts->addItem(tr("All Accounts"), QString());
        for (const Account& a : m_state->accounts()->findAll()) {
            m_accounts->addItem(a.name, a.id);
            currencies.insert(a.id, a.currency);
            names.insert(a.id, a.name);
        }
        m_results->setAccountNames(std::move(names));
        m_categories->clear();
        m_categories->addItem(tr("All Categories"), QString());
        for (const Category& c : m_state->categories()->findAll())
            m_categories->addItem(c.name, c.id);
        m_model->setAccountCurrencies(std::move(currencies));
    }
    m_debounce.stop();
    performSearch();
}

void SearchScreen::focusSearch()
{
    m_search->setFocus(Qt::OtherFocusReason);
    m_search->selectAll();
}

SearchFilter SearchScreen::currentFilter() const
{
    SearchFilter filter;
    filter.accountId = m_accounts->currentData().toString();
    filter.categoryId = m_categories->currentData().toString();
    if (m_dateRange->isChecked()) {
        filter.from = m_from->date();
        filter.to = m_to->date();
    }
    if (m_clearedOnly->isChecked())
        filter.cleared = true;
    return filter;
}

void SearchScreen::performSearch()
{
    m_model->setRows(m_state->transactions()->search(m_search->text().trimmed(), currentFilter()));
    m_noMatches->setVisible(m_model->rowCount() == 0);
}
