#include "Remote.h"

namespace {

// Room for one text of a tree item or list cell, terminator included.
constexpr size_t kTextChars = 260;

}  // namespace

RemoteBuffer::RemoteBuffer(HANDLE process, size_t size)
    : m_process(process),
      m_base(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
      m_size(size)
{
}

RemoteBuffer::~RemoteBuffer()
{
    if (m_base)
        VirtualFreeEx(m_process, m_base, 0, MEM_RELEASE);
}

bool RemoteBuffer::Write(size_t offset, const void* data, size_t size) const
{
    SIZE_T done = 0;
    return m_base && offset <= m_size && size <= m_size - offset &&
           WriteProcessMemory(m_process, At(offset), data, size, &done) && done == size;
}

bool RemoteBuffer::Read(size_t offset, void* data, size_t size) const
{
    SIZE_T done = 0;
    return m_base && offset <= m_size && size <= m_size - offset &&
           ReadProcessMemory(m_process, At(offset), data, size, &done) && done == size;
}

std::wstring RemoteBuffer::ReadString(const void* address, size_t maxChars) const
{
    // In aligned 64-byte pieces, which never cross a page: a string near the
    // end of the process's mapped memory would fail a read of the maximum.
    constexpr uintptr_t kPiece = 64;
    std::wstring text;
    auto at = reinterpret_cast<uintptr_t>(address);
    while (text.size() < maxChars) {
        wchar_t piece[kPiece / sizeof(wchar_t)];
        const SIZE_T bytes = kPiece - at % kPiece;
        SIZE_T done = 0;
        if (!ReadProcessMemory(m_process, reinterpret_cast<const void*>(at), piece, bytes, &done) || done != bytes)
            break;
        const size_t chars = bytes / sizeof(wchar_t);
        const size_t length = wcsnlen(piece, chars);
        text.append(piece, length);
        if (length < chars)
            break;
        at += bytes;
    }
    if (text.size() > maxChars)
        text.resize(maxChars);
    return text;
}

namespace {

// Item requests and room for their texts, side by side in the program's
// memory, so that a batch costs one write and one read whatever its size
// (each crossing costs far more under Wine than a message does).
template <class Item>
class RemoteItems {
public:
    RemoteItems(HANDLE process, size_t count)
        : m_count(count), m_remote(process, count * (sizeof(Item) + kTextBytes)), m_items(count)
    {
    }

    // Request i, its text pointing at its own room in the program.
    Item& Request(size_t i)
    {
        m_items[i].pszText = reinterpret_cast<LPWSTR>(m_remote.At(TextOffset(i)));
        m_items[i].cchTextMax = static_cast<int>(kTextChars);
        return m_items[i];
    }
    bool Send() { return m_remote && m_remote.Write(0, m_items.data(), m_count * sizeof(Item)); }
    LPARAM Address(size_t i) const { return reinterpret_cast<LPARAM>(m_remote.At(i * sizeof(Item))); }
    // Reads the answers back: the items, and every text.
    bool Receive()
    {
        m_answer.resize(m_count * (sizeof(Item) + kTextBytes));
        return m_remote && m_remote.Read(0, m_answer.data(), m_answer.size());
    }
    const Item& Answer(size_t i) const { return *reinterpret_cast<const Item*>(m_answer.data() + i * sizeof(Item)); }
    // Text i as answered: in its room, or where the control pointed to.
    std::wstring Text(size_t i) const
    {
        const wchar_t* room = reinterpret_cast<const wchar_t*>(m_answer.data() + TextOffset(i));
        if (Answer(i).pszText != reinterpret_cast<LPWSTR>(m_remote.At(TextOffset(i))))
            return m_remote.ReadString(Answer(i).pszText, kTextChars);
        return std::wstring(room, wcsnlen(room, kTextChars));
    }

private:
    static constexpr size_t kTextBytes = kTextChars * sizeof(wchar_t);
    size_t TextOffset(size_t i) const { return m_count * sizeof(Item) + i * kTextBytes; }

    size_t m_count;
    RemoteBuffer m_remote;
    std::vector<Item> m_items;
    std::vector<char> m_answer;
};

HTREEITEM Next(HWND tree, HTREEITEM item, UINT code)
{
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

void CollectItems(HWND tree, HTREEITEM first, int depth, std::vector<TreeNode>& out)
{
    for (HTREEITEM item = first; item; item = Next(tree, item, TVGN_NEXT)) {
        TreeNode node{};
        node.item = item;
        node.depth = depth;
        out.push_back(node);
        CollectItems(tree, Next(tree, item, TVGN_CHILD), depth + 1, out);
    }
}

// Texts of list cells, (item, column) each.
std::vector<std::wstring> ReadListCells(HANDLE process, HWND list, const std::vector<std::pair<int, int>>& cells)
{
    RemoteItems<LVITEMW> remote(process, cells.size());
    for (size_t i = 0; i < cells.size(); ++i)
        remote.Request(i).iSubItem = cells[i].second;
    std::vector<std::wstring> texts(cells.size(), L"(unreadable)");
    if (cells.empty() || !remote.Send())
        return texts;
    for (size_t i = 0; i < cells.size(); ++i)
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(cells[i].first), remote.Address(i));
    if (remote.Receive())
        for (size_t i = 0; i < cells.size(); ++i)
            texts[i] = remote.Text(i);
    return texts;
}

}  // namespace

std::vector<TreeNode> ReadTree(HANDLE process, HWND tree)
{
    std::vector<TreeNode> nodes;
    CollectItems(tree, Next(tree, nullptr, TVGN_ROOT), 0, nodes);
    RemoteItems<TVITEMW> remote(process, nodes.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        TVITEMW& request = remote.Request(i);
        request.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        request.hItem = nodes[i].item;
        nodes[i].text = L"(unreadable)";
        nodes[i].image = nodes[i].selectedImage = -1;
    }
    if (nodes.empty() || !remote.Send())
        return nodes;
    std::vector<bool> answered(nodes.size());
    for (size_t i = 0; i < nodes.size(); ++i)
        answered[i] = SendMessageW(tree, TVM_GETITEMW, 0, remote.Address(i)) != 0;
    if (!remote.Receive())
        return nodes;
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (!answered[i])
            continue;
        nodes[i].text = remote.Text(i);
        nodes[i].image = remote.Answer(i).iImage;
        nodes[i].selectedImage = remote.Answer(i).iSelectedImage;
    }
    return nodes;
}

