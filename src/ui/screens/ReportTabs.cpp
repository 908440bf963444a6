#include "ReportTabs.h"

#include <QResizeEvent>
#include <QTabBar>
#include <algorithm>
#include <climits>

namespace {

class ReportTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

    void setRoom(int room)
    {
        if (room == m_room)
            return;
        m_room = room;
        // Setting the mode again is what makes the bar lay its tabs out anew.
        setElideMode(elideMode());
    }

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        if (m_room > 0) {
            QList<int> widths;
            for (int i = 0; i < count(); ++i)
                widths << QTabBar::tabSizeHint(i).width();
            size.setWidth(std::min(size.width(), ReportTabs::commonWidth(widths, m_room)));
        }
        return size;
    }

private:
    int m_room = 0;
};

} // namespace

ReportTabs::ReportTabs(QWidget* parent)
    : QTabWidget(parent)
{
    setTabBar(new ReportTabBar(this));
    setElideMode(Qt::ElideRight);
    setUsesScrollButtons(false);
}

int ReportTabs::commonWidth(QList<int> widths, int room)
{
    std::sort(widths.begin(), widths.end());
    qsizetype left = widths.size();
    for (const int width : std::as_const(widths)) {
        if (qint64(width) * left > room)
            return std::max(room / int(left), 1);
        room -= width;
        --left;
    }
    return INT_MAX;
}

void ReportTabs::resizeEvent(QResizeEvent* event)
{
    // The tab bar's own width follows its hints; the room is the widget's.
    static_cast<ReportTabBar*>(tabBar())->setRoom(event->size().width());
    QTabWidget::resizeEvent(event);
}
