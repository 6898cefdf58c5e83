// Conversions between the models' UTF-8 texts and Qt strings.
#pragma once

#include <QString>

#include <string>

namespace tallyman::gui {

inline QString qt(const std::string& text) { return QString::fromStdString(text); }

inline std::string str(const QString& text) { return text.toStdString(); }

// A position in a UTF-8 text (in bytes) as a position in the same text held by Qt.
inline int qtPosition(const std::string& text, std::size_t bytes)
{
    return static_cast<int>(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(std::min(bytes, text.size()))).size());
}

// A position in a Qt string as a byte position in its UTF-8 form.
inline std::size_t utf8Position(const QString& text, int position)
{
    return static_cast<std::size_t>(text.left(position).toUtf8().size());
}

} // namespace tallyman::gui
