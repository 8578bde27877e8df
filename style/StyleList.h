// The document's lists: standard sequences whose checked element access
// reports a bad index with the text callers of the library have always seen.
// Their storage comes from a memory resource, so that a document can draw
// all its lists from one arena and release them at once.
#pragma once

#include <cstddef>
#include <memory_resource>
#include <stdexcept>
#include <vector>

template <class T>
class StyleList : public std::pmr::vector<T> {
public:
    using std::pmr::vector<T>::vector;

    const T& at(std::size_t index) const
    {
        CheckIndex(index);
        return std::pmr::vector<T>::operator[](index);
    }
    T& at(std::size_t index)
    {
        CheckIndex(index);
        return std::pmr::vector<T>::operator[](index);
    }
    const T& operator[](std::size_t index) const { return at(index); }
    T& operator[](std::size_t index) { return at(index); }

private:
    void CheckIndex(std::size_t index) const
    {
        if (index >= this->size())
            throw std::out_of_range("invalid vector<T> subscript");
    }
};
