#include "ProcessMemory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace dirdock::bench {

ProcessMemory ReadProcessMemory()
{
    ProcessMemory memory;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string key;
        long value = -1;
        fields >> key >> value;
        if (key == "VmRSS:")
            memory.residentKiB = value;
        else if (key == "VmHWM:")
            memory.peakKiB = value;
    }
    return memory;
}

} // namespace dirdock::bench
