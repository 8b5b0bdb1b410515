#include "ModuleInitialiser.h"

#include "frame/RunFrame.h"

namespace dirdock {

int RunProgram()
{
    if (StartRuntime(ProgramDescriptor, RuntimeVersion) == 0)
        return 0;
    EnterProgramCode();
    RunFrame();
    CloseDownRuntime();
    return 0;
}

} // namespace dirdock
