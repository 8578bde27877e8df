#include "framework/window/MsgMap.h"

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CCmdTarget::DispatchMapped(UINT nMessage, UINT nCode, UINT nID, WPARAM wParam, LPARAM lParam,
                                LRESULT* pResult)
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfnHandler; ++e) {
            const UINT message = e->pnRegisteredMessage ? *e->pnRegisteredMessage : e->nMessage;
            if (message == nMessage && e->nCode == nCode && e->nID == nID) {
                e->pfnHandler(this, wParam, lParam, pResult);
                return TRUE;
            }
        }
    }
    return FALSE;
}
