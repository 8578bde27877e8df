// The platform's common dialogs.
#pragma once

#include "framework/afxwin.h"
#include "framework/window/FileDialog.h"
#include "framework/window/FindReplaceDialog.h"
