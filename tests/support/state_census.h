#pragma once
// A copy of every process-wide variable of the game (every object the
// program's symbol table places in the wispwood namespace, function-local
// statics included), to tell which ones differ from an earlier copy.
//
// Bytes are compared, with two allowances for what a byte copy cannot see
// through: a word that points into the heap in both copies (a container's
// buffer, a shared object) counts as the same, since what it points at is
// not copied; and a string stored in its own buffer counts by its length,
// not by the bytes left behind past it.
#include <cstdint>
#include <string>
#include <vector>

namespace wispwood::test {

class StateCensus {
  public:
    // The state now.
    static StateCensus Take();
    // The variables whose value differs from before, by name, each with
    // the first byte offset that differs.
    std::vector<std::string> ChangedSince(const StateCensus& before) const;
    // How many variables the census covers.
    size_t Count() const { return values_.size(); }

  private:
    std::vector<std::vector<unsigned char>> values_;
};

} // namespace wispwood::test
