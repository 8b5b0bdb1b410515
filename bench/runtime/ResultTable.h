#pragma once

#include <string>
#include <vector>

namespace dirdock::bench {

// One measured figure beside what it is held against.
struct ResultRow {
    std::string what;
    double measured = 0;
    std::string unit;
    std::string against; // the goal or the comparison, in words
    double reference = 0; // the goal's or the comparison's figure, same unit
    bool isGoal = false;  // a limit to stay under, not just a comparison
};

// Prints the rows as an aligned table with the ratio measured / reference,
// and for goals whether the figure meets it.
void PrintTable(const std::string& title, const std::vector<ResultRow>& rows);

} // namespace dirdock::bench
