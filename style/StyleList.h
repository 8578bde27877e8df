// The document's lists: standard sequences whose checked element access
// reports a bad index with the text callers of the library have always seen.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <vector>

template <class T>
class StyleList : public std::vector<T> {
public:
    using std::vector<T>::vector;

    const T& at(std::size_t index) const
    {
        CheckIndex(index);
        return std::vector<T>::operator[](index);
    }
    T& at(std::size_t index)
    {
        CheckIndex(index);
        return std::vector<T>::operator[](index);
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
