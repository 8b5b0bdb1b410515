#pragma once

namespace dirdock {

// The threads StartProcedureThread made, for closing down.
bool AllProcedureThreadsFinished();
// Joins the threads that have finished and lets the others go on alone.
void ReapProcedureThreads();

} // namespace dirdock
