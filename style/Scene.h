// One scene: its record and the root group of its resources.
#pragma once

#include "style/Records.h"
#include "style/Res.h"
#include "style/ResStore.h"

class Scene {
public:
    Scene() = default;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;
    virtual ~Scene() = default;

    SceneInfo info{};
    Res* root_group = nullptr;  // its children are the scene's top-level resources

private:
    friend class StyleReader;
    ResStore m_resources;         // the root group and every resource below it
    ResGroupInfo m_rootRecord{};  // the root group's record, taken from info
};
