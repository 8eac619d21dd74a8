// run_hook.dll is loaded into a program as its shell32.dll (a copy of the
// program sits beside it, and Wine is told to prefer that DLL), so it stands
// in for the one shell call the program makes. The host runs inside the
// program, so "starting" it is only a question of whether the file is there:
// ShellExecuteA answers 42 (started) for a file that exists and 2 (no such
// file) otherwise, as the shell does.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>

extern "C" __declspec(dllexport) HINSTANCE WINAPI ShellExecuteA(HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR, INT)
{
    char path[MAX_PATH] = "";
    if (file != nullptr) {
        // One pair of enclosing quotes belongs to the command, not to the file's name.
        const std::size_t length = std::strlen(file);
        const bool quoted = length >= 2 && file[0] == '"' && file[length - 1] == '"';
        const std::size_t kept = quoted ? length - 2 : length;
        if (kept < sizeof path) {
            std::memcpy(path, quoted ? file + 1 : file, kept);
            path[kept] = '\0';
        }
    }
    const bool exists = path[0] != '\0' && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(exists ? 42 : 2));
}
