#pragma once
// TMap: ordered key to value map. Enumeration is in ascending key order.
#include <map>

namespace wispwood {

template <class K, class V>
using TMap = std::map<K, V>;

} // namespace wispwood
