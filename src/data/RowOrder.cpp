#include "RowOrder.h"

#include <algorithm>
#include <cstring>
#include <numeric>

RowOrder::RowOrder(const QList<int>& columns)
    : m_columns(columns)
{
    m_offsets.push_back(0);
}

void RowOrder::add(const SqlRow& row)
{
    for (int column : m_columns) {
        if (!row.isText(column))
            m_usable = false;
        m_bytes.append(row.utf8(column));
        m_offsets.push_back(m_bytes.size());
    }
}

QByteArrayView RowOrder::key(qsizetype row, qsizetype part) const
{
    const size_t index = size_t(row * m_columns.size() + part);
    return QByteArrayView(
        m_bytes.constData() + m_offsets[index], m_offsets[index + 1] - m_offsets[index]);
}

std::vector<qsizetype> RowOrder::permutation() const
{
    const qsizetype rows
        = m_columns.isEmpty() ? 0 : qsizetype(m_offsets.size() - 1) / m_columns.size();
    std::vector<qsizetype> order(static_cast<size_t>(rows));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](qsizetype a, qsizetype b) {
        for (qsizetype part = 0; part < m_columns.size(); ++part) {
            const QByteArrayView x = key(a, part);
            const QByteArrayView y = key(b, part);
            const size_t shared = size_t(qMin(x.size(), y.size()));
            const int common = shared == 0 ? 0 : std::memcmp(x.data(), y.data(), shared);
            if (common != 0)
                return common < 0;
            if (x.size() != y.size())
                return x.size() < y.size();
        }
        return false;
    });
    return order;
}
