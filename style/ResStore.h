// Storage for the resources of one scene. Chunks never move, so the Res
// pointers in children lists stay valid, and releasing them is a flat loop
// however deep the groups nest.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "style/Res.h"

class ResStore {
public:
    Res& Add()
    {
        if (m_used == m_capacity) {
            // Small scenes stay small; big ones grow in bounded steps.
            m_capacity = std::min(m_capacity ? m_capacity * 2 : 1, kMaxChunk);
            m_chunks.push_back(std::make_unique<Res[]>(m_capacity));
            m_used = 0;
        }
        return m_chunks.back()[m_used++];
    }

private:
    static constexpr std::size_t kMaxChunk = 4096;
    std::vector<std::unique_ptr<Res[]>> m_chunks;
    std::size_t m_capacity = 0;
    std::size_t m_used = 0;
};
