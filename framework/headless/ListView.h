// The headless list view in report mode: columns and rows of text in
// memory, answering the messages the platform's list view answers.
#pragma once

#include <vector>

#include "framework/core/Utf.h"
#include "framework/headless/Testing.h"
#include "framework/win32/Win32Api.h"

namespace headless {

class ListView {
public:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    std::vector<Column> GetColumns() const;
    // Selects one row, none with -1.
    void Select(int nRow);

private:
    struct ColumnState {
        AfxWideString heading;
        int format;
        int width;
    };

    int InsertColumn(size_t at, const LVCOLUMNW& column);
    int InsertItem(const LVITEMW& item);
    // The cell of a row and column, or null when there is none.
    AfxWideString* Cell(WPARAM nItem, int nSubItem);

    std::vector<ColumnState> m_columns;
    std::vector<std::vector<AfxWideString>> m_rows;  // cells, the first column first
    DWORD m_exStyle = 0;
    int m_selected = -1;
};

}  // namespace headless
