// The real keyboard and mouse and the clipboard, as the driver uses them: keys go
// through the system's input, to the window with the focus in the
// foreground, with the key states a program reads (Ctrl, Shift) set as a
// person's hands would set them.
#pragma once

#include <windows.h>

#include <string>

enum Held : unsigned { kNone = 0, kCtrl = 1, kShift = 2 };

// Presses and releases vk, with the keys of held down around it.
void PressKey(WORD vk, unsigned held = kNone);
// Types text as characters.
void TypeText(const std::wstring& text);
// A right-click with the mouse, its pointer moved to (x, y) on the screen.
void RightClickAt(POINT screen);

// The clipboard's Unicode text; empty when it has none.
std::wstring ClipboardText();
void EmptyTheClipboard();
