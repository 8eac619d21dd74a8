#include "stand_in_host.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char MainClass[] = "NERO_BURNING_ROM Class";
constexpr char MainTitle[] = "Nero - Burning Rom - ";
constexpr char AfxClass[] = "Afx:400000:0:10011:0:0";
constexpr UINT_PTR ShowWindowTimer = 1;
constexpr UINT_PTR EraseTimer = 2;
constexpr UINT_PTR CrashTimer = 3;
constexpr UINT_PTR QuitTimer = 4;
constexpr int EraseButtonId = 1001;

StandInOptions Options;
HWND MainWindow;
HWND AfxWindow;
HWND Dialog;

void Report(const char* line)
{
    if (Options.Report.empty()) return;
    if (FILE* file = std::fopen(Options.Report.c_str(), "ab")) {
        std::fprintf(file, "%s\n", line);
        std::fclose(file);
    }
}

HMENU MakePopup(int items, int special, UINT command)
{
    HMENU popup = CreatePopupMenu();
    for (int i = 0; i < items; ++i) {
        if (i == special) {
            AppendMenuA(popup, MF_STRING, command, "*");
        } else if (i % 3 == 2) {
            AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(popup, MF_STRING, 0x8000 + 16 * i, "item");
        }
    }
    return popup;
}

HMENU MakeMenuBar()
{
    HMENU bar = CreateMenu();
    const char* names[] = {"File", "Edit", "View", "Recorder", "Extras"};
    for (int m = 0; m < 5; ++m) {
        HMENU popup = m == 0   ? MakePopup(Options.EmptyExitMenu ? 0 : 6, 5, StandInExitCommand)
                      : m == 3 ? MakePopup(9, 6, StandInEraseCommand)
                               : MakePopup(4, -1, 0);
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), names[m]);
    }
    return bar;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == EraseButtonId) {
        Report("click");
        DestroyWindow(dialog);
        Dialog = nullptr;
        if (Options.CrashMs != 0) {
            SetTimer(MainWindow, CrashTimer, Options.CrashMs, nullptr);
        } else if (!Options.EraseNever) {
            SetTimer(MainWindow, EraseTimer, Options.EraseMs, nullptr);
        }
        return TRUE;
    }
    return FALSE;
}

void OpenEraseDialog()
{
    // An empty dialog template; title and button are set in the edition's texts.
    static const WORD Template[] = {
        LOWORD(WS_POPUP | WS_CAPTION | WS_VISIBLE), HIWORD(WS_POPUP | WS_CAPTION | WS_VISIBLE), 0, 0,
        0, 10, 10, 200, 80, 0, 0, 0, 0};
    Dialog = CreateDialogIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(Template), MainWindow, DialogProc, 0);
    SetWindowTextA(Dialog, Options.East ? "CD-RWの消去" : "Erase CD-RW");
    CreateWindowExA(0, "Button", "Cancel", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, Dialog,
                    reinterpret_cast<HMENU>(IDCANCEL), nullptr, nullptr);
    CreateWindowExA(0, "Button", Options.East ? "消去" : "Erase", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                    100, 10, 80, 24, Dialog, reinterpret_cast<HMENU>(EraseButtonId), nullptr, nullptr);
    EnableWindow(MainWindow, FALSE);  // as a modal dialog does
    Report("dialog opened");
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (wParam == StandInEraseCommand) {
            Report("erase command");
            if (!Options.NoDialog) OpenEraseDialog();
        } else if (wParam == StandInExitCommand) {
            Report("exit command");
            DestroyWindow(window);
        } else {
            char line[64];
            std::snprintf(line, sizeof line, "command %u", static_cast<unsigned>(wParam));
            Report(line);
        }
        return 0;
    case WM_TIMER:
        KillTimer(window, wParam);
        if (wParam == EraseTimer) {
            EnableWindow(window, TRUE);
            Report("erase finished");
        } else if (wParam == CrashTimer) {
            Report("vanishes while erasing");
            DestroyWindow(window);
        }
        return 0;
    case WM_CLOSE:
        Report("main window closed");
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        if (AfxWindow) DestroyWindow(AfxWindow);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK AfxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        Report("afx closed");
        DestroyWindow(window);
        AfxWindow = nullptr;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void ShowMainWindow()
{
    const std::string title = MainTitle + Options.TitleSuffix;
    MainWindow = CreateWindowExA(0, MainClass, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 300,
                                 nullptr, MakeMenuBar(), nullptr, nullptr);
    Report("main window shown");
}

void RegisterClass(const char* name, WNDPROC proc)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&windowClass);
}

}  // namespace

StandInOptions ParseStandInOptions(const char* words)
{
    StandInOptions options;
    const char* p = words != nullptr ? words : "";
    while (*p != '\0') {
        while (*p == ' ') ++p;
        const char* end = std::strchr(p, ' ');
        const std::string word(p, end != nullptr ? end : p + std::strlen(p));
        p += word.size();
        const std::size_t equals = word.find('=');
        const std::string key = word.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : word.substr(equals + 1);
        if (key == "east") options.East = true;
        if (key == "title-suffix") options.TitleSuffix = value;
        if (key == "window-delay") options.WindowDelay = std::strtoul(value.c_str(), nullptr, 10);
        if (key == "no-window") options.NoWindow = true;
        if (key == "no-afx") options.NoAfx = true;
        if (key == "no-dialog") options.NoDialog = true;
        if (key == "erase-ms") options.EraseMs = std::strtoul(value.c_str(), nullptr, 10);
        if (key == "erase-never") options.EraseNever = true;
        if (key == "crash-ms") options.CrashMs = std::strtoul(value.c_str(), nullptr, 10);
        if (key == "empty-exit-menu") options.EmptyExitMenu = true;
        if (key == "quit-after") options.QuitAfterMs = std::strtoul(value.c_str(), nullptr, 10);
        if (key == "report") options.Report = value;
    }
    return options;
}

void RunStandInHost(const StandInOptions& options)
{
    Options = options;
    RegisterClass(MainClass, MainProc);
    RegisterClass(AfxClass, AfxProc);
    Report("started");
    if (!Options.NoAfx) {
        AfxWindow = CreateWindowExA(0, AfxClass, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    // A hidden helper window carries the start-up timer until the main window exists.
    HWND helper = CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (Options.QuitAfterMs != 0) SetTimer(helper, QuitTimer, Options.QuitAfterMs, nullptr);
    if (!Options.NoWindow) {
        if (Options.WindowDelay == 0) {
            ShowMainWindow();
        } else {
            SetTimer(helper, ShowWindowTimer, Options.WindowDelay, nullptr);
        }
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == helper) {
            KillTimer(helper, message.wParam);
            if (message.wParam == QuitTimer) break;
            ShowMainWindow();
            continue;
        }
        if (Dialog != nullptr && IsDialogMessageA(Dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DestroyWindow(helper);
    if (MainWindow != nullptr && IsWindow(MainWindow)) DestroyWindow(MainWindow);
    if (AfxWindow != nullptr) DestroyWindow(AfxWindow);
    Report("exited");
}
