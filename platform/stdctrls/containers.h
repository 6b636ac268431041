#pragma once
// Controls that hold others: TPanel (bevels, border, a centred caption), TScrollBox (its children
// scroll with its bars), TNotebook with its TPage children (one page shown at a time).
#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/stdctrls/bevel_cut.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/strings.h"

namespace tarvelon {

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);
    std::string ClassName() const override { return "TPanel"; }

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    // bsSingle draws a black frame around the bevels.
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // The panel shows what its parent draws under it instead of its colour (bevels and caption
    // still drawn over it).
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool shown);

protected:
    void Paint() override;
    void AlignControls(TRect& rect) override;
    void TextChanged() override { Invalidate(); }
    // How far the frame reaches in from each side.
    int FrameWidth() const;

private:
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TFormBorderStyle borderStyle_ = bsNone;
    TAlignment alignment_ = taCenter;
    bool parentBackground_ = false;
};

// Scrolls its children: the bars' ranges are set by code (VertScrollBar.Range) or follow the
// children's extent.
class TScrollBox : public TCustomControl {
public:
    explicit TScrollBox(TComponent* owner);
    std::string ClassName() const override { return "TScrollBox"; }

    // The height (width) of the scrolled contents; 0: as far as the children reach.
    int VertRange() const { return vertRange_; }
    void SetVertRange(int range);
    int HorzRange() const { return horzRange_; }
    void SetHorzRange(int range);
    int VertPosition() const { return vertPos_; }
    void SetVertPosition(int position);
    int HorzPosition() const { return horzPos_; }
    void SetHorzPosition(int position);
    // Brings the contents in range again after children moved or the box was resized.
    void UpdateScrollBars();

protected:
    void ScrollMessage(TScrollBarKind kind, TScrollCode code, int trackPos) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void Resize() override;

private:
    int ContentExtent(TScrollBarKind kind) const;
    void ScrollTo(TScrollBarKind kind, int position);
    int vertRange_ = 0;
    int horzRange_ = 0;
    int vertPos_ = 0;
    int horzPos_ = 0;
};

// One page of a notebook; its Caption is the page's name.
class TPage : public TCustomControl {
public:
    explicit TPage(TComponent* owner);
    std::string ClassName() const override { return "TPage"; }
};

class TNotebook : public TCustomControl {
public:
    explicit TNotebook(TComponent* owner);
    std::string ClassName() const override { return "TNotebook"; }

    int PageCount() const;
    TPage* Page(int index) const;
    int PageIndex() const { return pageIndex_; }
    // Shows that page and hides the others.
    void SetPageIndex(int index);
    // The page shown by name ("" when none).
    std::string ActivePage() const;
    void SetActivePage(const std::string& name);
    // Names of the pages; setting them makes pages of those names.
    std::vector<std::string> PageNames() const;
    void SetPageNames(const std::vector<std::string>& names);
    void Loaded() override;

    TNotifyEvent OnPageChanged;

private:
    void ShowCurrentPage();
    int pageIndex_ = 0;
};

}  // namespace tarvelon
