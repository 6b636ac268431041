#include "app/startup.h"

#include <chrono>

#include "core/hooks.h"
#include "platform/audio/mci_player.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/message_box.h"

namespace tarvelon {

void StartApplication()
{
    Application->Title = "Tarvelon";
    Application->ConnectToQt();
}

TProgramServices InstallCoreHooks(std::unique_ptr<TWaveDevice> device)
{
    TProgramServices services;
    services.sound = std::make_unique<TMciPlayer>(std::move(device));
    TMciPlayer* player = services.sound.get();
    CoreHooks& hooks = Hooks();
    hooks.sendSoundCommand = [player](const std::string& command) { return player->SendCommand(command); };
    hooks.soundErrorText = [](std::uint32_t code) { return TMciPlayer::ErrorText(code); };
    hooks.showMessage = [](const std::string& text) { ShowMessage(text); };
    hooks.screenWidth = [] { return Screen->Width(); };
    hooks.screenHeight = [] { return Screen->Height(); };
    hooks.highResolutionClock = [] {
        return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    };
    return services;
}

}  // namespace tarvelon
