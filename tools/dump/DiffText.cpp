#include <charconv>
#include <string_view>

#include "tools/dump/DiffWriters.h"

namespace {

void WriteNumber(OutputBuffer& out, size_t value)
{
    char text[24];
    out.Write(std::string_view(text, static_cast<size_t>(std::to_chars(text, text + sizeof text, value).ptr - text)));
}

class DiffTextWriter : public DiffSink {
public:
    explicit DiffTextWriter(OutputBuffer& out) : m_out(out) {}

    bool Differs() const { return m_differs; }

    void Report(const Difference& difference) override
    {
        m_differs = true;
        switch (difference.change) {
        case DiffChange::Added:
            Line('+', difference.path);
            break;
        case DiffChange::Removed:
            Line('-', difference.path);
            break;
        case DiffChange::Changed:
            for (const RowChange& row : difference.rows) {
                Start('~', difference.path);
                m_out.Write(": ");
                m_out.Write(row.after.name);
                m_out.Put(' ');
                Value(row.before);
                m_out.Write(" -> ");
                Value(row.after);
                m_out.Put('\n');
            }
            break;
        case DiffChange::Moved:
            Start('^', difference.path);
            m_out.Write(": ");
            WriteNumber(m_out, difference.from);
            m_out.Write(" -> ");
            WriteNumber(m_out, difference.to);
            m_out.Put('\n');
            break;
        }
    }

private:
    // The sign and the path; the file node's empty path is written "/".
    void Start(char sign, const DiffPath& path)
    {
        m_out.Put(sign);
        m_out.Put(' ');
        if (path.empty())
            m_out.Put('/');
        for (size_t i = 0; i < path.size(); ++i) {
            if (i > 0)
                m_out.Put('/');
            m_out.Write(StepText(path[i]));
        }
    }

    void Line(char sign, const DiffPath& path)
    {
        Start(sign, path);
        m_out.Put('\n');
    }

    void Value(const PropertyRow& row)
    {
        char text[16];
        m_out.Write(std::string_view(text, FormatRowValue(row, text)));
    }

    OutputBuffer& m_out;
    bool m_differs = false;
};

}  // namespace

bool WriteDiffText(const StyleFile& before, const StyleFile& after, const MacroNameIndex& names,
                   const DiffOptions& options, OutputBuffer& out)
{
    DiffTextWriter writer(out);
    DiffDocuments(before, after, names, options, writer);
    return writer.Differs();
}

std::string StepText(const DiffStep& step)
{
    std::string text(step.label);
    if (step.occurrence > 1)
        text += '#' + std::to_string(step.occurrence);
    return text;
}
