#pragma once
// Dead-end recolouring: a colour whose reachable pieces form a single group
// can never be matched. As pieces come into reach, one touching the open
// space is given that colour (as a separate group) so a pair exists, and a
// piece that would only extend such a lone group is given another colour.
namespace wispwood {

// A colour with a single reachable group.
class JeopradyGroup {
  public:
    int Color = 0;
    int Size = 0;
    int GroupID = 0;
    int Done = 0;
    // -1 when other is smaller: sorting ascending puts the largest first.
    int Compare(const JeopradyGroup& other) const { return other.Size < Size ? -1 : 1; }
};

// Run before newly reachable pieces are scheduled to flip into view;
// leaves the reachability up to date.
void RecolourLoneGroups();

} // namespace wispwood
