#include "richtext/html_links.h"

#include <QDesktopServices>
#include <QUrl>

namespace tarvelon {

bool IsOpenableLink(const std::string& link)
{
    return link.find("://") != std::string::npos || link.find("mailto:") != std::string::npos;
}

std::function<void(const std::string& link)>& LinkOpener()
{
    static std::function<void(const std::string& link)> opener;
    return opener;
}

void OpenLink(const std::string& link)
{
    if (LinkOpener()) {
        LinkOpener()(link);
        return;
    }
    QDesktopServices::openUrl(QUrl(QString::fromStdString(link)));
}

}  // namespace tarvelon
