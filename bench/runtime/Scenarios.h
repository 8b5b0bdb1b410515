#pragma once

#include <string>
#include <vector>

#include "ResultTable.h"

namespace dirdock::bench {

// Each runs on the GUI thread with the runtime started and a frame open,
// and returns its rows.
std::vector<ResultRow> MeasureCallLatency(int calls);
std::vector<ResultRow> MeasureEventLatency(int events);
std::vector<ResultRow> MeasureRedisplay(const std::vector<std::string>& names, int runs);
std::vector<ResultRow> MeasureListingStall(const std::string& directory, int runs);

} // namespace dirdock::bench
