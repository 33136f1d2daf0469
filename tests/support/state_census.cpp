#include "tests/support/state_census.h"
#include <cstdio>
#include <cstring>
#include <fstream>
#include <link.h>
#include <sstream>
#include <unistd.h>

namespace wispwood::test {

namespace {

struct Variable {
    uintptr_t address = 0;
    size_t size = 0;
    std::string name;
};

uintptr_t ProgramBase() {
    uintptr_t base = 0;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* out) {
            *static_cast<uintptr_t*>(out) = info->dlpi_addr;
            return 1; // the program itself comes first
        },
        &base);
    return base;
}

// The program's variables in the wispwood namespace, read once from its
// symbol table. Guard variables of function-local statics are left out:
// they say only that the static has been made.
const std::vector<Variable>& Variables() {
    static const std::vector<Variable> variables = [] {
        std::vector<Variable> found;
        // The child reading the table is nm, so the program is named by pid.
        const std::string command =
            "nm -C -S --defined-only /proc/" + std::to_string(getpid()) + "/exe 2>/dev/null";
        FILE* nm = popen(command.c_str(), "r");
        if (!nm) return found;
        const uintptr_t base = ProgramBase();
        char line[4096];
        while (fgets(line, sizeof line, nm)) {
            std::istringstream in(line);
            std::string address, size, type;
            if (!(in >> address >> size >> type)) continue;
            if (type.size() != 1 || std::strchr("bBdD", type[0]) == nullptr) continue;
            std::string name;
            std::getline(in >> std::ws, name);
            if (name.rfind("wispwood::", 0) != 0) continue;
            Variable v;
            v.address = base + std::stoull(address, nullptr, 16);
            v.size = std::stoull(size, nullptr, 16);
            v.name = name;
            found.push_back(v);
        }
        pclose(nm);
        return found;
    }();
    return variables;
}

struct Range {
    uintptr_t from, to;
};

// Writable anonymous mappings and the heap: where containers keep their
// elements and shared objects live.
std::vector<Range> HeapRanges() {
    std::vector<Range> ranges;
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        std::istringstream in(line);
        std::string span, perms, offset, device, inode, path;
        in >> span >> perms >> offset >> device >> inode;
        std::getline(in >> std::ws, path);
        if (perms.size() < 2 || perms[1] != 'w') continue;
        if (!path.empty() && path != "[heap]") continue;
        const size_t dash = span.find('-');
        ranges.push_back({std::stoull(span.substr(0, dash), nullptr, 16),
                          std::stoull(span.substr(dash + 1), nullptr, 16)});
    }
    return ranges;
}

bool InHeap(uintptr_t value, const std::vector<Range>& ranges) {
    for (const Range& r : ranges)
        if (value >= r.from && value < r.to) return true;
    return false;
}

uintptr_t WordAt(const std::vector<unsigned char>& bytes, size_t at) {
    uintptr_t w = 0;
    std::memcpy(&w, bytes.data() + at, sizeof w);
    return w;
}

// The first offset at which the two copies of v differ, or -1.
long FirstDifference(const Variable& v, const std::vector<unsigned char>& before,
                     const std::vector<unsigned char>& now, const std::vector<Range>& heap) {
    const size_t word = sizeof(uintptr_t);
    size_t at = 0;
    while (at < now.size()) {
        const bool aligned = (v.address + at) % word == 0 && at + word <= now.size();
        if (aligned) {
            const uintptr_t a = WordAt(before, at), b = WordAt(now, at);
            // A string in its own buffer: its pointer, its length, then the
            // buffer, of which only the length counts.
            const uintptr_t ownBuffer = v.address + at + 2 * word;
            if (a == ownBuffer && b == ownBuffer && at + 4 * word <= now.size()) {
                if (WordAt(before, at + word) != WordAt(now, at + word)) return static_cast<long>(at + word);
                at += 4 * word;
                continue;
            }
            if (a != b && a != 0 && b != 0 && InHeap(a, heap) && InHeap(b, heap)) {
                at += word;
                continue;
            }
            // An empty vector either way: one that never held anything, or
            // one emptied that keeps its room.
            if (at + 3 * word <= now.size()) {
                const uintptr_t a1 = WordAt(before, at + word), a2 = WordAt(before, at + 2 * word);
                const uintptr_t b1 = WordAt(now, at + word), b2 = WordAt(now, at + 2 * word);
                const auto empty = [&heap](uintptr_t first, uintptr_t last, uintptr_t end) {
                    return first == last && (first == 0 ? end == 0 : InHeap(first, heap) && end >= last);
                };
                if (empty(a, a1, a2) && empty(b, b1, b2)) {
                    at += 3 * word;
                    continue;
                }
            }
            if (a != b) return static_cast<long>(at);
            at += word;
            continue;
        }
        if (before[at] != now[at]) return static_cast<long>(at);
        ++at;
    }
    return -1;
}

} // namespace

StateCensus StateCensus::Take() {
    StateCensus census;
    for (const Variable& v : Variables()) {
        const auto* p = reinterpret_cast<const unsigned char*>(v.address);
        census.values_.emplace_back(p, p + v.size);
    }
    return census;
}

std::vector<std::string> StateCensus::ChangedSince(const StateCensus& before) const {
    std::vector<std::string> changed;
    const std::vector<Variable>& variables = Variables();
    const std::vector<Range> heap = HeapRanges();
    for (size_t i = 0; i < variables.size() && i < before.values_.size(); ++i) {
        const long at = FirstDifference(variables[i], before.values_[i], values_[i], heap);
        if (at < 0) continue;
        char values[200] = "";
        if (static_cast<size_t>(at) + 3 * sizeof(uintptr_t) <= values_[i].size() && at % sizeof(uintptr_t) == 0)
            std::snprintf(values, sizeof values, ": %#lx %#lx %#lx, was %#lx %#lx %#lx size %zu",
                          static_cast<unsigned long>(WordAt(values_[i], at)),
                          static_cast<unsigned long>(WordAt(values_[i], at + 8)),
                          static_cast<unsigned long>(WordAt(values_[i], at + 16)),
                          static_cast<unsigned long>(WordAt(before.values_[i], at)),
                          static_cast<unsigned long>(WordAt(before.values_[i], at + 8)),
                          static_cast<unsigned long>(WordAt(before.values_[i], at + 16)), values_[i].size());
        changed.push_back(variables[i].name + " (byte " + std::to_string(at) + values + ")");
    }
    return changed;
}

} // namespace wispwood::test
