#include "tools/dump/DiffWriters.h"

#include "browse/KindNames.h"
#include "tools/dump/JsonOutput.h"

namespace {

const char* ChangeName(DiffChange change)
{
    switch (change) {
    case DiffChange::Added:
        return "added";
    case DiffChange::Removed:
        return "removed";
    case DiffChange::Changed:
        return "changed";
    case DiffChange::Moved:
        return "moved";
    }
    return "";
}

class DiffJsonWriter : public DiffSink {
public:
    explicit DiffJsonWriter(OutputBuffer& out) : m_out(out), m_writer(out) {}

    bool Differs() const { return m_differs; }

    void Report(const Difference& difference) override
    {
        m_out.Write(m_differs ? ",\n" : "\n");
        m_differs = true;
        // Each difference is a document of its own to the writer, so that
        // each gets its own line.
        m_writer.Reset(m_out);
        m_writer.StartObject();
        m_writer.Key("change");
        m_writer.String(ChangeName(difference.change));
        m_writer.Key("path");
        m_writer.StartArray();
        for (const DiffStep& step : difference.path)
            JsonString(m_writer, StepText(step));
        m_writer.EndArray();
        m_writer.Key("kind");
        m_writer.String(KindName(difference.node.kind));
        if (difference.change == DiffChange::Changed) {
            m_writer.Key("rows");
            m_writer.StartArray();
            for (const RowChange& row : difference.rows) {
                m_writer.StartObject();
                m_writer.Key("name");
                m_writer.String(row.after.name);
                m_writer.Key("old");
                Value(row.before);
                m_writer.Key("new");
                Value(row.after);
                m_writer.EndObject();
            }
            m_writer.EndArray();
        } else if (difference.change == DiffChange::Moved) {
            m_writer.Key("from");
            m_writer.Uint64(difference.from);
            m_writer.Key("to");
            m_writer.Uint64(difference.to);
        }
        m_writer.EndObject();
    }

private:
    void Value(const PropertyRow& row)
    {
        char text[16];
        m_writer.String(text, static_cast<rapidjson::SizeType>(FormatRowValue(row, text)));
    }

    OutputBuffer& m_out;
    OutputJsonWriter m_writer;
    bool m_differs = false;
};

}  // namespace

bool WriteDiffJson(const StyleFile& before, const StyleFile& after, const MacroNameIndex& names,
                   const DiffOptions& options, OutputBuffer& out)
{
    out.Write("{\"differences\":[");
    DiffJsonWriter writer(out);
    DiffDocuments(before, after, names, options, writer);
    out.Write("\n]}\n");
    return writer.Differs();
}
