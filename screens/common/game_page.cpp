#include "screens/common/game_page.h"

#include <filesystem>

#include <QString>
#include <QUrl>

#include "platform/stdctrls/browser.h"

namespace tarvelon {

std::string GamePageUrl()
{
    const std::filesystem::path page = std::filesystem::absolute("tarvelon.html");
    return QUrl::fromLocalFile(QString::fromStdString(page.string())).toString().toStdString();
}

bool OpenGamePage()
{
    return OpenUrl(GamePageUrl());
}

}  // namespace tarvelon
