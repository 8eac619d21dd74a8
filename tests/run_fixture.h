// Runs the whole program on the simulated desktop against the scripted host
// and keeps what the user and the host saw.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/sim/sim_desktop.h"
#include "scripted_host.h"

// The edition this test program was linked with.
host::Edition LinkedEdition();

// The host of a named scenario, facing this program's edition.
host::HostSettings Scenario(const char* name);

// Resets the desktop, installs the host, sets the command line (the program's
// name is put in front of arguments) and calls the program's entry. Lets the
// host go on for a few seconds after the run so its state has settled.
void RunWholeProgram(const host::HostSettings& settings, const std::string& arguments = "",
                     const std::function<void()>& beforeRun = nullptr);

// Whether the run ended right after showing its last box or beep: the last
// desktop calls are that box or beep and then ExitProcess.
::testing::AssertionResult EndedRightAfter(sim::Op last);

// The catalogue texts, written out independently of the program's sources.
struct ExpectedText {
    const char* Name;
    std::string Text;   // code page 932 bytes
    std::size_t Bytes;  // the catalogue's count
    UINT Icon;
};
const ExpectedText& Expected(const std::string& name);  // "M1" .. "M10"
// A case's description as a test name: letters and digits, the rest as '_'.
std::string TestName(const std::string& description);

// Bytes as hexadecimal pairs, so that a failed comparison shows where texts differ.
std::string HexBytes(const std::string& bytes);
