// Runs every conformance case on the desktop this program was linked with and
// prints one line a case and a closing "N passed, N failed" line.
#include <cstdio>

#include "conformance_cases.h"
#include "desktop_fixture.h"

int main()
{
    int passed = 0, failed = 0;
    for (const ConformanceCase* c = ConformanceCasesBegin(); c != ConformanceCasesEnd(); ++c) {
        BeginCase();
        const std::string finding = c->Check();
        EndCase();
        if (finding.empty()) {
            ++passed;
            std::printf("ok    %s\n", c->Name);
        } else {
            ++failed;
            std::printf("FAIL  %s\n      %s\n", c->Name, finding.c_str());
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
