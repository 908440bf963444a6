#include "RegisterColumnLayout.h"

#include "RegisterModel.h"
#include "app/DisplaySettings.h"
#include "app/ThemeManager.h"
#include "data/DateText.h"
#include "data/Money.h"
#include "data/PreferencesRepository.h"

#include <QHeaderView>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTableView>

namespace {

constexpr int kDefaultWidths[RegisterModel::ColumnCount]
    = { 130, 60, 250, 180, 180, 100, 100, 35, 110 };

QString widthKey(int column)
{
    return QStringLiteral("register/colWidth/%1").arg(column);
}

QString hiddenKey(int column)
{
    return QStringLiteral("register/colHidden/%1").arg(column);
}

bool alwaysShown(int column)
{
    return column == RegisterModel::DateColumn || column == RegisterModel::BalanceColumn;
}

bool sharesTheWidth(int column)
{
    return column == RegisterModel::PayeeColumn || column == RegisterModel::CategoryColumn
        || column == RegisterModel::MemoColumn;
}

// Text inset and frame of a cell and of its editor.
constexpr int kCellPadding = 16;
// The date editor's calendar button.
constexpr int kCalendarRoom = 24;
// Amount columns are never narrower than this amount needs, so they do not
// jump with the first few entries.
constexpr qint64 kSampleAmount = 9'999'999;

// Two-digit days and months in the date format in force.
QString widestDate()
{
    return DateText::format(QDate(2028, 12, 28));
}

} // namespace

RegisterColumnLayout::RegisterColumnLayout(
    QTableView* view, RegisterModel* model, PreferencesRepository* preferences, QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_model(model)
    , m_preferences(preferences)
{
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this,
        &RegisterColumnLayout::onSectionResized);
    connect(model, &RegisterModel::sortChanged, this, &RegisterColumnLayout::onSortChanged);
}

QString RegisterColumnLayout::widestAmount(int column, bool roomy) const
{
    qint64 widest = roomy ? kSampleAmount : 0;
    bool negative = false;
    m_model->forEachLoadedRow([&](const TransactionRow& t) {
        qint64 value = 0;
        if (column == RegisterModel::BalanceColumn)
            value = t.runningBalance;
        else if ((column == RegisterModel::PaymentColumn) == (t.amount < 0))
            value = t.amount;
        negative = negative || (column == RegisterModel::BalanceColumn && value < 0);
        widest = std::max(widest, value < 0 ? -value : value);
    });
    // Pages not read yet may hold wider amounts than those on screen.
    const auto [payment, deposit, balance] = m_model->unreadExtremes();
    const qint64 unread = column == RegisterModel::BalanceColumn ? balance
        : column == RegisterModel::PaymentColumn                 ? payment
                                                                 : deposit;
    negative = negative || (column == RegisterModel::BalanceColumn && unread < 0);
    widest = std::max(widest, unread < 0 ? -unread : unread);
    return Money::formatAmount(negative ? -widest : widest, m_model->currency());
}

int RegisterColumnLayout::contentWidth(int column, bool roomy) const
{
    const QFontMetrics text(m_view->font());
    int content = 0;
    switch (column) {
    case RegisterModel::DateColumn:
        content = text.horizontalAdvance(widestDate()) + kCalendarRoom;
        break;
    case RegisterModel::CheckNumberColumn:
        content = text.horizontalAdvance(QStringLiteral("00000"));
        break;
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn:
    case RegisterModel::BalanceColumn:
        content = QFontMetrics(ThemeManager::monospaceFont())
                      .horizontalAdvance(widestAmount(column, roomy));
        break;
    default: break;
    }
    const int header = m_view->horizontalHeader()->sectionSizeHint(column);
    return std::max(content + kCellPadding, roomy ? header : 0);
}

