// Reading the controls of another process, as the driver sees the program.
// Messages that answer through a pointer (TVM_GETITEMW, LVM_GETITEMTEXTW)
// need a buffer inside that process; pointer-free ones and the messages the
// system carries across itself (WM_GETTEXT, CB_GETLBTEXT) are sent directly.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

// A block of memory allocated in another process, freed with the object.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    explicit operator bool() const { return m_base != nullptr; }
    // The block's address in the other process.
    char* At(size_t offset) const { return static_cast<char*>(m_base) + offset; }
    bool Write(size_t offset, const void* data, size_t size) const;
    bool Read(size_t offset, void* data, size_t size) const;
    // Reads a null-terminated wide string at any address of the process.
    std::wstring ReadString(const void* address, size_t maxChars) const;

private:
    HANDLE m_process;
    void* m_base;
    size_t m_size;
};

// One item of a tree view, as it shows.
struct TreeNode {
    HTREEITEM item;
    int depth;  // 0 for the items at the root
    std::wstring text;
    int image;
    int selectedImage;

    bool operator==(const TreeNode& other) const
    {
        return item == other.item && depth == other.depth && text == other.text && image == other.image &&
               selectedImage == other.selectedImage;
    }
};

// Every item of the tree, depth first in display order.
std::vector<TreeNode> ReadTree(HANDLE process, HWND tree);
// Where the item's label shows, in the tree's client coordinates; empty if
// the item is out of view or unknown.
RECT TreeItemRect(HANDLE process, HWND tree, HTREEITEM item);

// The first two columns of a report list view's item.
struct Row {
    std::wstring name;
    std::wstring value;

    bool operator==(const Row& other) const { return name == other.name && value == other.value; }
};

std::vector<Row> ReadRows(HANDLE process, HWND list);
// Where a list view's item shows, in the list's client coordinates.
RECT ListItemRect(HANDLE process, HWND list, int item);
// The text of every item of a list view's first column.
std::vector<std::wstring> ReadListTexts(HANDLE process, HWND list);

std::wstring WindowText(HWND window);
// The texts of a combo box's list, in order.
std::vector<std::wstring> ComboItems(HWND combo);
