#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

// One shared QString per distinct text of a large result: the account id,
// payees, memos and category ids of 100,000 register rows then cost one
// allocation each instead of one per row.
class TextPool {
public:
    QString intern(QByteArrayView utf8);

private:
    QHash<QByteArray, QString> m_texts;
};