int RegisterColumnLayout::narrowest(int column, int stage) const
{
    const QHeaderView* header = m_view->horizontalHeader();
    const int least = header->minimumSectionSize();
    const int title = header->sectionSizeHint(column);
    const QFontMetrics text(m_view->font());
    const auto showing = [&text](const char* sample) {
        return text.horizontalAdvance(QLatin1String(sample)) + kCellPadding;
    };
    // The balance is what the register is for, and a cut date or amount
    // misleads: these stay whole at every stage.
    switch (column) {
    case RegisterModel::BalanceColumn: return contentWidth(column, false);
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn:
        return stage < 4 ? std::max(contentWidth(column, false), title)
                         : contentWidth(column, false);
    case RegisterModel::DateColumn:
        // Down to the margins the style draws a cell's text within.
        return stage < 2 ? contentWidth(column, true)
                         : text.horizontalAdvance(widestDate())
                + 2 * (m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    default: break;
    }
    if (stage >= kStages)
        return least;
    switch (column) {
    case RegisterModel::CheckNumberColumn:
        return stage < 2 ? contentWidth(column, true) : std::max(showing("000"), title);
    case RegisterModel::ClearedColumn: return stage < 4 ? contentWidth(column, true) : showing("R");
    default: return stage < 3 ? std::max(defaultWidth(column) / 3, title) : showing("Abcd");
    }
}

void RegisterColumnLayout::fitToWidth()
{
    if (m_fitting)
        return;
    const QScopedValueRollback fitting(m_fitting, true);
    const QScopedValueRollback restoring(m_restoring, true);
    const QSettings settings;
    QList<int> automatic;
    QList<int> widths(RegisterModel::ColumnCount, 0);
    int total = 0;
    int least = 0;
    for (int c = 0; c < RegisterModel::ColumnCount; ++c) {
        if (m_view->isColumnHidden(c))
            continue;
        if (settings.contains(widthKey(c))) {
            widths[c] = m_view->columnWidth(c);
        } else {
            automatic.append(c);
            widths[c] = c == RegisterModel::PaymentColumn || c == RegisterModel::DepositColumn
                    || c == RegisterModel::BalanceColumn
                ? contentWidth(c, true)
                : narrowest(c, 0);
        }
        total += widths[c];
        least += settings.contains(widthKey(c)) ? 0 : narrowest(c, kStages);
    }
    // The register can be no narrower than its columns at their narrowest.
    m_view->setMinimumWidth(
        least + m_view->verticalScrollBar()->sizeHint().width() + 2 * m_view->frameWidth());

    const int room = m_view->viewport()->width();
    if (total > room) {
        // Too narrow: the columns give way stage by stage, each stage sharing
        // what it gives in proportion to what each column can.
        for (int stage = 1; stage <= kStages && total > room; ++stage) {
            int spare = 0;
            for (int c : std::as_const(automatic))
                spare += std::max(0, widths[c] - narrowest(c, stage));
            if (spare == 0)
                continue;
            const int take = std::min(spare, total - room);
            int taken = 0;
            for (int c : std::as_const(automatic)) {
                const int give = std::max(0, widths[c] - narrowest(c, stage));
                const int share = int(qint64(take) * give / spare);
                widths[c] -= share;
                taken += share;
            }
            // Rounding leaves a few pixels; the first column with room gives them.
            for (int c : std::as_const(automatic)) {
                const int give = std::min(take - taken, widths[c] - narrowest(c, stage));
                if (give > 0) {
                    widths[c] -= give;
                    taken += give;
                }
            }
            total -= taken;
        }
    } else {
        // Room to spare goes to Payee, Category and Memo by their default widths.
        QList<int> shared;
        int weights = 0;
        for (int c : std::as_const(automatic)) {
            if (sharesTheWidth(c)) {
                shared.append(c);
                weights += defaultWidth(c);
            }
        }
        const int extra = room - total;
        int given = 0;
        for (int c : std::as_const(shared)) {
            const int share
                = c == shared.last() ? extra - given : extra * defaultWidth(c) / weights;
            given += share;
            widths[c] += share;
        }
    }
    for (int c : std::as_const(automatic))
        m_view->setColumnWidth(c, widths[c]);
}

int RegisterColumnLayout::defaultWidth(int column)
{
    const int width = kDefaultWidths[column];
    const int scale = DisplaySettings::fontScale();
    return scale > 100 ? width * scale / 100 : width;
}

void RegisterColumnLayout::onSectionResized(int index, int, int newSize)
{
    // Hiding a column resizes it to 0; that is not a width the user chose.
    if (!m_restoring && newSize > 0)
        QSettings().setValue(widthKey(index), newSize);
}

void RegisterColumnLayout::onSortChanged(int column, Qt::SortOrder order)
{
    if (m_restoring)
        return;
    QSettings settings;
    settings.setValue(QStringLiteral("register/sortColumn"), column);
    settings.setValue(QStringLiteral("register/sortOrder"), int(order));
}

void RegisterColumnLayout::restore()
{
    m_restoring = true;
    QSettings settings;
    for (int c = 0; c < RegisterModel::ColumnCount; ++c)
        m_view->setColumnWidth(c, settings.value(widthKey(c), defaultWidth(c)).toInt());
    for (int c = 0; c < RegisterModel::ColumnCount; ++c)
        m_view->setColumnHidden(c, !alwaysShown(c) && settings.value(hiddenKey(c), false).toBool());
    applyMemoVisibility(m_model->twoLine());
    fitToWidth();

    int column = 0;
    Qt::SortOrder order = Qt::AscendingOrder;
    if (settings.contains(QStringLiteral("register/sortColumn"))) {
        column = settings.value(QStringLiteral("register/sortColumn")).toInt();
        if (column > 8 || column < 0)
            column = 0;
        order = Qt::SortOrder(settings.value(QStringLiteral("register/sortOrder"), 0).toInt());
    } else if (m_preferences->boolValue(QStringLiteral("registerNewestFirst"), false)) {
        order = Qt::DescendingOrder;
    }
    m_view->sortByColumn(column, order);
    m_restoring = false;
}

void RegisterColumnLayout::reset()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("register"));
    settings.remove(QString());
    settings.endGroup();
    restore();
}

