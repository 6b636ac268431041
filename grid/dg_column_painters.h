#pragma once
// The cell painters of the column kinds: each draws one cell's content in the rectangle the grid
// prepared (text, number, date, row number, image, progress bar, tree lines and button, item
// text and image), and the tree column's mouse element that opens and closes a row.
#include "grid/dg_column_display.h"

namespace tarvelon {

class TWinControl;

// Text, number, date and row-number painters: the kind's display text in the text rectangle.
class TTextColumnDisplay : public TColumnDisplay {
public:
    using TColumnDisplay::TColumnDisplay;
    void Paint() override;
    TRect GetTextRect() const override;
    int GetContentWidth() override;
    int GetContentHeight() override;
};

class TNumberColumnDisplay : public TTextColumnDisplay {
public:
    using TTextColumnDisplay::TTextColumnDisplay;
};

class TDateColumnDisplay : public TTextColumnDisplay {
public:
    using TTextColumnDisplay::TTextColumnDisplay;
};

class TIncrementColumnDisplay : public TTextColumnDisplay {
public:
    using TTextColumnDisplay::TTextColumnDisplay;
};

class TImageColumnDisplay : public TColumnDisplay {
public:
    using TColumnDisplay::TColumnDisplay;
    void Paint() override;
    int GetContentWidth() override;
    int GetContentHeight() override;
};

class TProgressColumnDisplay : public TColumnDisplay {
public:
    using TColumnDisplay::TColumnDisplay;
    void Paint() override;

private:
    TRect FrameRect() const;
    void DrawBar(const TRect& bar, TColor color);
};

class TTreeColumnDisplay : public TTextColumnDisplay {
public:
    using TTextColumnDisplay::TTextColumnDisplay;
    void Paint() override;
    TRect GetTextRect() const override;
    int GetContentWidth() override;

    // The row's tree state, set by the grid for each cell.
    TWinControl* Window = nullptr;
    int ChildCount = 0;
    bool Expanded = false;
    int Level = 0;
    bool ButtonHot = false;

    static constexpr int LevelIndent = 19;
    // The expand button's 9 x 9 box in cell coordinates.
    static TRect ButtonBox(int level, int cellHeight);

private:
    void DrawLines();
    void DrawButton();
};

class TCustomStringsColumnDisplay : public TTextColumnDisplay {
public:
    using TTextColumnDisplay::TTextColumnDisplay;
    void Paint() override;
};

class TStringsColumnDisplay : public TCustomStringsColumnDisplay {
public:
    using TCustomStringsColumnDisplay::TCustomStringsColumnDisplay;
    TRect GetTextRect() const override;
    int GetContentWidth() override;
};

// The tree column's mouse element: "+" / "-" or a click on the button toggles the row.
class TTreeColumnPlay : public TColumnPlay {
public:
    using TColumnPlay::TColumnPlay;
    void KeyPress(char32_t& key) override;
    void MouseUp(int button, int shift, int x, int y) override;

    // The row's level, set by the grid before it hands the element an event.
    int Level = 0;

private:
    bool Locked() const;
};

}  // namespace tarvelon
