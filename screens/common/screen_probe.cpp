#include "screens/common/screen_probe.h"

#include <QElapsedTimer>
#include <QWidget>
#include <exception>

#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "screens/common/game_form.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

namespace {

// Creates, shows and paints; the form stays open for the caller to close.
TGameForm* OpenAndPaint(const TScreenEntry& entry, TScreenProbe& probe)
{
    QElapsedTimer clock;
    clock.start();
    TGameForm* form = CreateScreen(entry, Application, true);
    if (!form) {
        probe.problems.push_back("the screen could not be created");
        return nullptr;
    }
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

}  // namespace

TScreenProbe ProbeScreen(const TScreenEntry& entry)
{
    TScreenProbe probe;
    probe.formClass = entry.formClass;
    probe.built = entry.built;
    try {
        if (TGameForm* form = OpenAndPaint(entry, probe))
            CloseAndFree(form, probe);
    } catch (const std::exception& error) {
        probe.problems.push_back(std::string("exception: ") + error.what());
    }
    return probe;
}

}  // namespace tarvelon
