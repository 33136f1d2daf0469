#pragma once
// The rank panel: the rank reached by a gem total with its picture and
// name, the gem, silver and gold counters, and the slots of the gems placed
// into the rank in progress. The quest map and the high-score screen show it.

namespace wispwood {

void RenderRankPanel(int gems, int silverMedals, int goldMedals);

} // namespace wispwood
