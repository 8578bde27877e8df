#include "Screenshot.h"

#include <cstdio>

namespace {

// A rectangle of the screen as 24-bit bottom-up DIB rows.
class ScreenCopy {
public:
    explicit ScreenCopy(const RECT& rect)
        : m_width(rect.right - rect.left),
          m_height(rect.bottom - rect.top),
          m_screen(GetDC(nullptr)),
          m_memory(CreateCompatibleDC(m_screen))
    {
        m_info.bmiHeader = {sizeof(BITMAPINFOHEADER), m_width, m_height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        if (m_width <= 0 || m_height <= 0)
            return;
        m_bitmap = CreateDIBSection(m_screen, &m_info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
        HGDIOBJ old = SelectObject(m_memory, m_bitmap);
        BitBlt(m_memory, 0, 0, m_width, m_height, m_screen, rect.left, rect.top, SRCCOPY);
        SelectObject(m_memory, old);
    }
    ~ScreenCopy()
    {
        if (m_bitmap)
            DeleteObject(m_bitmap);
        DeleteDC(m_memory);
        ReleaseDC(nullptr, m_screen);
    }
    ScreenCopy(const ScreenCopy&) = delete;
    ScreenCopy& operator=(const ScreenCopy&) = delete;

    const unsigned char* Bits() const { return static_cast<const unsigned char*>(m_bits); }
    DWORD Stride() const { return (static_cast<DWORD>(m_width) * 3 + 3) & ~3u; }
    DWORD Size() const { return Stride() * static_cast<DWORD>(m_height); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const BITMAPINFOHEADER& Header() const { return m_info.bmiHeader; }

private:
    int m_width, m_height;
    HDC m_screen, m_memory;
    BITMAPINFO m_info{};
    HBITMAP m_bitmap = nullptr;
    void* m_bits = nullptr;
};

void SaveScreenRect(const RECT& rect, const std::wstring& path)
{
    const ScreenCopy copy(rect);
    if (!copy.Bits())
        return;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + copy.Size();
    if (FILE* out = _wfopen(path.c_str(), L"wb")) {
        fwrite(&file, sizeof(file), 1, out);
        fwrite(&copy.Header(), sizeof(copy.Header()), 1, out);
        fwrite(copy.Bits(), 1, copy.Size(), out);
        fclose(out);
    }
}

}  // namespace

void SaveScreen(const std::wstring& dir, const wchar_t* name)
{
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SaveScreenRect(screen, dir + L"\\" + name + L".bmp");
}

void SaveWindow(HWND window, const std::wstring& dir, const wchar_t* name)
{
    RECT rect;
    if (GetWindowRect(window, &rect))
        SaveScreenRect(rect, dir + L"\\" + name + L".bmp");
}

namespace {

// The pixels inside a window's client rect for which counts(blue, green,
// red) holds.
template <class Test>
int CountPixels(HWND window, RECT rect, Test counts)
{
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    const ScreenCopy copy(rect);
    if (!copy.Bits())
        return 0;
    int n = 0;
    for (int y = 0; y < copy.Height(); ++y) {
        const unsigned char* row = copy.Bits() + static_cast<size_t>(y) * copy.Stride();
        for (int x = 0; x < copy.Width(); ++x)
            if (counts(row[3 * x], row[3 * x + 1], row[3 * x + 2]))
                ++n;
    }
    return n;
}

}  // namespace

int DarkPixels(HWND window, RECT rect)
{
    return CountPixels(window, rect, [](int b, int g, int r) { return r + g + b < 3 * 128; });
}

int PixelsOf(HWND window, RECT rect, COLORREF color)
{
    return CountPixels(window, rect, [color](int b, int g, int r) { return RGB(r, g, b) == color; });
}
