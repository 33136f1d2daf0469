#pragma once
// Shared object references: released when the last reference goes, nullable.
#include <memory>
#include <utility>

namespace wispwood {

template <class T>
using Ref = std::shared_ptr<T>;

template <class T, class... Args>
Ref<T> New(Args&&... args) {
    return std::make_shared<T>(std::forward<Args>(args)...);
}

// Downcast of a shared reference; null when the object is of another class.
template <class To, class From>
Ref<To> Cast(const Ref<From>& from) {
    return std::dynamic_pointer_cast<To>(from);
}

} // namespace wispwood
