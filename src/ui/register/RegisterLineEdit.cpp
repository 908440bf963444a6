#include "RegisterLineEdit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

RegisterLineEdit::RegisterLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

bool RegisterLineEdit::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        QCompleter* c = completer();
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && c && c->popup()
            && c->popup()->isVisible()) {
            const QModelIndex current = c->popup()->currentIndex();
            if (current.isValid())
                setText(current.data(c->completionRole()).toString());
            c->popup()->hide();
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}
