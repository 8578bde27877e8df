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

MacroFileResult uiFile::ReadMacroNameIdFile(NameIdNode** ppHead, LPCTSTR lpszPath)
{
    if (!ppHead || !lpszPath)
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
    // The new list is linked as it is read; until it replaces the old one
    // it is freed on any failure.
    NameIdNode* head = nullptr;
    NameIdNode** tail = &head;
    int count = 0;
    try {
        const bool isHeader = header::ReadHeader(std::move(text), [&tail, &count](std::string_view name, uint32_t id) {
            NameIdNode* node = new NameIdNode;
            *tail = node;
            tail = &node->next;
            node->name = CString(std::string(name));
            node->id = id;
            ++count;
        });
        if (!isHeader)
            return {MacroFileStatus::not_text};
    } catch (const std::bad_alloc&) {
        FreeNameIdList(head);
        return {MacroFileStatus::no_memory};
    }
    FreeNameIdList(*ppHead);
    *ppHead = head;
    return {MacroFileStatus::ok, count};
}
