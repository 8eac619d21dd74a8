#pragma once

#include <functional>
#include <string>

struct ConformanceCase {
    const char* Name;
    std::function<std::string()> Check;  // "" when the desktop behaved as relied on
};

const ConformanceCase* ConformanceCasesBegin();
const ConformanceCase* ConformanceCasesEnd();
