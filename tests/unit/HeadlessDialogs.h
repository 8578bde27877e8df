// The headless backend's test interface (framework/headless/Testing.h) and
// the same operations for framework objects. They need the window layer,
// which sits above the backend, so they live with the tests that use them.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "framework/afxwin.h"
#include "framework/headless/Testing.h"

namespace headless {

// What a script can do inside a modal loop.
using ModalScript = std::function<void(CDialog& dialog)>;

// Queues the body of the next modal loop; see PushModalLoop.
inline void PushModal(ModalScript script)
{
    PushModalLoop([script = std::move(script)](HWND hDlg) {
        // The dialog procedure attached the dialog that DoModal made.
        script(*static_cast<CDialog*>(CWnd::FromHandlePermanent(hDlg)));
    });
}

inline void Click(CWnd& dialog, int nID)
{
    Click(dialog.m_hWnd, nID);
}

inline void Type(CWnd& dialog, int nID, const std::string& text)
{
    Type(dialog.m_hWnd, nID, text);
}

}  // namespace headless
