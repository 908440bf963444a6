#pragma once

#include <QTableView>
#include <optional>

class RegisterScreen;

// The register's table: owns Tab, Enter and cursor movement between fields,
// and never lands the cursor on the Balance column.
class RegisterTableView : public QTableView {
    Q_OBJECT

public:
    explicit RegisterTableView(QWidget* parent = nullptr);

    void setScreen(RegisterScreen* screen) { m_screen = screen; }
    // Over a reset of the model (a sort), the open editor's text goes to the
    // model first and the current cell stays with its transaction.
    void setModel(QAbstractItemModel* model) override;

    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // The editor open on the current cell, if any.
    QWidget* currentEditor() const;
    // Closes the editor of the current cell without committing it again.
    void closeCurrentEditor();
    // Typing finds nothing here: keys go into the cells.
    void keyboardSearch(const QString&) override { }

    // Rows as tall as the font needs, with a second line for the memo in two-line mode.
    void setTwoLineRows(bool twoLine);
    // The height of a row's first line: a whole row in one-line mode.
    int lineHeight() const;

Q_SIGNALS:
    // The room for the columns changed.
    void viewportWidthChanged();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    bool focusInsidePayeeMemoEditor() const;
    // A printable key on a cell without an editor opens the editor and types
    // the key into it, replacing what the cell held.
    bool typeIntoCell(QKeyEvent* event);
    void rememberCurrentCell();
    void restoreCurrentCell();
    void updateRowHeight();

    RegisterScreen* m_screen = nullptr;
    bool m_twoLine = false;
    // The current cell before a reset: its transaction (empty for the
    // new-entry row) and column.
    std::optional<std::pair<QString, int>> m_cellBeforeReset;
};
