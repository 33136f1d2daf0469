#pragma once
// ObjectTable: a text-keyed lookup table whose keys may be normalised by a
// TextFormatter. Keys are byte strings; enumeration is in ascending byte
// order of the formatted keys, a key before every longer key it prefixes
// (the empty key first, then a, ab, b). Both data-file writers rely on that
// order, so it fixes the order of lines in every file the game writes.
//
// The entries are kept in an ordered map rather than a 256-way character
// tree: the order is the same, memory stays proportional to the keys, and
// a pathological key (a 10 MB line) cannot build millions of branches.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include "engine/core/tlist.h"
#include "framework/data/text_formatter.h"
#include <map>
#include <vector>

namespace wispwood {

// One stored entry: the formatted key and its value.
template <class T>
struct __ObjectTableBranch {
    Ref<T> Value;
    Text Name;
};

template <class T>
class ObjectTable {
  public:
    // When set, every key given to Add or LookUp is passed through it first.
    Ref<TextFormatter> Formatter;

    ObjectTable() = default;
    explicit ObjectTable(Ref<TextFormatter> formatter) : Formatter(std::move(formatter)) {}

    void SetFormatter(const Ref<TextFormatter>& formatter) { Formatter = formatter; }

    // Stores the value under the formatted key, replacing any earlier one.
    void Add(const Text& key, const Ref<T>& value) {
        Text name = Format(key);
        auto& branch = entries_[name];
        branch.Value = value;
        branch.Name = std::move(name);
    }

    // The value under the formatted key, or null. A stored null and an
    // absent key read the same.
    Ref<T> LookUp(const Text& key) const {
        auto it = entries_.find(Format(key));
        return it == entries_.end() ? nullptr : it->second.Value;
    }

    // The stored values in enumeration order.
    std::vector<Ref<T>> ObjectEnumerator() const {
        std::vector<Ref<T>> values;
        values.reserve(entries_.size());
        for (const auto& [name, branch] : entries_) values.push_back(branch.Value);
        return values;
    }

    // The entries in enumeration order, each with its formatted key.
    std::vector<__ObjectTableBranch<T>> GetBranches() const {
        std::vector<__ObjectTableBranch<T>> branches;
        branches.reserve(entries_.size());
        for (const auto& [name, branch] : entries_) branches.push_back(branch);
        return branches;
    }

    int Count() const { return static_cast<int>(entries_.size()); }

    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }

  private:
    Text Format(const Text& key) const { return Formatter ? Formatter->Apply(key) : key; }

    // std::string compares as unsigned bytes, which is the enumeration order.
    std::map<Text, __ObjectTableBranch<T>> entries_;
};

} // namespace wispwood
