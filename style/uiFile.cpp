#include "style/uiFile.h"

#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "style/header/HeaderReader.h"

namespace {

constexpr uint64_t kMaxHeaderBytes = uint64_t{64} << 20;

// The whole file, or nothing if it cannot be read or is too large. The
// file may change while it is read, so the length is only a hint.
std::optional<std::string> ReadWholeFile(LPCTSTR lpszPath)
{
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyNone))
        return std::nullopt;
    const uint64_t length = file.GetLength();
    if (length > kMaxHeaderBytes)
        return std::nullopt;
    std::string text(static_cast<size_t>(length), '\0');
    text.resize(file.Read(text.data(), static_cast<UINT>(length)));
    char chunk[1 << 16];
    for (;;) {  // grown since GetLength
        const UINT got = file.Read(chunk, sizeof chunk);
        if (got == 0)
            break;
        if (got > kMaxHeaderBytes - text.size())
            return std::nullopt;
        text.append(chunk, got);
    }
    return text;
}

}  // namespace

void FreeNameIdList(NameIdNode* pHead)
{
    while (pHead) {
        NameIdNode* next = pHead->next;
        delete pHead;
        pHead = next;
    }
}

bool ReadMacroHeader(LPCTSTR lpszPath, const header::NameHandler& onName, const header::SkipHandler& onSkip)
{
    if (!lpszPath)
        return false;
    std::optional<std::string> text = ReadWholeFile(lpszPath);
    return text && header::ReadHeader(std::move(*text), onName, onSkip);
}

int uiFile::GetMacroNameIdFromFile(NameIdNode** ppHead, LPCTSTR lpszPath)
{
    if (!ppHead)
        return -1;
    // The new list is linked as it is read; until it replaces the old one
    // it is freed on any failure.
    NameIdNode* head = nullptr;
    NameIdNode** tail = &head;
    int count = 0;
    try {
        const bool isHeader = ReadMacroHeader(lpszPath, [&tail, &count](std::string_view name, uint32_t id) {
            NameIdNode* node = new NameIdNode;
            *tail = node;
            tail = &node->next;
            node->name = CString(std::string(name));
            node->id = id;
            ++count;
        }, nullptr);
        if (!isHeader)
            return -1;
    } catch (const std::bad_alloc&) {
        FreeNameIdList(head);
        return -1;
    }
    FreeNameIdList(*ppHead);
    *ppHead = head;
    return count;
}
