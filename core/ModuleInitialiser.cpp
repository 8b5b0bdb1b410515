#include "ModuleInitialiser.h"

namespace dirdock {

void ModuleInitialiser(std::int32_t phase)
{
    if (phase == 0)
        InitialiseModule();
}

const ProgramDescriptorRecord ProgramDescriptor{"dirdock", &ModuleInitialiser};

} // namespace dirdock
