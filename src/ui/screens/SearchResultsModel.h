#pragma once

#include <QHash>
#include <QIdentityProxyModel>

class RegisterModel;

// Found transactions as the register shows them, with the name of each one's
// account in a column of its own after the register's columns.
class SearchResultsModel : public QIdentityProxyModel {
    Q_OBJECT

public:
    explicit SearchResultsModel(RegisterModel* source, QObject* parent = nullptr);

    int accountColumn() const;
    // Account names by id.
    void setAccountNames(QHash<QString, QString> names);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex index(
        int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    QModelIndex sibling(int row, int column, const QModelIndex& index) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool isAccountCell(const QModelIndex& index) const;

    RegisterModel* m_source;
    QHash<QString, QString> m_names;
};
