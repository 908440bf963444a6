#pragma once

#include <QCompleter>

// A completer whose popup accepts the highlighted entry on Tab (and
// Shift+Tab) and then moves on to the next (previous) register field,
// instead of leaving the entry half-typed.
class TabCompleter : public QCompleter {
    Q_OBJECT

public:
    using QCompleter::QCompleter;

    // For lists the text must come from (categories): when nothing is
    // highlighted and the text is not exactly an entry, Tab and Enter take the
    // first entry the popup shows.
    void setTakesFirstMatch(bool takes) { m_takesFirstMatch = takes; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void acceptCurrent();
    // The entry equal to the typed text ignoring case, else the first shown.
    QModelIndex firstMatch() const;
    void moveOn(bool backward);

    bool m_takesFirstMatch = false;
};
