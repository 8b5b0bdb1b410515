#pragma once

#include <vector>

#include "bench/runtime/ResultTable.h"

namespace dirdock::test {
class ProgramDriver;
}

namespace dirdock::bench {

class BenchDirectory;

// Times from accepting the open-file dialog to the list drawn, in ms, one
// a run, in a directory window opened for the purpose.
std::vector<double> TimeDialogToList(test::ProgramDriver& driver, const BenchDirectory& directory, int runs);

// The process's memory before and after `windows` directory windows each
// list the directory; the windows are closed again afterwards.
std::vector<ResultRow> MeasureWindowMemory(test::ProgramDriver& driver, const BenchDirectory& directory,
                                           int windows);

} // namespace dirdock::bench
