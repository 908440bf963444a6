#pragma once

#include <QCompleter>

// A completer whose popup accepts the highlighted entry on Tab (and
// Shift+Tab) and then moves on to the next (previous) register field,
// instead of leaving the entry half-typed.
class TabCompleter : public QCompleter {
    Q_OBJECT

public:
    using QCompleter::QCompleter;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void acceptCurrent();
    void moveOn(bool backward);
};
