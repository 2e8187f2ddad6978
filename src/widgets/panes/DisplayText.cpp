#include "widgets/panes/DisplayText.h"

#include "platform/TextDecoding.h"

namespace orvane {

QString DisplayText::ToDisplay(const std::string& bytes)
{
    if (TextDecoding::IsValidUtf8(bytes)) {
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    const std::u32string text = TextDecoding::DecodeWindows1252(bytes);
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

std::string DisplayText::FromTyped(const QString& text)
{
    return text.toStdString();
}

}  // namespace orvane
