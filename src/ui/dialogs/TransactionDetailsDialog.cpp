#include "TransactionDetailsDialog.h"

#include "DeleteTransactionPrompt.h"
#include "app/AppState.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Money.h"
#include "data/RecordRules.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/TransactionService.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kShownLines = RecordRules::kMaxSplitLines;

qint64 magnitude(qint64 cents)
{
    return cents < 0 ? -cents : cents;
}

QString longDateTime(const QDateTime& utc)
{
    return utc.isValid() ? QLocale().toString(utc.toLocalTime(), QLocale::LongFormat)
                         : QString();
}

} // namespace

TransactionDetailsDialog::TransactionDetailsDialog(
    AppState* state, const Transaction& transaction, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_transaction(transaction)
{
    setWindowTitle(tr("Transaction Details"));
    const Transaction& t = m_transaction;
    if (const auto account = m_state->accounts()->findById(t.accountId))
        m_currency = account->currency;

    auto* form = new QFormLayout;
    form->addRow(tr("Date:"),
        value(
            t.date.isValid() ? QLocale().toString(t.date, QLocale::LongFormat) : QString(),
            "dateValue"));
    form->addRow(tr("Payee:"), value(t.payee, "payeeValue"));

    const QString money = Money::formatMoney(magnitude(t.amount), m_currency);
    QLabel* amount = value(t.amount < 0 ? tr("- %1").arg(money) : money, "amountValue");
    amount->setStyleSheet(
        QStringLiteral("color: %1; font-weight: 600;")
            .arg(ThemeColors::pickName(t.amount < 0 ? ThemeColors::kRed : ThemeColors::kGreen)));
    form->addRow(tr("Amount:"), amount);

    QString category;
    if (t.isSplit)
        category = tr("—Split—");
    else if (const auto c
        = t.categoryId.isEmpty() ? std::nullopt : m_state->categories()->findById(t.categoryId))
        category = c->shownName();
    form->addRow(tr("Category:"), value(category, "categoryValue"));
    QLabel* memo = value(t.memo, "memoValue");
    memo->setWordWrap(true);
    form->addRow(tr("Memo:"), memo);
    form->addRow(tr("Check #:"), value(t.checkNumber, "checkNumberValue"));
    // The other account of a shared account's transfer may not be here.
    const auto dest = t.transferDestAccountId.isEmpty()
        ? std::nullopt
        : m_state->accounts()->findById(t.transferDestAccountId);
    if (dest && !dest->deletedAt)
        form->addRow(tr("Transfer to:"), value(dest->name, "transferValue"));
    m_status = value(QString(), "statusValue");
    form->addRow(tr("Status:"), m_status);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    if (t.isSplit)
        layout->addLayout(buildSplitSection());

    QLabel* entered = secondaryLabel(
        tr("Entered: %1").arg(t.createdAt.isValid() ? longDateTime(t.createdAt) : tr("—")));
    entered->setObjectName(QStringLiteral("enteredLabel"));
    QLabel* modified = secondaryLabel(
        tr("Last modified: %1").arg(t.updatedAt.isValid() ? longDateTime(t.updatedAt) : tr("—")));
    modified->setObjectName(QStringLiteral("modifiedLabel"));
    layout->addSpacing(8);
    layout->addWidget(entered);
    layout->addWidget(modified);

    auto* buttons = new QDialogButtonBox;
    auto* edit = buttons->addButton(tr("Edit..."), QDialogButtonBox::ActionRole);
    edit->setObjectName(QStringLiteral("editButton"));
    connect(edit, &QPushButton::clicked, this, &TransactionDetailsDialog::onEdit);
    m_clearedButton = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    m_clearedButton->setObjectName(QStringLiteral("clearedButton"));
    connect(
        m_clearedButton, &QPushButton::clicked, this, &TransactionDetailsDialog::onToggleCleared);
    auto* remove = buttons->addButton(tr("Delete..."), QDialogButtonBox::DestructiveRole);
    remove->setObjectName(QStringLiteral("deleteButton"));
    connect(remove, &QPushButton::clicked, this, &TransactionDetailsDialog::onDelete);
    auto* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QPushButton* b : { edit, m_clearedButton, remove })
        b->setAutoDefault(false);
    layout->addWidget(buttons);

    setMinimumWidth(420);
    refreshStatus();
}

