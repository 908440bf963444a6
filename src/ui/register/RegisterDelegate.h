#pragma once

#include <QPair>
#include <QStringList>
#include <QStyledItemDelegate>
#include <optional>

class AppState;
class QComboBox;
class RegisterModel;

// Creates one editor per register column, moves values between editors and
// the model's entry buffer, fills a new entry from the payee's last one, and
// paints the two-line layout.
class RegisterDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    RegisterDelegate(AppState* state, QObject* parent = nullptr);

    void setAccountId(const QString& accountId);
    void setTwoLine(bool twoLine);
    bool twoLine() const { return m_twoLine; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(
        QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The id of the list entry whose text is exactly the combo's text.
    static QString categoryIdOf(const QComboBox* combo);

    // Payees of every account, then "[Transfer] <account>" for the others.
    QStringList payeeList() const;
    // (shown text, id) pairs of the category list, the empty entry first.
    QList<QPair<QString, QString>> categoryItems() const;
    // The category list's text for a category id; `fallback` when it has none.
    QString categoryText(const QString& id, const QString& fallback) const;

Q_SIGNALS:
    // The apostrophe was typed into an open field that holds nothing else.
    void copyFromAboveRequested() const;

private:
    void autoFillFromPayee(
        RegisterModel* model, int row, const QString& payee, QWidget* twoLineEditor) const;
    QWidget* createPayeeEditor(QWidget* parent, const QModelIndex& index) const;
    QWidget* createCategoryEditor(QWidget* parent) const;
    void paintTwoLine(
        QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void invalidateLists();

    AppState* m_state;
    QString m_accountId;
    bool m_twoLine = false;
    mutable std::optional<QStringList> m_payees;
    mutable std::optional<QList<QPair<QString, QString>>> m_categories;
};
