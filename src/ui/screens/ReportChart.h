#pragma once

#include "data/Currency.h"
#include "services/ReportRows.h"

#include <QWidget>

class QChart;
class QChartView;

// The picture above a report's table: the largest spending categories as bars
// (the rest as "Other"), or months as bars with the net as a line. Follows the
// light or dark palette; hovering a bar or point tells its exact amount.
class ReportChart : public QWidget {
    Q_OBJECT

public:
    explicit ReportChart(QWidget* parent = nullptr);

    // How many categories get a bar of their own before the rest is "Other".
    static constexpr int kLargestCategories = 7;

    void showCategories(const QList<CategoryTotal>& rows, Currency currency);
    void showMonths(const QList<MonthTotals>& rows, Currency currency, const QString& incoming,
        const QString& outgoing);
    QChart* chart() const { return m_chart; }
    // The text the last hovered bar or point showed.
    QString lastTip() const { return m_lastTip; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void reset();
    void applyPalette();
    void showTip(const QString& text);

    QChartView* m_view = nullptr;
    QChart* m_chart = nullptr;
    QString m_lastTip;
};
