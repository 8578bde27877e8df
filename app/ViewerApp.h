// The application object: runs the main dialog and ends when it closes.
#pragma once

#include "framework/afxwin.h"

class CViewerApp : public CWinApp {
public:
    CViewerApp() = default;
    ~CViewerApp() override = default;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CViewerApp theApp;
