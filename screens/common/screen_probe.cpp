#include "screens/common/screen_probe.h"

#include <QElapsedTimer>
#include <QWidget>
#include <exception>
#include <memory>

#include "core/persist/saved_game_image.h"
#include "core/season/calendar.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "screens/common/game_flow.h"
#include "screens/common/game_form.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

namespace {

// Creates, shows and paints; the form stays open for the caller to close.
TGameForm* OpenAndPaint(const TScreenRecord& screen, TScreenProbe& probe)
{
    QElapsedTimer clock;
    clock.start();
    TGameForm* form = CreateScreen(screen, Application, true);
    if (!form) {
        probe.problems.push_back("the screen could not be created");
        return nullptr;
    }
    if (form->FormClass() != screen.formClass)
        probe.problems.push_back("the screen was created as " + form->FormClass());
    form->Show();
    Application->ProcessMessages();
    form->Repaint();
    probe.picture = form->Widget()->grab().toImage();
    probe.milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    return form;
}

void CloseAndFree(TGameForm* form, TScreenProbe& probe)
{
    const int formsBefore = Screen->FormCount();
    for (const TDfmError& problem : form->ReadProblems().errors)
        probe.problems.push_back(problem.Text());
    form->Close();
    Application->ProcessMessages();
    if (Screen->FormCount() >= formsBefore)
        probe.problems.push_back("the screen was not freed when it closed");
}

// The running game, kept aside while a screen that starts a new set-up is looked at.
class TGameKeptAside {
public:
    explicit TGameKeptAside(bool keep) : image_(keep ? WriteSavedGameImage() : std::string()) {}
    ~TGameKeptAside()
    {
        if (image_.empty())
            return;
        auto image = std::make_unique<SavedGameImage>();
        if (ReadSavedGameImage(image_, *image) != SavedGameCheck::kValid)
            return;
        InstallSavedGameImage(*image);
        BuildCalendar();
        AfterGameLoaded();
    }
    TGameKeptAside(const TGameKeptAside&) = delete;
    TGameKeptAside& operator=(const TGameKeptAside&) = delete;

private:
    std::string image_;
};

}  // namespace

TScreenProbe ProbeScreen(const TScreenRecord& screen)
{
    TScreenProbe probe;
    probe.formClass = screen.formClass;
    const TGameKeptAside keep(screen.replacesGame);
    try {
        if (TGameForm* form = OpenAndPaint(screen, probe))
            CloseAndFree(form, probe);
    } catch (const std::exception& error) {
        probe.problems.push_back(std::string("exception: ") + error.what());
    }
    return probe;
}

}  // namespace tarvelon
