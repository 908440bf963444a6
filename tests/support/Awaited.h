#pragma once

#include <QTest>
#include <optional>
#include <tuple>

// Starts an asynchronous call with a callback and runs the event loop until
// the callback came (`timeoutMs` at most): what it was given, a tuple when that is
// more than one value. When it never came the test fails and gets default values.
template <typename... Args, typename Start> auto awaited(const Start& start, int timeoutMs = 10000)
{
    std::optional<std::tuple<Args...>> result;
    start([&result](Args... given) { result.emplace(std::move(given)...); });
    if (!QTest::qWaitFor([&result] { return result.has_value(); }, timeoutMs))
        QTest::qFail("The callback never came", __FILE__, __LINE__);
    if constexpr (sizeof...(Args) == 1)
        return std::get<0>(result.value_or(std::tuple<Args...> {}));
    else
        return result.value_or(std::tuple<Args...> {});
}
