#pragma once
// TGameForm: what every screen of the game shares, written once.
//
// - Its layout comes from its stored description, resources/forms/<FormClass>.dfm (TStoredForm);
//   ClassName() is the form class ("TForm13"), and the form fills its global reference
//   (form_references.h) while it lives.
// - Painting tiles the game's background picture over the form, row by row from the top left:
//   BackgroundBitmap ("img/f01.jpg", loaded at start-up), or "img/f02.bmp" for the screens that use
//   the second background (the new-game builder, the load-game screen, the national-team hub and
//   the editor's loading screen), or nothing.
// - It centres itself on the screen when shown (a description may say otherwise) and frees itself
//   when closed (a handler of OnClose may still choose another action).
// - Alt+F4 is swallowed by the dialogs that must be answered with their buttons: their frames show
//   no close button (it would do nothing), and their own key handler still sees the key, emptied.
//   Escape closes the screens that handle keys so, and Enter the browsing screens that ask for it; the screen-size
//   rule scales the screens that ask for it.
//
// A screen derives from it, taking its form class, style and description from its record in the
// screen registry (screen_registry.h), binds its handlers and reads its description:
//
//   TForm36::TForm36(TComponent* owner) : TGameForm(owner, kScreen)
//   {
//       BindHandler("FormShow", [this](TObject*) { ... });
//       ReadDescription();
//       grid1 = FindChild<TDataGrid>("grid1");   // a missing child is a reported problem
//   }
#include <memory>
#include <string>

#include "platform/dfm/stored_form.h"
#include "platform/forms/cursors.h"

namespace tarvelon {

class TBitmap;
struct TScreenRecord;

enum class TBackground {
    Title,    // BackgroundBitmap, the shared picture of "img/f01.jpg"
    Builder,  // "img/f02.bmp"
    None,     // the form's own colour
};

struct TGameFormStyle {
    TBackground background = TBackground::Title;
    bool swallowAltF4 = false;   // a dialog answered only with its buttons
    bool closeOnEscape = false;  // Escape closes the screen
    bool closeOnEnter = false;   // Enter closes the screen (and still reaches the focused control)
    bool scaleToScreen = false;  // the screen-size rule at creation (FitToScreen)
    bool fillsWindow = false;    // aligned to the whole work area instead of centred
    bool fillsSmallScreen = false;  // fillsWindow on a screen of 640 x 480 or 800 x 600
};

class TGameForm : public TStoredForm {
public:
    // A screen of the game: the form class, style and description of its record.
    TGameForm(TComponent* owner, const TScreenRecord& screen);
    // A form of its own (tests, tools), read from the description named as its class.
    TGameForm(TComponent* owner, std::string formClass, TGameFormStyle style = {});
    ~TGameForm() override;
    std::string ClassName() const override { return formClass_; }
    const std::string& FormClass() const { return formClass_; }
    const TGameFormStyle& Style() const { return style_; }

    // Reads resources/forms/<description>.dfm (the record's, or the one named), then applies the style
    // (key preview, scaling).
    const TReadResult& ReadDescription(const std::string& description = {});
    // The same from a description given as text (tests, tools).
    const TReadResult& ReadDescriptionText(const std::string& text, const std::string& fileName);

    // The screen-size rule: when the screen's width is not 800 and the screen is narrower than
    // 1.34 : 1 the form is scaled by width / 800, else when it is wider than 1.34 : 1 by 133 / 100.
    // True when it scaled.
    bool FitToScreen();
    bool Scaled() const { return scaled_; }
    // A length of the design (800 x 600) as the screen-size rule scaled this form: controls a screen
    // places at run time are placed with it.
    int ScaledLength(int designLength) const;

protected:
    void Paint() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    // A focused push button keeps its key-downs from the form's key preview, and offers only
    // the dialog keys to the form: Escape still closes a screen that closes on Escape.
    bool DialogKey(unsigned short key, TShiftState shift) override;
    void DoClose(TCloseAction& action) override;

private:
    void ApplyStyle();
    const TBitmap* BackgroundPicture() const;

    std::string formClass_;
    std::string description_;
    TGameFormStyle style_;
    bool scaled_ = false;
    int scaleBy_ = 1;  // the rule's ratio scaleBy_ / scaleOf_
    int scaleOf_ = 1;
};

// The shared background picture of the screens ("img/f01.jpg"); null when that file is missing.
extern TBitmap* BackgroundBitmap;
// Loads BackgroundBitmap from the game folder (the title screen's start-up); false when missing.
bool LoadBackgroundBitmap();
// Tiles a picture over a canvas area, row by row from its top left.
void TileBackground(TCanvas& canvas, const TBitmap& picture, int width, int height);

// The hourglass over every window while it lives (long work: building a screen, a new game).
class THourglass {
public:
    THourglass();
    ~THourglass();
    THourglass(const THourglass&) = delete;
    THourglass& operator=(const THourglass&) = delete;

private:
    TCursor previous_;
};

}  // namespace tarvelon
