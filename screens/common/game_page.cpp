#include "screens/common/game_page.h"

#include <filesystem>

#include <QString>
#include <QUrl>

#include "platform/stdctrls/browser.h"
#include "platform/stdctrls/message_box.h"

namespace tarvelon {

std::string GamePageUrl()
{
    const std::filesystem::path page = std::filesystem::absolute("tarvelon.html");
    return QUrl::fromLocalFile(QString::fromStdString(page.string())).toString().toStdString();
}

bool OpenGamePage()
{
    if (OpenUrl(GamePageUrl()))
        return true;
    MessageBox(kNoBrowserText, "Página do Tarvelon", MB_OK | MB_ICONINFORMATION);
    return false;
}

}  // namespace tarvelon
