#include "platform/sim/timeline.h"

#include <iconv.h>

#include <cstdio>
#include <vector>

#include "platform/sim/sim_desktop.h"

namespace sim {
namespace {

std::string Seconds(Millis time)
{
    char text[32];
    std::snprintf(text, sizeof text, "%8.3f s", static_cast<double>(time) / 1000.0);
    return text;
}

// Control characters would break the timeline's lines; show them escaped.
std::string Printable(const std::string& text)
{
    std::string shown;
    for (char c : text) {
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (static_cast<unsigned char>(c) < 32) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown;
}

constexpr std::size_t LongestShownText = 300;

struct Line {
    Millis Time;
    std::string Text;     // without the time
    bool IsCall;
};

std::vector<Line> Lines()
{
    std::vector<Line> lines;
    const auto& calls = Calls();
    const auto& notes = Notes();
    std::size_t n = 0;
    for (std::size_t c = 0; c <= calls.size(); ++c) {
        for (; n < notes.size() && notes[n].CallsBefore <= c; ++n) {
            lines.push_back(Line{notes[n].Time, "    [host] " + notes[n].Text, false});
        }
        if (c == calls.size()) break;
        const Call& call = calls[c];
        std::string text = std::string(OpName(call.Operation)) + "(" + call.Arguments + ")";
        if (!call.Result.empty()) text += " -> " + call.Result;
        text = Printable(Utf8FromCp932(text));
        if (text.size() > LongestShownText) text = text.substr(0, LongestShownText) + " ...";
        lines.push_back(Line{call.Time, text, true});
    }
    return lines;
}

bool SameLines(const std::vector<Line>& lines, std::size_t a, std::size_t b, std::size_t length)
{
    for (std::size_t k = 0; k < length; ++k) {
        if (!lines[a + k].IsCall || lines[a + k].Text != lines[b + k].Text) return false;
    }
    return true;
}

}  // namespace

std::string Utf8FromCp932(const std::string& bytes)
{
    iconv_t converter = iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1)) return bytes;
    std::string out;
    std::vector<char> buffer(bytes.size() * 3 + 16);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t done = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
        if (done == static_cast<std::size_t>(-1) && inLeft > 0) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(*in));
            out += escaped;
            ++in;
            --inLeft;
        }
    }
    iconv_close(converter);
    return out;
}

std::string Timeline()
{
    const std::vector<Line> lines = Lines();
    std::string out;
    for (std::size_t i = 0; i < lines.size();) {
        // Fold a block of 1 to 3 calls that repeats right after itself.
        std::size_t folded = 0;
        for (std::size_t length = 1; length <= 3 && folded == 0; ++length) {
            std::size_t repeats = 0;
            while (i + (repeats + 2) * length <= lines.size() &&
                   SameLines(lines, i, i + (repeats + 1) * length, length)) {
                ++repeats;
            }
            if (repeats >= 2) {
                for (std::size_t k = 0; k < length; ++k) out += Seconds(lines[i + k].Time) + "  " + lines[i + k].Text + "\n";
                const std::size_t last = i + repeats * length;
                out += Seconds(lines[last].Time) + "  ... the " + std::to_string(length) +
                       (length == 1 ? " call above" : " calls above") + " repeated " + std::to_string(repeats) +
                       " more times, until " + Seconds(lines[last + length - 1].Time) + "\n";
                folded = (repeats + 1) * length;
            }
        }
        if (folded > 0) {
            i += folded;
            continue;
        }
        out += Seconds(lines[i].Time) + "  " + lines[i].Text + "\n";
        ++i;
    }
    return out;
}

}  // namespace sim
