// Screenshots as BMP files, which run-e2e.sh turns into PNG, and a look at
// whether anything is drawn in a part of a window.
#pragma once

#include <windows.h>

#include <string>

// The whole screen, as dir\name.bmp.
void SaveScreen(const std::wstring& dir, const wchar_t* name);
// Only the window, frame and caption included, as dir\name.bmp.
void SaveWindow(HWND window, const std::wstring& dir, const wchar_t* name);
// The pixels of the screen darker than mid-grey inside rect, given in the
// window's client coordinates: text drawn there counts, a blank or
// grid-lined background does not.
int DarkPixels(HWND window, RECT rect);
// The pixels of the screen of exactly this colour inside rect, given in the
// window's client coordinates.
int PixelsOf(HWND window, RECT rect, COLORREF color);
