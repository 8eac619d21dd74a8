// The desktop operations as the run relies on them, asked of whichever
// desktop this program was linked with. Each case answers "" or what differed.
#include "conformance_cases.h"

#include <cstdio>
#include <string>

#include "desktop_fixture.h"

namespace {


std::string Text(long long value) { return std::to_string(value); }
std::string Text(const void* handle)
{
    if (handle == nullptr) return "null";
    char text[24];
    std::snprintf(text, sizeof text, "handle %p", handle);
    return text;
}

template <class T>
std::string Expect(const char* what, T actual, T wanted)
{
    if (actual == wanted) return "";
    return std::string(what) + ": wanted " + Text(wanted) + ", got " + Text(actual);
}

std::string ExpectHandle(const char* what, const void* actual, const void* wanted)
{
    return Expect<const void*>(what, actual, wanted);
}

std::string ExpectSome(const char* what, const void* actual)
{
    return actual != nullptr ? "" : std::string(what) + ": wanted a handle, got null";
}

// Joins the findings of several checks: the first one that differs.
std::string First(std::initializer_list<std::string> findings)
{
    for (const std::string& finding : findings) {
        if (!finding.empty()) return finding;
    }
    return "";
}

const char Main[] = "NERO_BURNING_ROM Class";
const char Title[] = "Nero - Burning Rom - ";

const ConformanceCase Cases[] = {
    {"FindWindowA finds a top-level window by class and whole title",
     [] {
         HWND window = MakeWindow(Main, Title);
         return ExpectHandle("FindWindowA", FindWindowA(Main, Title), window);
     }},
    {"FindWindowA ignores letter case in class and title",
     [] {
         HWND window = MakeWindow(Main, Title);
         return ExpectHandle("FindWindowA", FindWindowA("nero_burning_rom class", "NERO - BURNING ROM - "), window);
     }},
    {"FindWindowA does not take a title that only begins with the one asked for",
     [] {
         MakeWindow(Main, "Nero - Burning Rom - Untitled");
         return ExpectHandle("FindWindowA", FindWindowA(Main, Title), nullptr);
     }},
    {"FindWindowA does not take a title without the trailing space",
     [] {
         MakeWindow(Main, "Nero - Burning Rom -");
         return ExpectHandle("FindWindowA", FindWindowA(Main, Title), nullptr);
     }},
    {"FindWindowA does not take another class with the same title",
     [] {
         MakeWindow("Veskara Other Class", Title);
         return ExpectHandle("FindWindowA", FindWindowA(Main, Title), nullptr);
     }},
    {"FindWindowA does not find child windows",
     [] {
         HWND parent = MakeWindow("Veskara Other Class", "parent");
         MakeWindow("Button", "Erase", parent);
         return ExpectHandle("FindWindowA", FindWindowA("Button", "Erase"), nullptr);
     }},
    {"FindWindowA compares code page 932 titles whole",
     [] {
         HWND dialog = MakeWindow("#32770", "CD-RWの消去");
         return First({ExpectHandle("FindWindowA same", FindWindowA("#32770", "CD-RWの消去"), dialog),
                       ExpectHandle("FindWindowA other", FindWindowA("#32770", "CD-RWの消し"), nullptr)});
     }},
    {"FindWindowExA with a null parent and title finds a top-level window of the class",
     [] {
         HWND afx = MakeWindow("Afx:400000:0:10011:0:0", "whatever");
         return ExpectHandle("FindWindowExA", FindWindowExA(nullptr, nullptr, "Afx:400000:0:10011:0:0", nullptr), afx);
     }},
    {"FindWindowExA finds a direct child by class and caption",
     [] {
         HWND dialog = MakeWindow("#32770", "Erase CD-RW");
         MakeWindow("Button", "Cancel", dialog);
         HWND erase = MakeWindow("Button", "Erase", dialog);
         return First({ExpectHandle("dialog", FindWindowExA(nullptr, nullptr, "#32770", "Erase CD-RW"), dialog),
                       ExpectHandle("button", FindWindowExA(dialog, nullptr, "Button", "Erase"), erase)});
     }},
    {"FindWindowExA finds the first of two matching children",
     [] {
         HWND dialog = MakeWindow("#32770", "Erase CD-RW");
         HWND first = MakeWindow("Button", "Erase", dialog);
         MakeWindow("Button", "Erase", dialog);
         return ExpectHandle("FindWindowExA", FindWindowExA(dialog, nullptr, "Button", "Erase"), first);
     }},
    {"FindWindowExA does not look below direct children",
     [] {
         HWND dialog = MakeWindow("#32770", "Erase CD-RW");
         HWND group = MakeWindow("Veskara Other Class", "group", dialog);
         MakeWindow("Button", "Erase", group);
         return ExpectHandle("FindWindowExA", FindWindowExA(dialog, nullptr, "Button", "Erase"), nullptr);
     }},
    {"FindWindowExA with a null parent does not find children",
     [] {
         HWND dialog = MakeWindow("#32770", "Erase CD-RW");
         MakeWindow("Button", "Erase", dialog);
         return ExpectHandle("FindWindowExA", FindWindowExA(nullptr, nullptr, "Button", "Erase"), nullptr);
     }},
    {"a destroyed window is not found and neither exists nor is enabled",
     [] {
         HWND window = MakeWindow(Main, Title);
         DestroyTestWindow(window);
         return First({ExpectHandle("FindWindowA", FindWindowA(Main, Title), nullptr),
                       Expect<long long>("IsWindow", IsWindow(window) != 0, 0),
                       Expect<long long>("IsWindowEnabled", IsWindowEnabled(window) != 0, 0)});
     }},
    {"IsWindow and IsWindowEnabled of null are zero",
     [] {
         return First({Expect<long long>("IsWindow", IsWindow(nullptr) != 0, 0),
                       Expect<long long>("IsWindowEnabled", IsWindowEnabled(nullptr) != 0, 0)});
     }},
    {"IsWindowEnabled follows disabling and enabling",
     [] {
         HWND window = MakeWindow(Main, Title);
         const bool before = IsWindowEnabled(window) != 0;
         SetTestWindowEnabled(window, false);
         const bool disabled = IsWindowEnabled(window) != 0;
         const bool exists = IsWindow(window) != 0;
         SetTestWindowEnabled(window, true);
         return First({Expect<long long>("new window", before, 1), Expect<long long>("disabled", disabled, 0),
                       Expect<long long>("disabled but there", exists, 1),
                       Expect<long long>("enabled again", IsWindowEnabled(window) != 0, 1)});
     }},
    {"GetMenu answers the menu bar, or null without one",
     [] {
         HWND bare = MakeWindow(Main, "bare");
         HWND window = MakeWindow(Main, Title);
         HMENU bar = AttachMenuBar(window);
         return First({ExpectHandle("without", GetMenu(bare), nullptr), ExpectHandle("with", GetMenu(window), bar)});
     }},
    {"a destroyed window takes its menu bar with it",
     [] {
         HWND window = MakeWindow(Main, Title);
         HMENU bar = AttachMenuBar(window);
         HMENU first = GetSubMenu(bar, 0);
         DestroyTestWindow(window);
         return First({Expect<long long>("bar", GetMenuItemCount(bar), -1),
                       Expect<long long>("its menu", GetMenuItemCount(first), -1),
                       Expect<UINT>("a command of it", GetMenuItemID(first, 0), NoCommand)});
     }},
    {"GetSubMenu answers drop-down menus only",
     [] {
         HMENU bar = AttachMenuBar(MakeWindow(Main, Title));
         HMENU first = GetSubMenu(bar, 0);
         return First({ExpectSome("position 0", first), ExpectSome("position 2", GetSubMenu(bar, 2)),
                       ExpectHandle("past the end", GetSubMenu(bar, 3), nullptr),
                       ExpectHandle("negative", GetSubMenu(bar, -1), nullptr),
                       ExpectHandle("a command item", GetSubMenu(first, 0), nullptr),
                       ExpectHandle("null menu", GetSubMenu(nullptr, 0), nullptr)});
     }},
    {"GetMenuItemCount counts separators and answers -1 for a null menu",
     [] {
         HMENU bar = AttachMenuBar(MakeWindow(Main, Title));
         return First({Expect<long long>("bar", GetMenuItemCount(bar), 3),
                       Expect<long long>("first", GetMenuItemCount(GetSubMenu(bar, 0)), 3),
                       Expect<long long>("empty", GetMenuItemCount(GetSubMenu(bar, 2)), 0),
                       Expect<long long>("null", GetMenuItemCount(nullptr), -1)});
     }},
    {"GetMenuItemID answers the command, 0 for a separator, -1 otherwise",
     [] {
         HMENU bar = AttachMenuBar(MakeWindow(Main, Title));
         HMENU first = GetSubMenu(bar, 0);
         HMENU second = GetSubMenu(bar, 1);
         return First({Expect<UINT>("command", GetMenuItemID(first, 0), 100),
                       Expect<UINT>("separator", GetMenuItemID(first, 1), 0),
                       Expect<UINT>("last", GetMenuItemID(first, 2), 102),
                       Expect<UINT>("past the end", GetMenuItemID(first, 3), NoCommand),
                       Expect<UINT>("negative", GetMenuItemID(first, -1), NoCommand),
                       Expect<UINT>("submenu item", GetMenuItemID(second, 0), NoCommand),
                       Expect<UINT>("after a submenu", GetMenuItemID(second, 1), 111),
                       Expect<UINT>("empty menu", GetMenuItemID(GetSubMenu(bar, 2), 0), NoCommand),
                       Expect<UINT>("null menu", GetMenuItemID(nullptr, 0), NoCommand)});
     }},
    {"the last item of a menu that could not be read has no command",
     [] {
         HMENU none = GetSubMenu(nullptr, 0);
         return Expect<UINT>("GetMenuItemID", GetMenuItemID(none, GetMenuItemCount(none) - 1), NoCommand);
     }},
    {"SendNotifyMessageA to a busy window of another thread returns at once",
     [] {
         HWND window = MakeBusyWindowOnOtherThread(1000);
         const unsigned long before = NowMs();
         const BOOL queued = SendNotifyMessageA(window, WM_COMMAND, 7, 0);
         const unsigned long took = NowMs() - before;
         const int handledAtOnce = MessagesHandled();
         Sleep(1500);
         return First({Expect<long long>("queued", queued != 0, 1),
                       Expect<long long>("returned within 250 ms", took < 250, 1),
                       Expect<long long>("handled while busy", handledAtOnce, 0),
                       Expect<long long>("handled afterwards", MessagesHandled(), 1)});
     }},
    {"SendNotifyMessageA to a destroyed window fails",
     [] {
         HWND window = MakeWindow(Main, Title);
         DestroyTestWindow(window);
         return Expect<long long>("SendNotifyMessageA", SendNotifyMessageA(window, WM_COMMAND, 7, 0) != 0, 0);
     }},
    {"SendNotifyMessageA to a window that its own thread destroyed fails",
     [] {
         HWND window = MakeWindowDestroyedByOtherThread();
         return First({Expect<long long>("IsWindow", IsWindow(window) != 0, 0),
                       Expect<long long>("SendNotifyMessageA", SendNotifyMessageA(window, BM_CLICK, 0, 0) != 0, 0)});
     }},
};

}  // namespace

const ConformanceCase* ConformanceCasesBegin() { return std::begin(Cases); }
const ConformanceCase* ConformanceCasesEnd() { return std::end(Cases); }