RECT TreeItemRect(HANDLE process, HWND tree, HTREEITEM item)
{
    RECT rect{};
    RemoteBuffer remote(process, sizeof rect);
    // The request names the item in the rectangle's own first bytes.
    if (!remote || !remote.Write(0, &item, sizeof item) ||
        !SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(remote.At(0))) ||
        !remote.Read(0, &rect, sizeof rect))
        return RECT{};
    return rect;
}

RECT ListItemRect(HANDLE process, HWND list, int item)
{
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    RemoteBuffer remote(process, sizeof rect);
    if (!remote || !remote.Write(0, &rect, sizeof rect) ||
        !SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(remote.At(0))) ||
        !remote.Read(0, &rect, sizeof rect))
        return RECT{};
    return rect;
}

std::vector<Row> ReadRows(HANDLE process, HWND list)
{
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i < count; ++i) {
        cells.emplace_back(i, 0);
        cells.emplace_back(i, 1);
    }
    const std::vector<std::wstring> texts = ReadListCells(process, list, cells);
    std::vector<Row> rows;
    for (size_t i = 0; i + 1 < texts.size(); i += 2)
        rows.push_back({texts[i], texts[i + 1]});
    return rows;
}

std::vector<std::wstring> ReadListTexts(HANDLE process, HWND list)
{
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i < count; ++i)
        cells.emplace_back(i, 0);
    return ReadListCells(process, list, cells);
}

std::wstring WindowText(HWND window)
{
    wchar_t buffer[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::vector<std::wstring> ComboItems(HWND combo)
{
    std::vector<std::wstring> items;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0)
            break;
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(wcsnlen(text.c_str(), text.size()));
        items.push_back(text);
    }
    return items;
}
