#include "core/ModuleInitialiser.h"

int main()
{
    return dirdock::RunProgram();
}
