// One scene: its record and the root group of its resources.
#pragma once

#include "style/Records.h"
#include "style/Res.h"

class Scene {
public:
    virtual ~Scene() = default;

    SceneInfo info{};
    Res* root_group = nullptr;
};
