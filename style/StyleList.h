// The document's lists, with checked element access that reports a bad index
// with the text callers of the library have always seen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

[[noreturn]] inline void ThrowBadSubscript()
{
    throw std::out_of_range("invalid vector<T> subscript");
}

// A resource's frames or children: a list of fixed length over storage that
// its scene owns. Two words where a vector takes four: a large document has
// a million resources, each holding two of these, only one of them used.
template <class T>
class StyleList {
public:
    StyleList() = default;
    StyleList(T* data, uint32_t count) : m_data(data), m_count(count) {}

    std::size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }

    const T& at(std::size_t index) const
    {
        if (index >= m_count)
            ThrowBadSubscript();
        return m_data[index];
    }
    T& at(std::size_t index)
    {
        if (index >= m_count)
            ThrowBadSubscript();
        return m_data[index];
    }
    const T& operator[](std::size_t index) const { return at(index); }
    T& operator[](std::size_t index) { return at(index); }

    const T* data() const { return m_data; }
    T* data() { return m_data; }
    const T* begin() const { return m_data; }
    const T* end() const { return m_data + m_count; }
    T* begin() { return m_data; }
    T* end() { return m_data + m_count; }

private:
    T* m_data = nullptr;
    uint32_t m_count = 0;
};

// The document's scenes: a standard vector with the same checked access.
template <class T>
class StyleVector : public std::vector<T> {
public:
    using std::vector<T>::vector;

    const T& at(std::size_t index) const
    {
        if (index >= this->size())
            ThrowBadSubscript();
        return std::vector<T>::operator[](index);
    }
    T& at(std::size_t index)
    {
        if (index >= this->size())
            ThrowBadSubscript();
        return std::vector<T>::operator[](index);
    }
    const T& operator[](std::size_t index) const { return at(index); }
    T& operator[](std::size_t index) { return at(index); }
};
