// The file node's label for a path given as text rather than chosen in the
// file dialog.
#pragma once

#include "framework/core/String.h"

// The path's last name (after its last '/' or '\', as the file dialog
// splits it) without its last extension: "ui/main.v2.sty" gives "main.v2".
CString FileTitleOfPath(const CString& path);
