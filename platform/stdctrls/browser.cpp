#include "platform/stdctrls/browser.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/forms/text_utils.h"

namespace tarvelon {
namespace {

std::function<bool(const std::string&)>& Hook()
{
    static std::function<bool(const std::string&)> hook;
    return hook;
}

}  // namespace

void SetOpenUrlHook(std::function<bool(const std::string& url)> hook)
{
    Hook() = std::move(hook);
}

bool OpenUrl(const std::string& url)
{
    if (Hook())
        return Hook()(url);
    // A bare path is a file of this computer.
    const QString text = ToQString(url);
    const QUrl target = text.contains(QStringLiteral("://")) || text.startsWith(QStringLiteral("mailto:"))
                            ? QUrl(text)
                            : QUrl::fromLocalFile(text);
    return QDesktopServices::openUrl(target);
}

}  // namespace tarvelon
