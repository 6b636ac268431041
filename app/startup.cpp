#include "app/startup.h"

#include "controls/controls_registration.h"
#include "core/basics/find_file.h"
#include "core/hooks.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "grid/dg_grid_control_registration.h"
#include "grid/dg_grid_registration.h"
#include "platform/audio/mci_player.h"
#include "platform/audio/wave_device.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/file_search.h"
#include "platform/stdctrls/message_box.h"
#include "richtext/html_controls_registration.h"
#include "richtext/picture_store.h"

namespace tarvelon {

namespace {

// A device without output: the player skips every sound.
struct NoWaveDevice : TWaveDevice {
    bool Available() const override { return false; }
    bool Open(const std::string&, const std::string&) override { return false; }
    bool Play(const std::string&) override { return false; }
    void Stop(const std::string&) override {}
    void Close(const std::string&) override {}
};

}  // namespace

void StartApplication()
{
    Application->Title = "Tarvelon";
    Application->ConnectToQt();
}

void RegisterControlPacks()
{
    RegisterRichTextControls();
    RegisterPictureContainerClass();
    RegisterDrawnControls();
    RegisterDataGridClasses();
    RegisterGridControlProperties();
}

TProgramServices InstallPlatformHooks(std::unique_ptr<TWaveDevice> device)
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
    // The database was made where names ignore case: the platform's file checks find files so too.
    SetFileLookup([](const std::string& path) -> std::optional<std::string> {
        const auto found = FindFileIgnoringCase(path);
        return found ? std::optional<std::string>(found->string()) : std::nullopt;
    });
    return services;
}

TProgramServices StartProgram(ProgramStart start)
{
    StartApplication();
    RegisterControlPacks();
    StartRules({start.seed});
    if (!start.soundDevice)
        start.soundDevice = std::make_unique<NoWaveDevice>();
    TProgramServices services = InstallPlatformHooks(std::move(start.soundDevice));
    SetProgramFolder(start.programFolder);
    return services;
}

}  // namespace tarvelon
