// Storage for the resources of one scene and for their lists. Each chunk of
// resources is reserved once and never grows past it, so the Res pointers in
// children lists stay valid, and releasing them is a flat loop however deep
// the groups nest.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <memory_resource>
#include <type_traits>
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
        return m_chunks.back().emplace_back();
    }

    // Room for count elements of a list, released with the scene; their
    // values are left for the caller to write.
    template <class T>
    T* AllocateList(uint32_t count)
    {
        static_assert(std::is_trivial_v<T>, "never destroyed: the arena is released whole");
        T* const list = static_cast<T*>(m_arena.allocate(sizeof(T) * std::size_t{count}, alignof(T)));
        std::uninitialized_default_construct_n(list, count);
        return list;
    }

    template <class F>
    void ForEach(F f) const
    {
        for (const auto& chunk : m_chunks)
            for (const Res& res : chunk)
                f(res);
    }

private:
    static constexpr std::size_t kMaxChunk = 1024;
    static_assert(kMaxChunk * sizeof(Res) < 128 * 1024, "below the size malloc maps on its own");
    // Frame and child lists: hundreds of thousands of small blocks in a big
    // scene, released all at once with it.
    std::pmr::monotonic_buffer_resource m_arena;
    std::vector<std::vector<Res>> m_chunks;
};
