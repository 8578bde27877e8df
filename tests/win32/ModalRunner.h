// Runs test bodies from inside a dialog's modal loop.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/afxwin.h"

// Calls body once, ms milliseconds from now, from whichever modal loop is
// running then.
void RunLater(std::function<void()> body, UINT ms = 50);
// Runs dialog modally with body called once the dialog is up.
INT_PTR RunModal(CDialog& dialog, std::function<void()> body);
