// Shows every message of this program's catalogue through the program's own
// ReportMessage, and saves a picture of each box as the user sees it.
//
//   message_gallery_<edition>.exe OUTPUT_FOLDER
// writes OUTPUT_FOLDER\M1.bmp ... M10.bmp (M1 with the shell's error number 2).
#include <windows.h>

#include <cstdio>
#include <string>

#include "messages/message_texts.h"
#include "messages/report_message.h"

namespace {

struct Entry {
    const char* Id;
    std::string Text;
    MessageKind Kind;
};

std::string Folder;
std::string Current;

void SaveBitmap(HWND box, const std::string& path)
{
    RECT area;
    GetWindowRect(box, &area);
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    const DWORD rowBytes = (width * 3 + 3) & ~3u;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + rowBytes * height;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        std::fwrite(pixels, rowBytes * height, 1, out);
        std::fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

DWORD WINAPI Photographer(LPVOID)
{
    for (;;) {
        HWND box = FindWindowA("#32770", ProgramCaption);
        if (box != nullptr) {
            Sleep(700);  // let it paint
            SaveBitmap(box, Folder + "\\" + Current + ".bmp");
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            while (IsWindow(box)) Sleep(50);
        }
        Sleep(50);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return 2;
    Folder = argv[1];
    const Entry entries[] = {
        {"M1", std::string(HostNotStartedText) + "2", MessageKind::Error},
        {"M2", MainWindowNotFoundText, MessageKind::Error},
        {"M3", EraseMenuNotSelectedText, MessageKind::Error},
        {"M4", EraseButtonNotFoundText, MessageKind::Error},
        {"M5", EraseButtonNotPressedText, MessageKind::Error},
        {"M6", EraseNotStartedText, MessageKind::Error},
        {"M7", EraseTimedOutText, MessageKind::Info},
        {"M8", HostLostText, MessageKind::Info},
        {"M9", ExitCommandFailedText, MessageKind::Error},
        {"M10", HostNotExitedText, MessageKind::Error},
    };
    CreateThread(nullptr, 0, Photographer, nullptr, 0, nullptr);
    for (const Entry& entry : entries) {
        if (argc > 2 && std::string(argv[2]) != entry.Id) continue;
        Current = entry.Id;
        ReportMessage(entry.Text.c_str(), entry.Kind);
    }
    return 0;
}
