// The framework's window layer.
#pragma once

#include "framework/afx.h"
#include "framework/window/AcceleratorTable.h"
#include "framework/window/Clipboard.h"
#include "framework/window/Dc.h"
#include "framework/window/Dialog.h"
#include "framework/window/Menu.h"
#include "framework/window/MsgMap.h"
#include "framework/window/WinApp.h"
#include "framework/window/WinThread.h"
#include "framework/window/Wnd.h"
