#pragma once

#include <QComboBox>
#include <QList>
#include <QPair>
#include <QString>

// An editable category choice: "(none)" first, then the given (text, id)
// entries. Typing filters the list; only text that is exactly an entry's text
// names a category.
class CategoryRepository;

class CategoryComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit CategoryComboBox(
        const QList<QPair<QString, QString>>& choices, QWidget* parent = nullptr);

    // Selects the entry with `id`; leaves the choice as it is when none has it.
    bool selectId(const QString& id);
    // As selectId, for a stored record's category: one that is no longer
    // offered (deleted since) is added under its own name and selected, so
    // that keeping the record unchanged keeps its category.
    void selectStoredId(const QString& id, const CategoryRepository& categories);
    // The id of the entry whose text is the shown text; empty for "(none)" and
    // for typed text that is no entry's text.
    QString chosenId() const;

protected:
    // Entered from the keyboard, its text is selected, so typing replaces
    // "(none)" instead of adding to it.
    void focusInEvent(QFocusEvent* event) override;
};
