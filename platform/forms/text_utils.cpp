#include "platform/forms/text_utils.h"

#include <QString>

#include <cctype>

namespace tarvelon {

bool SameText(const std::string& a, const std::string& b)
{
    if (a.size() == b.size()) {
        bool same = true;
        for (std::size_t i = 0; i < a.size() && same; ++i) {
            const unsigned char x = static_cast<unsigned char>(a[i]);
            const unsigned char y = static_cast<unsigned char>(b[i]);
            if (x >= 0x80 || y >= 0x80)
                return ToQString(a).compare(ToQString(b), Qt::CaseInsensitive) == 0;
            same = std::tolower(x) == std::tolower(y);
        }
        return same;
    }
    return ToQString(a).compare(ToQString(b), Qt::CaseInsensitive) == 0;
}

QString ToQString(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text)
{
    return text.toStdString();
}

}  // namespace tarvelon
