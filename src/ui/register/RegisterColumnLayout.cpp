#include "RegisterColumnLayout.h"

#include "RegisterModel.h"
#include "app/DisplaySettings.h"
#include "data/PreferencesRepository.h"

#include <QHeaderView>
#include <QMenu>
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
