#pragma once

#include <QTest>
#include <optional>
#include <tuple>

// Starts an asynchronous call with a callback and runs the event loop until
// the callback came (10 s at most): what it was given, a tuple when that is
// more than one value, default values when it never came.
template <typename... Args, typename Start> auto awaited(const Start& start)
{
    std::optional<std::tuple<Args...>> result;
    start([&result](Args... given) { result.emplace(std::move(given)...); });
    if (!QTest::qWaitFor([&result] { return result.has_value(); }, 10000))
        qWarning("no answer within 10 s");
    if constexpr (sizeof...(Args) == 1)
        return std::get<0>(result.value_or(std::tuple<Args...> {}));
    else
        return result.value_or(std::tuple<Args...> {});
}
