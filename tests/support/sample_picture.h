#pragma once
// Pictures that tests draw for a person to look at. They are written only when the environment
// variable TARVELON_TEST_PICTURES names a folder (TARVELON_TEST_PICTURES=/some/folder ctest ...);
// otherwise a test writes nothing outside its own temporary folders.
#include <QDir>
#include <QImage>
#include <QString>

namespace tarvelon::testing {

// Writes `image` as <folder>/<name> when a folder was asked for; true when nothing was asked for or
// the picture was written.
inline bool KeepSamplePicture(const QImage& image, const QString& name)
{
    const QString folder = qEnvironmentVariable("TARVELON_TEST_PICTURES");
    if (folder.isEmpty())
        return !image.isNull();
    return QDir().mkpath(folder) && image.save(QDir(folder).filePath(name));
}

}  // namespace tarvelon::testing
