// Storage for the resources of one scene. Each chunk is reserved once and
// never grows past it, so the Res pointers in children lists stay valid,
// and releasing them is a flat loop however deep the groups nest.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory_resource>
#include <vector>

#include "style/Res.h"

class ResStore {
public:
    Res& Add()
    {
        if (m_chunks.empty() || m_chunks.back().size() == m_chunks.back().capacity()) {
            // Small scenes stay small; big ones grow in bounded steps.
            const std::size_t capacity = m_chunks.empty() ? 1 : std::min(m_chunks.back().capacity() * 2, kMaxChunk);
            m_chunks.emplace_back().reserve(capacity);
        }
        return m_chunks.back().emplace_back(&m_arena);
    }

    template <class F>
    void ForEach(F f) const
    {
        for (const auto& chunk : m_chunks)
            for (const Res& res : chunk)
                f(res);
    }

private:
    static constexpr std::size_t kMaxChunk = 1024;  // 64 KiB: below the size malloc maps on its own
    // Frame and child lists: hundreds of thousands of small blocks in a big
    // scene, released all at once with it. Declared first, so it outlives
    // the lists that point into it.
    std::pmr::monotonic_buffer_resource m_arena;
    std::vector<std::vector<Res>> m_chunks;
};
