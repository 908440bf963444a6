#pragma once

#include <QTableView>

class RegisterScreen;

// The register's table: owns Tab, Enter and cursor movement between fields,
// and never lands the cursor on the Balance column.
class RegisterTableView : public QTableView {
    Q_OBJECT

public:
    using QTableView::QTableView;

    void setScreen(RegisterScreen* screen) { m_screen = screen; }

    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // The editor open on the current cell, if any.
    QWidget* currentEditor() const;
    // Closes the editor of the current cell without committing it again.
    void closeCurrentEditor();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    bool focusInsidePayeeMemoEditor() const;

    RegisterScreen* m_screen = nullptr;
};