void RegisterColumnLayout::applyMemoVisibility(bool twoLine)
{
    const bool hidden
        = twoLine || QSettings().value(hiddenKey(RegisterModel::MemoColumn), false).toBool();
    const bool restoring = m_restoring;
    m_restoring = true;
    m_view->setColumnHidden(RegisterModel::MemoColumn, hidden);
    m_restoring = restoring;
}

void RegisterColumnLayout::setColumnHidden(int column, bool hidden)
{
    m_view->setColumnHidden(column, hidden);
    if (!hidden && m_view->columnWidth(column) == 0)
        m_view->setColumnWidth(
            column, QSettings().value(widthKey(column), defaultWidth(column)).toInt());
    QSettings().setValue(hiddenKey(column), hidden);
    fitToWidth();
}

void RegisterColumnLayout::showHeaderMenu(const QPoint& pos)
{
    QMenu menu(m_view);
    menu.addSection(tr("Show columns"));
    for (int c = 0; c < RegisterModel::ColumnCount; ++c) {
        QAction* action = menu.addAction(RegisterModel::headerText(c));
        action->setCheckable(true);
        action->setChecked(!m_view->isColumnHidden(c));
        action->setEnabled(
            !alwaysShown(c) && !(c == RegisterModel::MemoColumn && m_model->twoLine()));
        connect(
            action, &QAction::toggled, this, [this, c](bool shown) { setColumnHidden(c, !shown); });
    }
    menu.addSeparator();
    menu.addAction(tr("Reset register layout"), this, &RegisterColumnLayout::reset);
    menu.exec(m_view->horizontalHeader()->mapToGlobal(pos));
}
