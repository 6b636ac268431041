#pragma once
// Inside the text engine: the state a call carries from line to line, one pass over one line, and
// the engine that builds the lines (line loop, runs, tags, pictures in separate sources).
#include <string>
#include <vector>

#include "richtext/html_draw_gdi.h"
#include "richtext/html_markup.h"

namespace tarvelon::htmldraw {

// What the markup has switched on so far; a line's painting pass starts from exactly the state its
// measuring pass started from.
struct TMarkupState {
    int alignment = 0;  // 0 left, 1 right, 2 centre
    int indent = 0;
    int offset = 0;     // <OF>
    int listLevel = 0;
    bool shadow = false;
    bool hidden = false;
    bool errorLine = false;
    bool subscript = false;
    bool superscript = false;
    bool paragraphBackground = false;
    TColor paragraphSavedBrush = clNone;
    // The open anchor.
    bool anchorOpen = false;
    int anchorCount = 0;
    int anchorNumber = 0;
    std::string link;
    bool anchorPointed = false;  // the point was on this anchor's text
    int anchorStartX = 0;
    int anchorTop = 0;
    bool anchorBrushSaved = false;
    TColor anchorSavedBrush = clNone;
    TColor anchorSavedFontColor = clBlack;
    // Saved colours of <FONT BGCOLOR> and <HI>.
    bool fontBrushSaved = false;
    TColor fontSavedBrush = clNone;
    TColor highlightSavedFont = clBlack;
    TColor highlightSavedBrush = clNone;
    std::vector<int> rotations;  // orientations before each open <R>
};

struct TSnapshot {
    TMarkupState state;
    TFont font;
    TColor brush = clNone;
};

// Sizes a measuring pass finds and the painting pass of the same line uses.
struct TLineMetrics {
    int subExtra = 0;
    int supExtra = 0;
    int textOffset = 0;  // text raised by <IMG ALIGN>
};

// One pass over one line.
struct TLinePass {
    bool measuring = true;
    bool hitTests = false;    // this pass lays the line out at its final place
    bool recordsText = false; // this pass adds the runs to PlainText
    int lineStart = 0;
    int top = 0;
    int bottom = 0;           // line bottom (painting); the measuring pass grows it
    int workBottom = 0;
    int x = 0;
    int width = 0;
    int height = 0;
    int trailing = 0;
    bool lineEnd = false;
    bool overflow = false;
    bool listItemPlaced = false;
    bool anchorHit = false;
    bool pictureHit = false;
};

// Turns the canvas font by `angle` degrees (escapement and orientation in tenths); gives the
// orientation it had, which </R> puts back.
int SelectRotatedFont(TCanvas& canvas, int angle);

class THTMLEngine {
public:
    THTMLEngine(TCanvas& canvas, const TRect& rect, const THTMLDrawParams& params, THTMLDrawResult& result);
    bool Run(std::string text);

private:
    // html_draw_gdi.cpp: the line loop.
    TSnapshot Capture() const;
    void Restore(const TSnapshot& snapshot);
    int AlignedStart(int width) const;

    // html_draw_line.cpp: one line, its runs.
    void HTMLDrawGDICore(std::string& text, TLinePass& pass);
    void TakeRun(std::string& text, TLinePass& pass);
    void PaintRun(const std::string& run, const TLinePass& pass);
    void DrawZigzag(int left, int right, int bottom);
    void TakeTag(std::string& text, TLinePass& pass);
    bool Focused() const { return state_.anchorOpen && state_.anchorNumber - 1 == params_.FocusLink; }
    void DrawAnchorFocus(const TLinePass& pass, int right);

    // html_draw_tags.cpp: what each tag does.
    void ApplyTag(const std::string& tag, bool complete, markup::TTagKind kind, TLinePass& pass);
    void OpenAnchor(const std::string& tag, TLinePass& pass);
    void CloseAnchor(TLinePass& pass);
    void ApplyFont(const std::string& tag, const TLinePass& pass);
    void CloseFont(const TLinePass& pass);
    void ApplyParagraph(const std::string& tag, const TLinePass& pass);
    void PlaceListItem(TLinePass& pass);
    void DrawRule(const TLinePass& pass);
    void SetStyle(TFontStyle style, bool on);

    // html_draw_pictures.cpp: IMG and the BODY background.
    void PlaceImage(const std::string& tag, TLinePass& pass);
    void DrawBody(const std::string& tag);
    // Draws the picture a source names at (x, y); stretched to width x height when `stretch`.
    void DrawSourcePicture(const std::string& source, int x, int y, int width, int height, bool stretch);

    TColor Brush() const;
    void SetBrush(TColor color);

    TCanvas& canvas_;
    const TRect rect_;
    const THTMLDrawParams& params_;
    THTMLDrawResult& result_;
    TMarkupState state_;
    TLineMetrics metrics_;
    TFont baseFont_;
    TColor startBrush_ = clNone;
    unsigned measureFlags_ = 0;
    unsigned drawFlags_ = 0;
};

}  // namespace tarvelon::htmldraw
