#include "framework/core/Utf.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// What DecodeUtf8 gives for an ill-formed part: no code point at all.
constexpr char32_t kIllFormed = 0xFFFFFFFF;

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Decodes the code point at text[pos] and moves pos past it. A sequence that
// is not well-formed UTF-8 (overlong, a surrogate, above U+10FFFF, cut short)
// gives kIllFormed and moves past its longest well-formed start, or past one
// byte when it has none.
char32_t DecodeUtf8(std::string_view text, size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    size_t length = 0;
    char32_t code = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1;
        code = lead & 0x1F;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2;
        code = lead & 0x0F;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3;
        code = lead & 0x07;
        lowest = 0x10000;
    } else {
        return kIllFormed;
    }
    for (size_t i = 0; i < length; ++i) {
        if (pos == text.size() || !IsContinuation(static_cast<unsigned char>(text[pos])))
            return kIllFormed;
        const char32_t next = code << 6 | (static_cast<unsigned char>(text[pos]) & 0x3F);
        // The second byte alone shows an overlong form, a surrogate or a
        // value past U+10FFFF; it is then left to be read again.
        if (i == 0) {
            const char32_t least = next << (6 * (length - 1));
            if (least < lowest || (least >= 0xD800 && least <= 0xDFFF) || least > 0x10FFFF)
                return kIllFormed;
        }
        code = next;
        ++pos;
    }
    return code;
}

}  // namespace

AfxWideString AfxUtf8ToWide(std::string_view text)
{
    // No byte gives more than one UTF-16 unit (four give a surrogate pair),
    // so the text's length is room enough. Every tree item's label comes
    // through here, so units are stored, not appended.
    AfxWideString out(text.size(), 0);
    size_t length = 0;
    for (size_t pos = 0; pos < text.size();) {
        char32_t code = DecodeUtf8(text, pos);
        if (code == kIllFormed)
            code = kReplacement;
        if (code < 0x10000) {
            out[length++] = static_cast<WCHAR>(code);
        } else {
            out[length++] = static_cast<WCHAR>(0xD800 + ((code - 0x10000) >> 10));
            out[length++] = static_cast<WCHAR>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    out.resize(length);
    return out;
}

std::string AfxWideToUtf8(AfxWideStringView text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size(); ++pos) {
        char32_t code = static_cast<char16_t>(text[pos]);
        if (code >= 0xD800 && code <= 0xDBFF && pos + 1 < text.size() && text[pos + 1] >= 0xDC00 &&
            text[pos + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char16_t>(text[++pos]) - 0xDC00);
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = kReplacement;  // a lone surrogate
        }
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | code >> 6);
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | code >> 12);
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | code >> 18);
            out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

bool AfxIsUtf8(std::string_view text)
{
    for (size_t pos = 0; pos < text.size();)
        if (DecodeUtf8(text, pos) == kIllFormed)
            return false;
    return true;
}

std::string AfxValidUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const size_t start = pos;
        if (DecodeUtf8(text, pos) == kIllFormed)
            out += "\xEF\xBF\xBD";
        else
            out.append(text.substr(start, pos - start));
    }
    return out;
}
