#pragma once

#include <QCompleter>

// A completer whose popup accepts the highlighted entry on Tab (and
// Shift+Tab) and then moves on to the next (previous) field, instead of
// leaving the entry half-typed. Its popup is as wide as its longest entry.
class TabCompleter : public QCompleter {
    Q_OBJECT

public:
    TabCompleter(QAbstractItemModel* model, QObject* parent = nullptr);

    // For lists the text must come from (categories): when nothing is
    // highlighted, Tab and Enter take the best match of the typed text; with
    // none, what was typed stays.
    void setTakesBestMatch(bool takes) { m_takesBestMatch = takes; }
    // In a register cell, Tab ends the cell's editor and the register moves
    // on; elsewhere Tab goes on to the next widget of the window.
    void setEndsCellEditor(bool ends) { m_endsCellEditor = ends; }

    // The entry of `entries` that `typed` names best: the same text ignoring
    // case; else one where the text starts a name (a whole category name, or
    // the part after "Parent > ") as a whole word, then as the start of a
    // word, then a word inside a name, the earliest entry winning each tie;
    // -1 when no entry has a word starting with the text.
    static int bestMatch(const QStringList& entries, const QString& typed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void acceptCurrent();
    QModelIndex bestShownMatch() const;
    void moveOn(bool backward);
    void widenPopup();

    bool m_takesBestMatch = false;
    bool m_endsCellEditor = true;
};
