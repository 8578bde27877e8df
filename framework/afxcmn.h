// The platform's common controls.
#pragma once

#include "framework/afxwin.h"
#include "framework/window/ImageList.h"
#include "framework/window/ListCtrl.h"
#include "framework/window/TreeCtrl.h"
