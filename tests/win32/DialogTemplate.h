// Reads a dialog template resource of the running program, classic or
// extended, into plain values that tests can compare.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct TemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};  // x, y, x + cx, y + cy in dialog units
    int id = 0;
    std::wstring className;  // predefined classes by name: "button", "edit", "static"
    std::wstring text;       // "#n" when the text is a resource ordinal
};

struct DialogTemplate {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};
    std::wstring menu;
    std::wstring className;
    std::wstring caption;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring typeface;
    std::vector<TemplateItem> items;
};

// Reads template id (of language langId) from this module; throws
// std::runtime_error if it is missing or malformed.
DialogTemplate LoadDialogTemplate(int id, WORD langId);
