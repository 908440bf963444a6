#include "RegisterColumnLayout.h"

#include "RegisterModel.h"
#include "app/DisplaySettings.h"
#include "app/ThemeManager.h"
#include "data/Money.h"
#include "data/PreferencesRepository.h"

#include <QHeaderView>
#include <QMenu>
#include <QScopedValueRollback>
#include <QSettings>
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

QString RegisterColumnLayout::widestAmount(int column) const
{
    qint64 widest = kSampleAmount;
    bool negative = false;
    for (const TransactionRow& t : m_model->rows()) {
        qint64 value = 0;
        if (column == RegisterModel::BalanceColumn)
            value = t.runningBalance;
        else if ((column == RegisterModel::PaymentColumn) == (t.amount < 0))
            value = t.amount;
        negative = negative || (column == RegisterModel::BalanceColumn && value < 0);
        widest = std::max(widest, value < 0 ? -value : value);
    }
    return Money::formatAmount(negative ? -widest : widest, m_model->currency());
}

int RegisterColumnLayout::contentWidth(int column) const
{
    const QFontMetrics text(m_view->font());
    int content = 0;
    switch (column) {
    case RegisterModel::DateColumn:
        content = text.horizontalAdvance(QStringLiteral("12/28/2028")) + kCalendarRoom;
        break;
    case RegisterModel::CheckNumberColumn:
        content = text.horizontalAdvance(QStringLiteral("00000"));
        break;
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn:
    case RegisterModel::BalanceColumn:
        content
            = QFontMetrics(ThemeManager::monospaceFont()).horizontalAdvance(widestAmount(column));
        break;
    default: break;
    }
    return std::max(content + kCellPadding, m_view->horizontalHeader()->sectionSizeHint(column));
}

void RegisterColumnLayout::fitToWidth()
{
    if (m_fitting)
        return;
    const QScopedValueRollback fitting(m_fitting, true);
    const QScopedValueRollback restoring(m_restoring, true);
    const QSettings settings;
    int used = 0;
    QList<int> shared;
    for (int c = 0; c < RegisterModel::ColumnCount; ++c) {
        if (m_view->isColumnHidden(c))
            continue;
        if (settings.contains(widthKey(c))) {
            used += m_view->columnWidth(c);
        } else if (sharesTheWidth(c)) {
            shared.append(c);
        } else {
            m_view->setColumnWidth(c, contentWidth(c));
            used += m_view->columnWidth(c);
        }
    }
    // Text columns give way first: down to a third of their default width,
    // and only then does the register scroll sideways.
    int minimums = 0;
    int weights = 0;
    for (int c : shared) {
        minimums += defaultWidth(c) / 3;
        weights += defaultWidth(c);
    }
    const int extra = std::max(0, m_view->viewport()->width() - used - minimums);
    int given = 0;
    for (int c : shared) {
        const int share = c == shared.last() ? extra - given : extra * defaultWidth(c) / weights;
        given += share;
        m_view->setColumnWidth(c, defaultWidth(c) / 3 + share);
    }
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
