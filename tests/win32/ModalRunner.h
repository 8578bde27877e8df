// Runs a dialog modally and calls a test body from inside its modal loop,
// once the dialog is up.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/afxwin.h"

INT_PTR RunModal(CDialog& dialog, std::function<void()> body);
