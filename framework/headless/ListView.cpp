#include "framework/headless/ListView.h"

#include <algorithm>

#include "framework/headless/Objects.h"

namespace headless {

LRESULT ListView::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case LVM_INSERTCOLUMNW:
        return InsertColumn(wParam, *reinterpret_cast<const LVCOLUMNW*>(lParam));
    case LVM_GETCOLUMNWIDTH:
        return wParam < m_columns.size() ? m_columns[wParam].width : 0;
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        // A zero mask changes every bit.
        const DWORD mask = wParam ? static_cast<DWORD>(wParam) : ~DWORD{0};
        const DWORD old = m_exStyle;
        m_exStyle = (old & ~mask) | (static_cast<DWORD>(lParam) & mask);
        return old;
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return m_exStyle;
    case LVM_INSERTITEMW:
        return InsertItem(*reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_SETITEMTEXTW: {
        const auto& item = *reinterpret_cast<const LVITEMW*>(lParam);
        AfxWideString* cell = Cell(wParam, item.iSubItem);
        if (!cell)
            return FALSE;
        *cell = item.pszText ? AfxWideString(item.pszText) : AfxWideString();
        return TRUE;
    }
    case LVM_GETITEMTEXTW: {
        auto& item = *reinterpret_cast<LVITEMW*>(lParam);
        const AfxWideString* cell = Cell(wParam, item.iSubItem);
        return CopyText(cell ? *cell : AfxWideString(), item.pszText, item.cchTextMax);
    }
    case LVM_GETITEMCOUNT:
        return static_cast<LRESULT>(m_rows.size());
    case LVM_DELETEALLITEMS:
        m_rows.clear();
        m_selected = -1;
        return TRUE;
    case LVM_GETNEXTITEM: {
        const int after = static_cast<int>(wParam);
        return (lParam & LVNI_SELECTED) && m_selected > after ? m_selected : -1;
    }
    case LVM_GETITEMRECT: {
        // Rows under a header of one row's height, as wide as the columns.
        if (wParam >= m_rows.size())
            return FALSE;
        auto& rect = *reinterpret_cast<RECT*>(lParam);
        int width = 0;
        for (const ColumnState& column : m_columns)
            width += column.width;
        const LONG top = static_cast<LONG>((wParam + 1) * kRowHeight);
        rect = RECT{0, top, width, top + kRowHeight};
        return TRUE;
    }
    default:
        return 0;
    }
}

void ListView::Select(int nRow)
{
    m_selected = nRow >= 0 && static_cast<size_t>(nRow) < m_rows.size() ? nRow : -1;
}

std::vector<Column> ListView::GetColumns() const
{
    std::vector<Column> out;
    for (const ColumnState& column : m_columns)
        out.push_back({AfxWideToUtf8(column.heading), column.format, column.width});
    return out;
}

int ListView::InsertColumn(size_t at, const LVCOLUMNW& column)
{
    at = std::min(at, m_columns.size());
    ColumnState added{{}, LVCFMT_LEFT, 0};
    if ((column.mask & LVCF_TEXT) && column.pszText)
        added.heading = column.pszText;
    if (column.mask & LVCF_FMT)
        added.format = column.fmt;
    if (column.mask & LVCF_WIDTH)
        added.width = column.cx;
    m_columns.insert(m_columns.begin() + static_cast<std::ptrdiff_t>(at), std::move(added));
    return static_cast<int>(at);
}

int ListView::InsertItem(const LVITEMW& item)
{
    if (item.iItem < 0)
        return -1;
    const size_t at = std::min(static_cast<size_t>(item.iItem), m_rows.size());
    std::vector<AfxWideString> row(1);
    if ((item.mask & LVIF_TEXT) && item.pszText)
        row[0] = item.pszText;
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
    return static_cast<int>(at);
}

AfxWideString* ListView::Cell(WPARAM nItem, int nSubItem)
{
    // A row has a cell for each column; without columns, one.
    const size_t cells = std::max<size_t>(m_columns.size(), 1);
    if (nItem >= m_rows.size() || nSubItem < 0 || static_cast<size_t>(nSubItem) >= cells)
        return nullptr;
    std::vector<AfxWideString>& row = m_rows[nItem];
    if (row.size() < cells)
        row.resize(cells);
    return &row[static_cast<size_t>(nSubItem)];
}

}  // namespace headless
