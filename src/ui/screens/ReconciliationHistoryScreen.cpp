#include "ReconciliationHistoryScreen.h"

#include "app/AppState.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/AccountRepository.h"
#include "data/Money.h"
#include "data/ReconciliationRepository.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char* const kMuted = "#6E8A7E";

QTableWidgetItem* item(const QString& text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* cell = new QTableWidgetItem(text);
    cell->setTextAlignment(alignment | Qt::AlignVCenter);
    return cell;
}

} // namespace

ReconciliationHistoryScreen::ReconciliationHistoryScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(12);

    m_title = new QLabel(tr("Reconciliation History"));
    m_title->setObjectName(QStringLiteral("historyTitle"));
    m_title->setTextFormat(Qt::PlainText);
    ThemeManager::setFontRole(m_title, ThemeManager::Title);
    layout->addWidget(m_title);
    auto* subtitle = new QLabel(tr("Past reconciliations for this account."));
    subtitle->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(kMuted)));
    layout->addWidget(subtitle);
    layout->addSpacing(8);

    m_table = new QTableWidget(0, 4);
    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setHorizontalHeaderLabels({ tr("Statement Date"), tr("Statement Balance"),
        tr("Reconciled Balance"), tr("Completed") });
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    layout->addWidget(m_table, 1);

    m_empty = new QLabel(tr("No reconciliations yet. Reconcile your account from the register "
                            "to see the history here."));
    m_empty->setObjectName(QStringLiteral("historyEmpty"));
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_empty->setStyleSheet(QStringLiteral("color: %1; padding: 32px;").arg(QLatin1String(kMuted)));
    m_empty->hide();
    layout->addWidget(m_empty, 1);

    // A reconciliation finished while the history is open shows up in it.
    connect(state->reconciliations(), &ReconciliationRepository::reconciliationsChanged, this,
        &ReconciliationHistoryScreen::refresh);
    connect(state->themeManager(), &ThemeManager::themeChanged, this,
        &ReconciliationHistoryScreen::refresh);
}

void ReconciliationHistoryScreen::setAccount(const QString& accountId)
{
    m_accountId = accountId;
    refresh();
}

void ReconciliationHistoryScreen::refresh()
{
    if (m_accountId.isEmpty())
        return;
    const auto account = m_state->accounts()->findById(m_accountId);
    if (account)
        m_title->setText(tr("Reconciliation History — %1").arg(account->name));
    const Currency currency = account ? account->currency : Currency::USD;
    const QList<Reconciliation> history = m_state->reconciliations()->findByAccount(m_accountId);
    m_table->setVisible(!history.isEmpty());
    m_empty->setVisible(history.isEmpty());
    m_table->setRowCount(int(history.size()));
    const QColor negative = ThemeColors::pick(ThemeColors::kRed);
    const auto money = [&](qint64 amount) {
        QTableWidgetItem* cell = item(Money::formatMoney(amount, currency), Qt::AlignRight);
        if (amount < 0)
            cell->setForeground(negative);
        return cell;
    };
    const QLocale locale;
    for (int row = 0; row < history.size(); ++row) {
        const Reconciliation& r = history.at(row);
        m_table->setItem(
            row, 0, item(locale.toString(r.statementDate, QStringLiteral("MMM d, yyyy"))));
        m_table->setItem(row, 1, money(r.statementBalance));
        m_table->setItem(row, 2, money(r.reconciledBalance));
        m_table->setItem(row, 3,
            item(locale.toString(
                r.completedAt.toLocalTime(), QStringLiteral("MMM d, yyyy h:mm ap"))));
    }
}
