#include "ReportChart.h"

#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/Money.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QEvent>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

namespace {

const char* const kColorProperty = "mellChartColor";

void setColorRole(QObject* item, const ThemeColors::Pair* pair)
{
    item->setProperty(kColorProperty, QVariant::fromValue(static_cast<const void*>(pair)));
}

const ThemeColors::Pair* colorRole(const QObject* item)
{
    return static_cast<const ThemeColors::Pair*>(
        item->property(kColorProperty).value<const void*>());
}

// An empty chart keeps a plain 0 to 1 scale: rounding an empty range gives
// nonsense, and whole-number labels between its ends would read "0 0 1 1 1".
void niceRange(QValueAxis* axis, bool hasValues)
{
    if (hasValues) {
        axis->applyNiceNumbers();
        return;
    }
    axis->setRange(0, 1);
    axis->setTickCount(2);
}

} // namespace

ReportChart::ReportChart(QWidget* parent)
    : QWidget(parent)
{
    m_chart = new QChart;
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_view = new QChartView(m_chart);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumHeight(200);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    applyPalette();
}

void ReportChart::reset()
{
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    m_lastTip.clear();
}

void ReportChart::showCategories(const QList<CategoryTotal>& rows, Currency currency)
{
    reset();
    // The largest first; what does not fit is summed into one bar.
    QList<CategoryTotal> shown = rows.mid(0, kLargestCategories);
    if (rows.size() > kLargestCategories) {
        CategoryTotal other { tr("Other"), 0 };
        for (qsizetype i = kLargestCategories; i < rows.size(); ++i)
            other.total += rows.at(i).total;
        shown.append(other);
    }
    auto* set = new QBarSet(tr("Spending"));
    setColorRole(set, &ThemeColors::kRed);
    QStringList names;
    // Horizontal bars are drawn from the bottom up: the largest goes last to sit on top.
    for (auto it = shown.crbegin(); it != shown.crend(); ++it) {
        names << it->category;
        set->append(Money::toValue(-it->total, currency));
    }
    connect(set, &QBarSet::hovered, this, [this, shown, currency](bool over, int index) {
        if (over && index >= 0 && index < shown.size()) {
            const CategoryTotal& row = shown.at(shown.size() - 1 - index);
            showTip(QStringLiteral("%1: %2").arg(
                row.category, Money::formatMoney(row.total, currency)));
        }
    });
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    m_chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(names);
    auto* values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%.0f"));
    m_chart->addAxis(categories, Qt::AlignLeft);
    m_chart->addAxis(values, Qt::AlignBottom);
    series->attachAxis(categories);
    series->attachAxis(values);
    niceRange(values, !shown.isEmpty());
    m_chart->legend()->hide();
    applyPalette();
}

void ReportChart::showMonths(const QList<MonthTotals>& rows, Currency currency,
    const QString& incoming, const QString& outgoing)
{
    reset();
    auto* in = new QBarSet(incoming);
    auto* out = new QBarSet(outgoing);
    setColorRole(in, &ThemeColors::kGreen);
    setColorRole(out, &ThemeColors::kRed);
    auto* net = new QLineSeries;
    net->setName(tr("Net"));
    net->setPointsVisible(true);
    setColorRole(net, &ThemeColors::kTeal);
    QStringList months;
    for (int i = 0; i < rows.size(); ++i) {
        const MonthTotals& m = rows.at(i);
        months << m.month;
        in->append(Money::toValue(m.incoming, currency));
        out->append(Money::toValue(m.outgoing, currency));
        net->append(i, Money::toValue(m.net, currency));
    }
    const auto tip
        = [this, rows, currency](const QString& what, int index, qint64 MonthTotals::*field) {
              if (index >= 0 && index < rows.size())
                  showTip(QStringLiteral("%1 %2: %3")
                              .arg(rows.at(index).month, what,
                                  Money::formatMoney(rows.at(index).*field, currency)));
          };
    connect(in, &QBarSet::hovered, this, [tip, incoming](bool over, int index) {
        if (over)
            tip(incoming, index, &MonthTotals::incoming);
    });
    connect(out, &QBarSet::hovered, this, [tip, outgoing](bool over, int index) {
        if (over)
            tip(outgoing, index, &MonthTotals::outgoing);
    });
    connect(net, &QLineSeries::hovered, this, [tip](const QPointF& point, bool over) {
        if (over)
            tip(tr("Net"), int(std::lround(point.x())), &MonthTotals::net);
    });

    auto* bars = new QBarSeries;
    bars->append(in);
    bars->append(out);
    m_chart->addSeries(bars);
    m_chart->addSeries(net);
    auto* axisX = new QBarCategoryAxis;
    axisX->append(months);
    // More than a year of months only fits on its side.
    if (months.size() > 12)
        axisX->setLabelsAngle(-90);
    auto* axisY = new QValueAxis;
    axisY->setLabelFormat(QStringLiteral("%.0f"));
    m_chart->addAxis(axisX, Qt::AlignBottom);
    m_chart->addAxis(axisY, Qt::AlignLeft);
    for (QAbstractSeries* series :
        { static_cast<QAbstractSeries*>(bars), static_cast<QAbstractSeries*>(net) }) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    niceRange(axisY, !rows.isEmpty());
    m_chart->legend()->show();
    applyPalette();
}

void ReportChart::showTip(const QString& text)
{
    m_lastTip = text;
    QToolTip::showText(QCursor::pos(), text, m_view);
}

void ReportChart::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        applyPalette();
}

void ReportChart::applyPalette()
{
    const QPalette pal = palette();
    const bool dark = ThemeColors::isDark(pal);
    // The theme resets every colour and font: ours go on afterwards.
    m_chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    m_chart->setBackgroundBrush(pal.color(QPalette::Base));
    m_chart->setBackgroundRoundness(0);
    m_view->setBackgroundBrush(pal.color(QPalette::Window));
    const QFont small = ThemeManager::fontForRole(ThemeManager::Small);
    m_chart->legend()->setFont(small);
    m_chart->legend()->setLabelColor(pal.color(QPalette::Text));
    for (QAbstractAxis* axis : m_chart->axes()) {
        axis->setLabelsFont(small);
        axis->setLabelsColor(pal.color(QPalette::Text));
        axis->setGridLineColor(pal.color(QPalette::Mid));
        axis->setLinePenColor(pal.color(QPalette::Mid));
    }
    const auto colorOf = [dark](const QObject* item) {
        const ThemeColors::Pair* pair = colorRole(item);
        return QColor(QString::fromLatin1(pair ? (dark ? pair->dark : pair->light) : "#808080"));
    };
    for (QAbstractSeries* series : m_chart->series()) {
        if (auto* bars = qobject_cast<QAbstractBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets()) {
                set->setColor(colorOf(set));
                set->setBorderColor(colorOf(set));
            }
        } else if (auto* line = qobject_cast<QLineSeries*>(series)) {
            QPen pen(colorOf(line));
            pen.setWidth(2);
            line->setPen(pen);
            line->setColor(colorOf(line));
        }
    }
}
