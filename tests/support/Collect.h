#pragma once
// One field of every element, in order: names of entries, identifiers of rows, ...
#include <functional>
#include <type_traits>
#include <vector>

namespace support {

template <typename Range, typename Projection>
auto Collect(const Range& range, Projection projection) {
    using Value = std::decay_t<std::invoke_result_t<Projection&, decltype(*std::begin(range))>>;
    std::vector<Value> values;
    for (const auto& element : range)
        values.push_back(std::invoke(projection, element));
    return values;
}

}  // namespace support
