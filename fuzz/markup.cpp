// Arbitrary markup through the formula typesetting: no crash, no sanitizer
// report, and the layout keeps its promises whatever the text and metrics.
#include "controls/markuplayout.h"
#include "platform/symbolfont.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

// Metrics chosen by the input itself, including zero and negative answers a
// broken font might give.
class FuzzMeasurer : public kolvar::MarkupMeasurer {
public:
    FuzzMeasurer(int perChar, int height) : m_perChar(perChar), m_height(height) {}
    int textWidth(QStringView text, const kolvar::MarkupFont& font) const override
    {
        return static_cast<int>(text.size()) * (m_perChar + font.size % 7 + (font.symbol ? 1 : 0));
    }
    int textHeight(QStringView, const kolvar::MarkupFont&) const override { return m_height; }

private:
    int m_perChar;
    int m_height;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const int perChar = static_cast<int8_t>(data[0]);
    const int height = static_cast<int8_t>(data[1]) * 3;
    kolvar::MarkupFont base;
    base.size = data[2];
    const QString markup =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3));

    const QPoint origin(20, -7);
    const kolvar::MarkupLayout layout =
        kolvar::layoutMarkup(markup, FuzzMeasurer(perChar, height), base, origin);
    if (layout.cursor.y() != origin.y())
        __builtin_trap();
    for (const kolvar::MarkupTextOp& op : layout.texts) {
        if (op.text.isEmpty() || op.text.size() > markup.size())
            __builtin_trap();
        if (op.font.symbol)
            (void)kolvar::symbolToUnicode(op.text);
    }
    for (const kolvar::MarkupLineOp& line : layout.lines)
        if (line.points.size() < 2)
            __builtin_trap();
    (void)kolvar::checkMarkup(markup);
    return 0;
}
