#include "AccountSidebar.h"

#include "AccountRowWidget.h"
#include "ListResizeWatcher.h"
#include "app/DisplaySettings.h"
#include "app/ThemeManager.h"
#include "data/Money.h"

#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int kSidebarMinWidth = 260;
constexpr int kSidebarMaxWidth = 500;
constexpr int kShortcutCount = 10;
// The item padding of the style sheet (7px above and below) comes off the
// rectangle the row widget gets; the row keeps its full height within it.
constexpr int kRowPadding = 14;

} // namespace

AccountSidebar::AccountSidebar(QWidget* parent)
    : QWidget(parent)
    , m_list(new QListWidget(this))
    , m_total(new QLabel(this))
{
    setMinimumWidth(kSidebarMinWidth);
    setMaximumWidth(kSidebarMaxWidth);

    m_list->setObjectName(QStringLiteral("accountList"));
    m_list->setMinimumWidth(kSidebarMinWidth);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);

    m_total->setObjectName(QStringLiteral("totalLabel"));
    ThemeManager::setFontRole(m_total, ThemeManager::BodyMedium);
    m_total->setAlignment(Qt::AlignCenter);
    // One line, unless the sums of several currencies need more room.
    m_total->setMinimumHeight(32);
    m_total->setWordWrap(true);
    m_total->setTextFormat(Qt::PlainText);
    m_total->setStyleSheet(
        QStringLiteral("background: %1; color: %2; border-top: 1px solid %3; padding: 4px;")
            .arg(QLatin1String("#152420"), QLatin1String("#8FAF9F"), QLatin1String("#1E3028")));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_total);

    // The viewport rather than the list: its width is final when it hears of
    // a resize, and it also narrows when the scroll bar appears.
    m_list->viewport()->installEventFilter(
        new ListResizeWatcher([this] { fitRowsToWidth(); }, this));

    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QString id = item->data(Qt::UserRole).toString();
        if (!id.isEmpty())
            Q_EMIT accountActivated(id);
    });
    connect(
        m_list, &QWidget::customContextMenuRequested, this, &AccountSidebar::contextMenuRequested);
    connect(m_list->model(), &QAbstractItemModel::rowsMoved, this, &AccountSidebar::onRowsMoved);
    applyStyle();
}

void AccountSidebar::setAccounts(const QList<Account>& accounts,
    const QHash<QString, qint64>& balances, const QSet<QString>& unavailable)
{
    m_list->clear();
    const int width = m_list->viewport()->width();
    QMap<Currency, qint64> totals;
    for (const Account& account : accounts) {
        const qint64 balance = balances.value(account.id, account.startingBalance);
        const bool known = !unavailable.contains(account.id);
        // An account whose balance cannot be read adds nothing it does not have.
        if (known)
            totals[account.currency] += balance;
        auto* row = new AccountRowWidget(account, known ? std::optional(balance) : std::nullopt);
        auto* item = new QListWidgetItem;
        item->setData(Qt::UserRole, account.id);
        item->setSizeHint(QSize(width, row->sizeHint().height() + kRowPadding));
        m_list->addItem(item);
        m_list->setItemWidget(item, row);
    }
    m_total->setText(
        accounts.isEmpty() ? tr("No accounts") : tr("Total: %1").arg(totalText(totals)));
    rebuildShortcuts();
}

QString AccountSidebar::totalText(const QMap<Currency, qint64>& totals)
{
    // Amounts in different currencies never add up; each gets its own sum,
    // in the order the currencies are offered. Sums whose symbols read alike
    // ("$" for three currencies) carry their currency's code.
    QHash<QString, int> symbolUse;
    for (auto it = totals.constBegin(); it != totals.constEnd(); ++it)
        ++symbolUse[Money::currencySymbol(it.key())];
    QStringList parts;
    for (auto it = totals.constBegin(); it != totals.constEnd(); ++it) {
        QString part = Money::formatMoney(it.value(), it.key());
        if (symbolUse.value(Money::currencySymbol(it.key())) > 1)
            part += QChar::Nbsp + currencyToText(it.key());
        parts << part;
    }
    // A line may break after a dot, never before one.
    return parts.join(QChar(QChar::Nbsp) + QStringLiteral("· "));
}

void AccountSidebar::setCurrentAccount(const QString& accountId)
{
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->data(Qt::UserRole).toString() == accountId) {
            m_list->setCurrentRow(row);
            return;
        }
    }
    m_list->setCurrentRow(-1);
}

QString AccountSidebar::accountIdAt(const QPoint& pos) const
{
    const QListWidgetItem* item = m_list->itemAt(pos);
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void AccountSidebar::rebuildShortcuts()
{
    qDeleteAll(m_shortcuts);
    m_shortcuts.clear();
    const int count = std::min(m_list->count(), kShortcutCount);
    for (int row = 0; row < count; ++row) {
        const int digit = (row + 1) % 10;
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + digit)), this);
        shortcut->setContext(Qt::WindowShortcut);
        const QString id = m_list->item(row)->data(Qt::UserRole).toString();
        connect(shortcut, &QShortcut::activated, this, [this, id] { Q_EMIT accountActivated(id); });
        m_shortcuts.append(shortcut);
    }
}

void AccountSidebar::onRowsMoved()
{
    QStringList ids;
    for (int row = 0; row < m_list->count(); ++row)
        ids << m_list->item(row)->data(Qt::UserRole).toString();
    Q_EMIT reordered(ids);
}

void AccountSidebar::fitRowsToWidth()
{
    const int width = m_list->viewport()->width();
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        const QSize hint = item->sizeHint();
        if (hint.width() != width)
            item->setSizeHint(QSize(width, hint.height()));
    }
}

QString AccountSidebar::styleSheet(double pointSize)
{
    return QStringLiteral("QListWidget {  background-color: %1;  border: none;  outline: none;  "
                          "padding: 6px 0;  font-size: %7pt;}QListWidget::item {  color: %2;  "
                          "padding: 7px 14px;  border: none;}QListWidget::item:hover {  "
                          "background-color: %3;  color: %4;}QListWidget::item:selected {  "
                          "background-color: %5;  color: %4;}QListWidget::item:disabled {  "
                          "color: %6;  padding: 10px 14px 4px 14px;  background: transparent;}")
        .arg(QLatin1String("#152420"), QLatin1String("#8FAF9F"), QLatin1String("#1E3530"),
            QLatin1String("#FFFFFF"), QLatin1String("#26574A"), QLatin1String("#5A7A6E"),
            QString::number(pointSize, 'g', 4));
}

void AccountSidebar::applyStyle()
{
    // From the unscaled base font: the application font is already scaled,
    // and scaling it again would grow the list twice as fast as the rest.
    const double base = DisplaySettings::baseFont().pointSizeF();
    m_list->setStyleSheet(
        styleSheet((base > 0 ? base : 10.0) * DisplaySettings::fontScale() / 100.0));
}
