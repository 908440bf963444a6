#pragma once

#include <QTabWidget>

// The reports' tabs, all in sight however narrow the window and long the
// language: when their names do not fit, the longest are shortened to a
// common width (whole in their tips) while the shorter ones keep theirs.
class ReportTabs : public QTabWidget {
    Q_OBJECT

public:
    explicit ReportTabs(QWidget* parent = nullptr);

    // The widest each tab may be, when `room` cannot hold them all: as many
    // as possible keep their `widths`, the others share the rest equally.
    // No limit (INT_MAX) when they fit.
    static int commonWidth(QList<int> widths, int room);

protected:
    void resizeEvent(QResizeEvent* event) override;
};
