#pragma once

#include "ui/dialogs/CategoryComboBox.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>

// Reaching into a dialog under test the way a user would: widgets by object
// name, text typed over what a field holds, buttons clicked.
namespace DialogTest {

// Shows a window and tells whether it took the keyboard, as one a user just opened does.
inline bool showActive(QWidget& window)
{
    window.show();
    return QTest::qWaitForWindowActive(&window);
}

template <class T> T* field(const QWidget& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

// Focuses the field, selects what it holds and types over it.
inline void retype(QWidget* widget, const QString& text)
{
    widget->setFocus();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
        spin->selectAll();
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
    QTest::keyClicks(widget, text);
}

// Types over an editable combo box's text, then closes the completion popup
// as a click elsewhere would.
inline void retypeCombo(QComboBox* combo, const QString& text)
{
    retype(combo->lineEdit(), text);
    if (QCompleter* completer = combo->completer(); completer && completer->popup())
        completer->popup()->hide();
}

// Near the left edge: a check box or radio button only takes clicks on its
// indicator and text, not on the rest of its row.
inline void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

inline void clickButton(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}

inline void clickOk(QDialog& dialog)
{
    clickButton(dialog, QDialogButtonBox::Ok);
}

// Clicks the button of that object name.
inline void press(QWidget& dialog, const char* name)
{
    click(field<QAbstractButton>(dialog, name));
}

inline QString labelText(const QWidget& dialog, const char* name)
{
    return field<QLabel>(dialog, name)->text();
}

// The texts of every label inside `widget`, in the order findChildren gives.
inline QStringList labelTexts(const QWidget& widget)
{
    QStringList texts;
    for (const QLabel* label : widget.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

// The split editor's category and amount cells of `row`.
inline CategoryComboBox* splitCombo(QWidget& editor, int row)
{
    return qobject_cast<CategoryComboBox*>(
        field<QTableWidget>(editor, "splitTable")->cellWidget(row, 0));
}

inline QDoubleSpinBox* splitSpin(QWidget& editor, int row)
{
    return qobject_cast<QDoubleSpinBox*>(
        field<QTableWidget>(editor, "splitTable")->cellWidget(row, 1));
}

inline void setSplitLine(QWidget& editor, int row, const QString& categoryId, const QString& amount)
{
    splitCombo(editor, row)->selectId(categoryId);
    retype(splitSpin(editor, row), amount);
}

// Runs `act` on the next widget of type T that `current` names, polling until
// it shows; an `owner` ends the wait with it, so a widget that never came
// cannot reach a later test.
template <class T>
void whenShown(QWidget* (*current)(), std::function<void(T&)> act, QObject* owner)
{
    auto* timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act, current] {
        if (auto* widget = qobject_cast<T*>(current())) {
            timer->stop();
            timer->deleteLater();
            act(*widget);
        }
    });
    timer->start();
}

// The next modal dialog of type T (screens open their dialogs with exec(), so
// the test acts from inside that loop).
template <class T> void whenOpen(std::function<void(T&)> act, QObject* owner = nullptr)
{
    whenShown<T>(&QApplication::activeModalWidget, std::move(act), owner);
}

// The next popup of type T, such as a context menu.
template <class T> void whenPopup(std::function<void(T&)> act, QObject* owner = nullptr)
{
    whenShown<T>(&QApplication::activePopupWidget, std::move(act), owner);
}

} // namespace DialogTest
