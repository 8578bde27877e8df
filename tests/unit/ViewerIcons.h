// The icons the viewer's dialogs load, given to the headless platform, which
// has no resources of its own.
#pragma once

#include "framework/headless/Testing.h"
#include "ui/resource.h"

inline void AddViewerIcons()
{
    for (UINT id : {IDR_MAINFRAME, IDI_FILE, IDI_FILE_SEL, IDI_SCENE, IDI_SCENE_SEL, IDI_RESGROUP, IDI_RESGROUP_SEL,
                    IDI_PICREGION, IDI_PICREGION_SEL, IDI_PIC, IDI_PIC_SEL, IDI_STRING, IDI_STRING_SEL, IDI_FRAME,
                    IDI_FRAME_SEL})
        headless::AddIcon(id);
}
