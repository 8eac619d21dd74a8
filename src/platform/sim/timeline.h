// Renders what a simulated run did as text a person can read: every call with
// its virtual time, arguments and result, the host's own notes, and the
// message boxes, with code page 932 texts shown in UTF-8.
#pragma once

#include <string>

namespace sim {

// Code page 932 bytes as UTF-8; bytes that do not convert are shown as \xNN.
std::string Utf8FromCp932(const std::string& bytes);

// The timeline of the last run. Runs of identical calls (a poll loop) are
// folded into one line that says how often they were repeated.
std::string Timeline();

}  // namespace sim
