#include "screens/common/game_form.h"

#include "core/format/screen_size.h"
#include "core/persist/file_paths.h"
#include "platform/forms/keys.h"
#include "platform/graphics/geometry.h"
#include "platform/forms/screen.h"
#include "platform/graphics/bitmap.h"
#include "screens/common/form_references.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

namespace {

std::unique_ptr<TBitmap> LoadGamePicture(const char* name)
{
    const std::string path = FindFileNoCase(".", name);
    if (path.empty())
        return nullptr;
    auto picture = std::make_unique<TBitmap>();
    if (!picture->LoadFromFile(path) || picture->Width() <= 0 || picture->Height() <= 0)
        return nullptr;
    return picture;
}

std::unique_ptr<TBitmap>& TitleBackgroundStore()
{
    static std::unique_ptr<TBitmap> picture;
    return picture;
}

// "img/f02.bmp", read the first time a screen needs it.
const TBitmap* BuilderBackground()
{
    static std::unique_ptr<TBitmap> picture = LoadGamePicture("img/f02.bmp");
    return picture.get();
}

}  // namespace

TBitmap* BackgroundBitmap = nullptr;

bool LoadBackgroundBitmap()
{
    TitleBackgroundStore() = LoadGamePicture("img/f01.jpg");
    BackgroundBitmap = TitleBackgroundStore().get();
    return BackgroundBitmap != nullptr;
}

void TileBackground(TCanvas& canvas, const TBitmap& picture, int width, int height)
{
    for (int y = 0; y < height; y += picture.Height())
        for (int x = 0; x < width; x += picture.Width())
            canvas.Draw(x, y, picture);
}

TGameForm::TGameForm(TComponent* owner, const TScreenRecord& screen)
    : TGameForm(owner, screen.formClass, screen.style)
{
    description_ = screen.Description();
}

TGameForm::TGameForm(TComponent* owner, std::string formClass, TGameFormStyle style)
    : TStoredForm(owner), formClass_(std::move(formClass)), description_(formClass_), style_(style)
{
    if (style_.fillsSmallScreen)
        style_.fillsWindow = GetScreenSizeClass() < 2;
    SetPosition(style_.fillsWindow ? poDesigned : poScreenCenter);
    if (TFormRef<TGameForm>* reference = FormReferenceOf(formClass_))
        *reference = this;
}

TGameForm::~TGameForm() = default;

const TReadResult& TGameForm::ReadDescription(const std::string& description)
{
    const TReadResult& result = TStoredForm::ReadDescription(description.empty() ? description_ : description);
    ApplyStyle();
    return result;
}

const TReadResult& TGameForm::ReadDescriptionText(const std::string& text, const std::string& fileName)
{
    const TReadResult& result = TStoredForm::ReadDescriptionText(text, fileName);
    ApplyStyle();
    return result;
}

void TGameForm::ApplyStyle()
{
    if (style_.swallowAltF4 || style_.closeOnEscape || style_.closeOnEnter)
        SetKeyPreview(true);
    // A screen that swallows closes shows no close button in its frame: the button would do nothing.
    if (style_.swallowAltF4)
        SetBorderIcons(BorderIcons().Exclude(biSystemMenu));
    // Scaling grows the form with its controls; one that fills the window then takes the window again.
    if (style_.scaleToScreen)
        FitToScreen();
    if (style_.fillsWindow) {
        SetPosition(poDesigned);
        SetBoundsRect(Screen->WorkAreaRect());
    }
}

bool TGameForm::FitToScreen()
{
    const int width = ScreenWidthOrDesign();
    if (width != DesignScreenWidth && IsNarrowScreen()) {
        scaleBy_ = width;
        scaleOf_ = DesignScreenWidth;
    } else if (IsWideScreen()) {
        scaleBy_ = 133;
        scaleOf_ = 100;
    } else {
        return false;
    }
    ScaleBy(scaleBy_, scaleOf_);
    scaled_ = true;
    return true;
}

int TGameForm::ScaledLength(int designLength) const { return MulDiv(designLength, scaleBy_, scaleOf_); }

const TBitmap* TGameForm::BackgroundPicture() const
{
    switch (style_.background) {
    case TBackground::Title: return BackgroundBitmap;
    case TBackground::Builder: return BuilderBackground();
    case TBackground::None: break;
    }
    return nullptr;
}

void TGameForm::Paint()
{
    if (const TBitmap* picture = BackgroundPicture())
        TileBackground(Canvas(), *picture, ClientWidth(), ClientHeight());
    TStoredForm::Paint();
}

void TGameForm::KeyDown(unsigned short& key, TShiftState shift)
{
    // Alt+F4 (Alt alone with F4) is swallowed before the screen's own handler, which still sees
    // the key press, emptied: a handler that acts after every key acts after this one too.
    if (style_.swallowAltF4 && key == VK_F4 && (shift & (ssShift | ssAlt | ssCtrl)) == ssAlt)
        key = 0;
    TStoredForm::KeyDown(key, shift);
    if (style_.closeOnEscape && key == VK_ESCAPE) {
        key = 0;
        Close();
    }
    // Enter goes on to the focused control too, as it always did: closing only frees the form later.
    if (style_.closeOnEnter && key == VK_RETURN)
        Close();
}

bool TGameForm::DialogKey(unsigned short key, TShiftState shift)
{
    if (TStoredForm::DialogKey(key, shift))
        return true;
    if (!style_.closeOnEscape || key != VK_ESCAPE || (shift & (ssShift | ssCtrl | ssAlt)))
        return false;
    Close();
    return true;
}

void TGameForm::DoClose(TCloseAction& action)
{
    action = caFree;
    TStoredForm::DoClose(action);
}

THourglass::THourglass() : previous_(Screen->Cursor())
{
    Screen->SetCursor(crHourGlass);
}

THourglass::~THourglass()
{
    Screen->SetCursor(previous_);
}

}  // namespace tarvelon
