#include "ResultTable.h"

#include <cstdio>

namespace dirdock::bench {

namespace {

std::string Verdict(const ResultRow& row)
{
    if (!row.isGoal)
        return "";
    return row.measured <= row.reference ? "met" : "MISSED";
}

} // namespace

void PrintTable(const std::string& title, const std::vector<ResultRow>& rows)
{
    std::printf("\n%s\n", title.c_str());
    std::printf("%-58s %14s  %-44s %14s %8s %s\n", "measure", "measured", "goal / comparison", "reference", "ratio", "");
    for (const ResultRow& row : rows) {
        if (row.reference <= 0) {
            std::printf("%-58s %11.3f %-2s\n", row.what.c_str(), row.measured, row.unit.c_str());
            continue;
        }
        std::printf("%-58s %11.3f %-2s  %-44s %11.3f %-2s %8.2f %s\n", row.what.c_str(), row.measured,
                    row.unit.c_str(), row.against.c_str(), row.reference, row.unit.c_str(),
                    row.measured / row.reference, Verdict(row).c_str());
    }
    std::fflush(stdout);
}

} // namespace dirdock::bench
