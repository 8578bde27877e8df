#include "DialogTemplate.h"

#include <stdexcept>

namespace {

class Reader {
public:
    Reader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    template <class T>
    T Read()
    {
        Need(sizeof(T));
        T value;
        memcpy(&value, m_data + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return value;
    }
    std::wstring String()
    {
        std::wstring out;
        for (wchar_t c; (c = static_cast<wchar_t>(Read<WORD>())) != 0;)
            out += c;
        return out;
    }
    // A name, or 0xFFFF followed by an ordinal.
    std::wstring NameOrOrdinal()
    {
        Need(2);
        WORD first;
        memcpy(&first, m_data + m_pos, 2);
        if (first != 0xFFFF)
            return String();
        m_pos += 2;
        return L"#" + std::to_wstring(Read<WORD>());
    }
    void AlignDword() { m_pos = (m_pos + 3) & ~size_t(3); }
    void Skip(size_t n)
    {
        Need(n);
        m_pos += n;
    }

private:
    void Need(size_t n) const
    {
        if (n > m_size - m_pos)
            throw std::runtime_error("dialog template ends early");
    }
    const BYTE* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

std::wstring PredefinedClass(const std::wstring& name)
{
    if (name == L"#128")
        return L"button";
    if (name == L"#129")
        return L"edit";
    if (name == L"#130")
        return L"static";
    return name;
}

RECT ReadRect(Reader& r)
{
    const short x = r.Read<short>(), y = r.Read<short>(), cx = r.Read<short>(), cy = r.Read<short>();
    return RECT{x, y, x + cx, y + cy};
}

}  // namespace

DialogTemplate LoadDialogTemplate(int id, WORD langId)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceExW(module, MAKEINTRESOURCEW(5) /* RT_DIALOG */, MAKEINTRESOURCEW(id), langId);
    if (!found)
        throw std::runtime_error("no such dialog template");
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    Reader r(data, SizeofResource(module, found));

    DialogTemplate t;
    const WORD first = r.Read<WORD>();
    const WORD second = r.Read<WORD>();
    t.extended = first == 1 && second == 0xFFFF;
    WORD count;
    if (t.extended) {
        r.Read<DWORD>();  // help id
        t.exStyle = r.Read<DWORD>();
        t.style = r.Read<DWORD>();
    } else {
        t.style = MAKELONG(first, second);
        t.exStyle = r.Read<DWORD>();
    }
    count = r.Read<WORD>();
    t.rect = ReadRect(r);
    t.menu = r.NameOrOrdinal();
    t.className = r.NameOrOrdinal();
    t.caption = r.String();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.Read<WORD>();
        if (t.extended) {
            t.weight = r.Read<WORD>();
            t.italic = r.Read<BYTE>();
            t.charset = r.Read<BYTE>();
        }
        t.typeface = r.String();
    }
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword();
        TemplateItem item;
        if (t.extended) {
            r.Read<DWORD>();  // help id
            item.exStyle = r.Read<DWORD>();
            item.style = r.Read<DWORD>();
            item.rect = ReadRect(r);
            item.id = static_cast<int>(r.Read<DWORD>());
        } else {
            item.style = r.Read<DWORD>();
            item.exStyle = r.Read<DWORD>();
            item.rect = ReadRect(r);
            item.id = static_cast<short>(r.Read<WORD>());
        }
        item.className = PredefinedClass(r.NameOrOrdinal());
        item.text = r.NameOrOrdinal();
        r.Skip(r.Read<WORD>());
        t.items.push_back(item);
    }
    return t;
}
