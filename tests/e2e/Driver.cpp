// Drives the real lorvex.exe as a person would, from another process under
// the same Wine prefix: starts it, looks at its windows, opens the system
// menu and the About box, closes everything, and saves a screenshot of the
// screen after each step.
//   lorvex_e2e_driver LORVEX.EXE SHOT_DIR
// Exits 0 when every check held; prints each failed check.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

int g_checks = 0;
int g_failures = 0;

void Check(bool ok, const char* what)
{
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
    std::fflush(stdout);
    ++g_checks;
    if (!ok)
        ++g_failures;
}

std::wstring DosPath(const char* path)
{
    std::wstring out(path, path + strlen(path));
    if (!out.empty() && out[0] == L'/')
        out = L"Z:" + out;
    for (wchar_t& c : out)
        if (c == L'/')
            c = L'\\';
    return out;
}

bool WaitFor(const std::function<bool()>& condition, DWORD ms = 15000)
{
    for (DWORD waited = 0; waited < ms; waited += 50) {
        if (condition())
            return true;
        Sleep(50);
    }
    return condition();
}

// Gives the program time to paint before a screenshot.
void Settle(HWND window)
{
    DWORD_PTR ignored;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    Sleep(400);
}

void SaveScreen(const std::wstring& dir, const wchar_t* name)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);

    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;
    const std::wstring path = dir + L"\\" + name + L".bmp";
    if (FILE* out = _wfopen(path.c_str(), L"wb")) {
        fwrite(&file, sizeof(file), 1, out);
        fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out);
        fwrite(bits, 1, imageSize, out);
        fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

HWND FindDialog(const wchar_t* caption, DWORD pid)
{
    HWND found = nullptr;
    for (HWND w = FindWindowW(L"#32770", caption); w; w = FindWindowExW(nullptr, w, L"#32770", caption)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid) {
            found = w;
            break;
        }
    }
    return found;
}

std::wstring Text(HWND window)
{
    wchar_t buffer[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

// Texts of the statics of a dialog, in creation order.
std::vector<std::wstring> StaticTexts(HWND dialog)
{
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[32] = {};
        GetClassNameW(child, cls, 32);
        if (_wcsicmp(cls, L"Static") == 0)
            texts.push_back(Text(child));
    }
    return texts;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: lorvex_e2e_driver LORVEX.EXE SHOT_DIR\n");
        return 2;
    }
    std::string exeUtf8(argv[1], argv[1] + wcslen(argv[1]));
    std::string dirUtf8(argv[2], argv[2] + wcslen(argv[2]));
    std::wstring exe = DosPath(exeUtf8.c_str()), shots = DosPath(dirUtf8.c_str());

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::printf("FAIL cannot start %ls\n", exe.c_str());
        return 1;
    }

    HWND main = nullptr;
    Check(WaitFor([&] { return (main = FindDialog(L"Lorvex", process.dwProcessId)) && IsWindowVisible(main); }),
          "the main dialog shows");
    if (!main) {
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    Settle(main);
    SaveScreen(shots, L"main");

    Check(Text(GetDlgItem(main, 1001)).empty() && Text(GetDlgItem(main, 1002)).empty(), "both path fields are empty");
    Check(Text(GetDlgItem(main, 1003)) == L"Browse..." && Text(GetDlgItem(main, 1005)) == L"Browse..." &&
              Text(GetDlgItem(main, 1006)) == L"Update",
          "the buttons read Browse..., Browse... and Update");
    const auto labels = StaticTexts(main);
    Check(labels.size() == 2 && labels[0] == L"assosiated sty header path:" && labels[1] == L"sty file path:",
          "the labels read as they should");
    Check(SendMessageW(GetDlgItem(main, 1000), TVM_GETCOUNT, 0, 0) == 0, "the tree is empty");
    Check(SendMessageW(GetDlgItem(main, 1004), LVM_GETITEMCOUNT, 0, 0) == 0, "the list is empty");
    Check(SendMessageW(GetDlgItem(main, 1004), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) == 0x221,
          "the list draws grid lines and selects whole rows");

    // The system menu, as Alt+Space opens it.
    PostMessageW(main, WM_SYSCOMMAND, SC_KEYMENU, L' ');
    HWND popup = nullptr;
    Check(WaitFor([&] { return (popup = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(popup); }, 5000),
          "the system menu opens");
    Settle(main);
    SaveScreen(shots, L"system-menu");
    PostMessageW(main, WM_CANCELMODE, 0, 0);
    WaitFor([&] { return !FindWindowW(L"#32768", nullptr) || !IsWindowVisible(FindWindowW(L"#32768", nullptr)); },
            3000);

    // The About command of the system menu.
    PostMessageW(main, WM_SYSCOMMAND, 0x10, 0);
    HWND about = nullptr;
    Check(WaitFor([&] { return (about = FindDialog(L"关于 Lorvex", process.dwProcessId)) && IsWindowVisible(about); }),
          "the About box opens");
    if (about) {
        Check(!IsWindowEnabled(main), "the main dialog is disabled meanwhile");
        const auto lines = StaticTexts(about);
        Check(lines.size() == 3 && lines[1] == L"Lorvex 1.0 版" && !lines[2].empty(), "the About box reads Lorvex 1.0 版");
        Check(Text(GetDlgItem(about, IDOK)) == L"确定", "its button reads 确定");
        RECT a, m;
        GetWindowRect(about, &a);
        GetWindowRect(main, &m);
        Check(std::abs((a.left + a.right) - (m.left + m.right)) <= 2 && std::abs((a.top + a.bottom) - (m.top + m.bottom)) <= 2,
              "the About box is centred over the main dialog");
        Settle(about);
        SaveScreen(shots, L"about");
        PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
        Check(WaitFor([&] { return !IsWindow(about); }, 5000), "确定 closes the About box");
        Check(WaitFor([&] { return IsWindowEnabled(main) != FALSE; }, 3000), "the main dialog is enabled again");
    }

    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    Check(WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0, "the close command ends the program");
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    Check(code == 0, "the program exits with code 0");
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("e2e: %d checks, %d failed\n", g_checks, g_failures);
    return g_failures == 0 ? 0 : 1;
}
