#include "platform/graphics/font_faces.h"

#include <QFontDatabase>
#include <QHash>
#include <QMutex>
#include <QString>
#include <array>
#include <utility>

namespace tarvelon {

namespace {

constexpr const char* kSans = "Liberation Sans";

constexpr std::array<std::pair<const char*, const char*>, 12> kFaceMap = {{
    {"Arial", kSans},
    {"Arial Black", "DejaVu Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},
    {"Tahoma", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},
    {"Segoe UI", "DejaVu Sans"},
    {"Symbol", "DejaVu Sans"},
    {"MS Sans Serif", kSans},
    {"Microsoft Sans Serif", kSans},
    {"MS Shell Dlg", kSans},
}};

}  // namespace

namespace {

const char* MappedFamily(const QString& face)
{
    for (const auto& [name, family] : kFaceMap) {
        if (face.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return family;
    }
    return nullptr;
}

// Asked of the font database once per name.
bool Installed(const QString& face)
{
    static QHash<QString, bool> known;
    static QMutex guard;
    if (face.isEmpty())
        return false;
    QMutexLocker lock(&guard);
    const auto found = known.constFind(face);
    if (found != known.constEnd())
        return *found;
    const bool installed = QFontDatabase::hasFamily(face);
    known.insert(face, installed);
    return installed;
}

}  // namespace

std::string ResolveFontFamily(const std::string& faceName)
{
    const QString face = QString::fromStdString(faceName);
    if (const char* family = MappedFamily(face))
        return family;
    if (Installed(face))
        return faceName;
    return kSans;
}

bool IsKnownFace(const std::string& faceName)
{
    const QString face = QString::fromStdString(faceName);
    return MappedFamily(face) != nullptr || Installed(face);
}

bool IsBlackFace(const std::string& faceName)
{
    return QString::fromStdString(faceName).compare(QLatin1String("Arial Black"), Qt::CaseInsensitive) == 0;
}

}  // namespace tarvelon