QLabel* TransactionDetailsDialog::value(const QString& text, const char* name)
{
    auto* label = new QLabel(text.isEmpty() ? tr("—") : text);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* TransactionDetailsDialog::secondaryLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    ThemeManager::setFontRole(label, ThemeManager::Small);
    label->setStyleSheet(
        QStringLiteral("color: %1;").arg(ThemeColors::pickName(ThemeColors::kSecondary)));
    return label;
}

QLayout* TransactionDetailsDialog::buildSplitSection()
{
    auto* section = new QVBoxLayout;
    section->addSpacing(8);
    auto* heading = new QLabel(tr("Split lines"));
    ThemeManager::setFontRole(heading, ThemeManager::Subheading);
    section->addWidget(heading);

    // An old split may hold more lines than any write path stores now: those
    // are counted and summed, not read and drawn (a widget per line of a
    // 100,000-line split takes gigabytes).
    const auto [count, sum] = m_state->splitLines()->countAndSum(m_transaction.id);
    const QList<SplitLine> lines
        = m_state->splitLines()->findByTransaction(m_transaction.id, kShownLines);
    if (lines.isEmpty()) {
        auto* none = new QLabel(tr("(no split lines on record)"));
        none->setObjectName(QStringLiteral("noSplitLinesLabel"));
        section->addWidget(none);
        return section;
    }

    auto* grid = new QGridLayout;
    grid->setObjectName(QStringLiteral("splitGrid"));
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(0, 1);
    const auto amountLabel = [this](qint64 amount) {
        auto* label = new QLabel(Money::formatMoney(magnitude(amount), m_currency));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFont(ThemeManager::monospaceFont());
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    int row = 0;
    for (const SplitLine& line : lines) {
        const auto c = m_state->categories()->findById(line.categoryId);
        auto* name = new QLabel(c ? c->shownName() : tr("(uncategorized)"));
        name->setTextFormat(Qt::PlainText);
        name->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(name, row, 0);
        grid->addWidget(amountLabel(line.amount), row, 1);
        ++row;
        if (!line.memo.isEmpty()) {
            QLabel* memo = secondaryLabel(line.memo);
            memo->setWordWrap(true);
            memo->setContentsMargins(16, 0, 0, 0);
            grid->addWidget(memo, row, 0, 1, 2);
            ++row;
        }
    }
    if (count > lines.size()) {
        QLabel* more
            = secondaryLabel(tr("… and %n more line(s)", nullptr, count - int(lines.size())));
        more->setObjectName(QStringLiteral("moreSplitLinesLabel"));
        grid->addWidget(more, row++, 0, 1, 2);
    }
    auto* separator = new QFrame;
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    grid->addWidget(separator, row++, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Total")), row, 0);
    QLabel* total = amountLabel(sum);
    total->setObjectName(QStringLiteral("splitTotalValue"));
    grid->addWidget(total, row, 1);
    section->addLayout(grid);
    return section;
}

void TransactionDetailsDialog::refreshStatus()
{
    const Transaction& t = m_transaction;
    m_status->setText(t.reconciled ? tr("Reconciled")
            : t.cleared            ? tr("Cleared")
                                   : tr("Uncleared"));
    m_clearedButton->setText(t.cleared ? tr("Mark Uncleared") : tr("Mark Cleared"));
}

void TransactionDetailsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_sized) {
        m_sized = true;
        adjustSize();
    }
}

void TransactionDetailsDialog::onEdit()
{
    m_editRequested = true;
    accept();
}

void TransactionDetailsDialog::onToggleCleared()
{
    if (!m_state->transactionService()->toggleCleared(m_transaction))
        return;
    // Show what the store now holds rather than what was meant to be written.
    if (const auto stored = m_state->transactions()->findById(m_transaction.id))
        m_transaction = *stored;
    refreshStatus();
}

void TransactionDetailsDialog::onDelete()
{
    if (!DeleteTransactionPrompt::askAndDelete(this, m_state, m_transaction))
        return;
    m_deleted = true;
    // Nothing is left to show or act on.
    accept();
}
