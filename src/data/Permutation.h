#pragma once

#include <QList>

#include <utility>
#include <vector>

// Puts `list[offset + i]` in the order `order` gives (order[i] is the old
// position of the element that goes to i), moving each element once, one
// cycle at a time, instead of building a second list of a large register.
template <typename T, typename Index>
void applyPermutation(QList<T>& list, const std::vector<Index>& order, qsizetype offset = 0)
{
    const size_t n = order.size();
    std::vector<bool> placed(n, false);
    for (size_t start = 0; start < n; ++start) {
        if (placed[start] || size_t(order[start]) == start)
            continue;
        T held = std::move(list[offset + qsizetype(start)]);
        size_t at = start;
        while (size_t(order[at]) != start) {
            list[offset + qsizetype(at)] = std::move(list[offset + qsizetype(order[at])]);
            placed[at] = true;
            at = size_t(order[at]);
        }
        list[offset + qsizetype(at)] = std::move(held);
        placed[at] = true;
    }
}
