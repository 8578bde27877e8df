#include <vector>

#include "browse/DocumentWalk.h"
#include "browse/KindNames.h"
#include "tools/dump/JsonOutput.h"
#include "tools/dump/TreeWriters.h"

namespace {

// The longest value text: FormatRowValue's room less its terminator.
constexpr size_t kMaxValueLength = 15;
// A rows object: braces, and per row ,"name":"value".
constexpr size_t kRowsObjectRoom =
    2 + PropertyRows::kMaxRows * (6 + PropertyRows::kMaxNameLength + kMaxValueLength);

// A node's rows as one JSON object, written into out; returns its length.
// Row names are fixed ASCII texts and values are digits, '-' and "0x":
// nothing in them needs escaping. Rows are most of a dump's output, so they
// go to the JSON writer as one raw value rather than key by key. That pays
// only while the compiler can see that no other object changes as the
// buffer is filled and copied, so the buffer is a local of the caller's,
// not a member.
size_t ComposeRowsObject(const PropertyRows& rows, char (&out)[kRowsObjectRoom])
{
    char* p = out;
    *p++ = '{';
    for (const PropertyRow& row : rows) {
        if (p != out + 1)
            *p++ = ',';
        *p++ = '"';
        for (const char* name = row.name; *name != '\0'; ++name)
            *p++ = *name;
        *p++ = '"';
        *p++ = ':';
        *p++ = '"';
        char value[16];
        const size_t length = FormatRowValue(row, value);
        for (size_t i = 0; i < length; ++i)
            *p++ = value[i];
        *p++ = '"';
    }
    *p++ = '}';
    return static_cast<size_t>(p - out);
}

class JsonWriter : public BrowseVisitor {
public:
    JsonWriter(const CString& fileTitle, const MacroNameIndex& names, bool rows, OutputBuffer& out)
        : m_fileTitle(fileTitle), m_names(names), m_rows(rows), m_out(out), m_writer(out)
    {
    }

    bool Enter(const BrowseNode& node) override
    {
        if (m_count > 0)
            m_out.Write(",\n");
        // Each node is a document of its own to the writer; the array
        // around them is written here, so that each node gets its own line.
        m_writer.Reset(m_out);
        m_writer.StartObject();
        m_writer.Key("kind");
        m_writer.String(KindName(node.kind));
        m_writer.Key("label");
        JsonString(m_writer, BrowseLabel(node, m_names, m_fileTitle).GetString());
        m_writer.Key("depth");
        m_writer.Uint(node.depth);
        m_writer.Key("parent");
        if (m_parents.empty())
            m_writer.Null();
        else
            m_writer.Uint64(m_parents.back());
        if (m_rows) {
            m_writer.Key("rows");
            char rows[kRowsObjectRoom];
            m_writer.RawValue(rows, ComposeRowsObject(BrowseRows(node), rows), rapidjson::kObjectType);
        }
        m_writer.EndObject();
        m_parents.push_back(m_count++);
        return true;
    }

    void Leave(const BrowseNode&) override { m_parents.pop_back(); }

private:
    const CString& m_fileTitle;
    const MacroNameIndex& m_names;
    const bool m_rows;
    OutputBuffer& m_out;
    OutputJsonWriter m_writer;
    std::vector<uint64_t> m_parents;  // the indexes of the nodes above the current one
    uint64_t m_count = 0;
};

}  // namespace

void WriteTreeJson(const StyleFile& file, const CString& fileTitle, const MacroNameIndex& names, bool rows,
                   OutputBuffer& out)
{
    out.Write("{\"nodes\":[\n");
    JsonWriter writer(fileTitle, names, rows, out);
    WalkDocument(file, writer);
    out.Write("\n]}\n");
}
