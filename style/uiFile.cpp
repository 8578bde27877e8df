#include "style/uiFile.h"

#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "style/MacroHeader.h"

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

void FreeList(NameIdNode* head)
{
    while (head) {
        NameIdNode* next = head->next;
        delete head;
        head = next;
    }
}

}  // namespace

int uiFile::GetMacroNameIdFromFile(NameIdNode** ppHead, LPCTSTR lpszPath)
{
    if (!ppHead || !lpszPath)
        return -1;
    try {
        std::optional<std::string> text = ReadWholeFile(lpszPath);
        if (!text)
            return -1;
        std::vector<std::unique_ptr<NameIdNode>> nodes;
        const bool isHeader = macro::ReadHeader(std::move(*text), [&nodes](std::string_view name, uint32_t id) {
            nodes.push_back(std::make_unique<NameIdNode>());
            nodes.back()->name = CString(std::string(name));
            nodes.back()->id = id;
        });
        if (!isHeader)
            return -1;
        for (size_t i = 0; i + 1 < nodes.size(); ++i)
            nodes[i]->next = nodes[i + 1].get();

        FreeList(*ppHead);
        *ppHead = nodes.empty() ? nullptr : nodes.front().get();
        for (std::unique_ptr<NameIdNode>& node : nodes)
            node.release();  // the list owns them now
        return static_cast<int>(nodes.size());
    } catch (const std::bad_alloc&) {
        return -1;
    }
}
