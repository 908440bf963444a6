#pragma once

#include <QObject>
#include <functional>

// Runs one callback whenever the watched widget is resized or shown, so that
// rows drawn by widgets of their own can follow the width of their list.
class ListResizeWatcher : public QObject {
    Q_OBJECT

public:
    ListResizeWatcher(std::function<void()> onResize, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_onResize;
};
