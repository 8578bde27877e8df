#include "style/uiFile.h"

#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "style/header/HeaderReader.h"

void FreeNameIdList(NameIdNode* pHead)
{
    while (pHead) {
        NameIdNode* next = pHead->next;
        delete pHead;
        pHead = next;
    }
}

int uiFile::GetMacroNameIdFromFile(NameIdNode** ppHead, LPCTSTR lpszPath)
{
    const MacroFileResult result = ReadMacroNameIdFile(ppHead, lpszPath);
    return result.status == MacroFileStatus::ok ? result.count : -1;
}

MacroFileResult ReadMacroHeader(LPCTSTR lpszPath, const header::NameHandler& onName,
                                const header::SkipHandler& onSkip)
{
    if (!lpszPath)
        return {MacroFileStatus::cannot_open};
    std::string text;
    switch (CFile().ReadWholeFile(lpszPath, kMaxMacroFileBytes, text).status) {
    case FileReadStatus::ok:
        break;
    case FileReadStatus::cannot_open:
        return {MacroFileStatus::cannot_open};
    case FileReadStatus::read_error:
        return {MacroFileStatus::read_error};
    case FileReadStatus::too_large:
        return {MacroFileStatus::too_large};
    case FileReadStatus::no_memory:
        return {MacroFileStatus::no_memory};
    }
    int count = 0;
    try {
        const auto counted = [&onName, &count](std::string_view name, uint32_t id) {
            onName(name, id);
            ++count;
        };
        if (!header::ReadHeader(std::move(text), counted, onSkip))
            return {MacroFileStatus::not_text};
    } catch (const std::bad_alloc&) {
        return {MacroFileStatus::no_memory};
    }
    return {MacroFileStatus::ok, count};
}

MacroFileResult uiFile::ReadMacroNameIdFile(NameIdNode** ppHead, LPCTSTR lpszPath)
{
    if (!ppHead)
        return {MacroFileStatus::cannot_open};
    // The new list is linked as it is read; until it replaces the old one
    // it is freed on any failure, also one of memory part way.
    NameIdNode* head = nullptr;
    NameIdNode** tail = &head;
    const MacroFileResult result = ReadMacroHeader(lpszPath, [&tail](std::string_view name, uint32_t id) {
        NameIdNode* node = new NameIdNode;
        *tail = node;
        tail = &node->next;
        node->name = CString(std::string(name));
        node->id = id;
    }, nullptr);
    if (result.status != MacroFileStatus::ok) {
        FreeNameIdList(head);
        return result;
    }
    FreeNameIdList(*ppHead);
    *ppHead = head;
    return result;
}
