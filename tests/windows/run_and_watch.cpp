// Starts a program the way a user would and plays the user at its message
// boxes: each box captioned "Veskara" is read (text bytes and icon), written
// to the report and dismissed with OK. Ends when the program has ended and
// reports its exit status.
//
//   run_and_watch.exe REPORT COMMAND LINE OF THE PROGRAM...
// or, to hand over a command line byte for byte (quotes and all), with the
// program's whole command line in the environment variable VESKARA_COMMAND_LINE:
//   run_and_watch.exe REPORT
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string ReportPath;

void Report(const std::string& line)
{
    if (FILE* file = std::fopen(ReportPath.c_str(), "ab")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

// Skips one argument of a command line (quoted or not) and the blanks after it.
const char* SkipArgument(const char* p)
{
    bool quoted = false;
    for (; *p != '\0' && (quoted || (*p != ' ' && *p != '\t')); ++p) {
        if (*p == '"') quoted = !quoted;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

std::string HexBytes(const char* bytes, int length)
{
    std::string hex;
    for (int i = 0; i < length; ++i) {
        char two[4];
        std::snprintf(two, sizeof two, "%02X", static_cast<unsigned char>(bytes[i]));
        hex += two;
    }
    return hex;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM found)
{
    char className[32];
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    }
    return TRUE;
}

// The icon as the user sees it: Wine draws the error icon red and the
// information icon blue. Icon handles cannot be compared across processes.
std::string IconKind(HWND box)
{
    HWND icon = nullptr;
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&icon));
    if (icon == nullptr) return "none";
    RECT area;
    GetWindowRect(icon, &area);
    HDC screen = GetDC(nullptr);
    int red = 0, blue = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF pixel = GetPixel(screen, x, y);
            const int r = GetRValue(pixel), g = GetGValue(pixel), b = GetBValue(pixel);
            if (r > 150 && g < 110 && b < 110) ++red;
            if (b > 150 && r < 110) ++blue;
        }
    }
    ReleaseDC(nullptr, screen);
    if (red > 20 && red > 2 * blue) return "error";
    if (blue > 20 && blue > 2 * red) return "info";
    char counts[64];
    std::snprintf(counts, sizeof counts, "unknown(red=%d,blue=%d)", red, blue);
    return counts;
}

void HandleBox(HWND box)
{
    Sleep(400);  // let the box paint itself before it is read off the screen
    if (!IsWindow(box)) return;
    char text[1024];
    const int length = GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    char caption[64];
    GetWindowTextA(box, caption, sizeof caption);
    Report("box " + IconKind(box) + " " + HexBytes(text, length) + " caption=" + caption);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 50 && IsWindow(box); ++i) Sleep(100);
}

}  // namespace

int main()
{
    const char* rest = SkipArgument(GetCommandLineA());
    const char* commandLine = SkipArgument(rest);
    ReportPath.assign(rest, SkipArgument(rest) - rest);
    while (!ReportPath.empty() && (ReportPath.back() == ' ' || ReportPath.back() == '"')) ReportPath.pop_back();
    if (!ReportPath.empty() && ReportPath.front() == '"') ReportPath.erase(0, 1);

    const char* exact = std::getenv("VESKARA_COMMAND_LINE");
    std::string line = exact != nullptr ? exact : commandLine;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        Report("could not start: " + line);
        return 1;
    }
    const DWORD started = GetTickCount();
    while (WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT) {
        if (HWND box = FindWindowA("#32770", "Veskara")) HandleBox(box);
        if (GetTickCount() - started > 240000) {
            Report("still running after 240 s: ended by the watcher");
            TerminateProcess(process.hProcess, 99);
        }
    }
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", (GetTickCount() - started) / 1000.0);
    Report("exit " + std::to_string(status) + " after " + seconds + " s");
    return 0;
}
