#pragma once

#include "TestAppState.h"
#include "data/TransactionRepository.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterScreen.h"
#include "ui/register/RegisterTableView.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

namespace RegisterTest {

// Keys go where a user's keys would: to an open popup, else the focused widget.
// The offscreen platform can leave a closed popup, or nothing, as the active
// window, where a desktop hands activation back to the window underneath.
inline QWidget* keyTarget()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    QWidget* active = QApplication::activeWindow();
    if (!active || !active->isVisible()) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->windowType() == Qt::Window) {
                QApplication::setActiveWindow(w);
                break;
            }
        }
    }
    return QApplication::focusWidget();
}

inline void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(keyTarget(), Qt::Key(key), mods);
    QCoreApplication::processEvents();
}

// Each key to wherever the focus is by then, as typing does: the first key on
// a cell opens its editor, and the rest go into it.
inline void type(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(keyTarget(), c.toLatin1());
}

// A fresh ledger with a "Checking" account and, once shown, its register.
struct Fixture {
    Fixture() { QSettings().remove(QStringLiteral("register")); }

    TestAppState app;
    Account checking = app.addAccount(QStringLiteral("Checking"));
    std::unique_ptr<RegisterScreen> screen;

    RegisterScreen* show(const QString& accountId = {})
    {
        screen = std::make_unique<RegisterScreen>(app.state());
        screen->resize(1300, 600);
        screen->show();
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen.get()))
            qWarning("register window did not become active");
        screen->setAccount(accountId.isEmpty() ? checking.id : accountId);
        screen->view()->setFocus();
        return screen.get();
    }
    RegisterModel* model() const { return screen->model(); }
    RegisterTableView* view() const { return screen->view(); }
    QModelIndex cell(int row, int column) const { return model()->index(row, column); }
    void goTo(int row, int column) const { view()->setCurrentIndex(cell(row, column)); }
    int column() const { return view()->currentIndex().column(); }
    // The line edit of the editor open in `column` of the current row, if any.
    QLineEdit* editorAt(int column) const
    {
        QWidget* editor = view()->indexWidget(view()->currentIndex().siblingAtColumn(column));
        if (auto* combo = qobject_cast<QComboBox*>(editor))
            return combo->lineEdit();
        return qobject_cast<QLineEdit*>(editor);
    }
    bool footerShows(const QString& text) const { return labelShowing(screen.get(), text); }
    static QLabel* labelShowing(QWidget* screen, const QString& text)
    {
        for (QLabel* label : screen->findChildren<QLabel*>()) {
            if (label->text() == text)
                return label;
        }
        return nullptr;
    }
    QList<Transaction> stored(const QString& accountId = {}) const
    {
        return app->transactions()->findByAccount(accountId.isEmpty() ? checking.id : accountId);
    }

    Transaction add(const QString& payee, qint64 amount, int day = 1)
    {
        return app.addTransaction(checking.id, QDate(2025, 6, day), payee, amount);
    }
    // Opens the editor of `column` on the current row with Enter.
    QLineEdit* openEditor(int column) const
    {
        goTo(view()->currentIndex().row(), column);
        press(Qt::Key_Return);
        QLineEdit* editor = nullptr;
        return QTest::qWaitFor([&] { return (editor = editorAt(column)) != nullptr; }) ? editor
                                                                                       : nullptr;
    }

    // Fills the new-entry row through the model and commits it with Ctrl+Return.
    void enter(const QString& payee, const QString& payment, const QString& deposit = {},
        const QString& mark = {}) const
    {
        const int row = model()->newEntryRow();
        goTo(row, RegisterModel::ClearedColumn);
        model()->setData(cell(row, RegisterModel::PayeeColumn), payee);
        model()->setData(cell(row, RegisterModel::PaymentColumn), payment);
        model()->setData(cell(row, RegisterModel::DepositColumn), deposit);
        model()->setData(cell(row, RegisterModel::ClearedColumn), mark);
        press(Qt::Key_Return, Qt::ControlModifier);
    }
};

} // namespace RegisterTest
