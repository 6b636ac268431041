// One line of the text engine: the text is taken from its front, run by run (a run ends before a
// tag, or after a blank when words wrap) and tag by tag, until the line ends or the next piece
// belongs to the next line.
#include <algorithm>

#include "platform/graphics/text_draw.h"
#include "richtext/html_draw_engine.h"

namespace tarvelon::htmldraw {

namespace {

// Length of the next run: the text before the first "<", or up to and including the first blank
// before it (when words wrap), or the whole text.
std::size_t RunLength(const std::string& text, bool wordWrap)
{
    const std::size_t tag = text.find('<');
    const std::size_t blank = wordWrap ? text.find(' ') : std::string::npos;
    if (tag != std::string::npos && !(blank != std::string::npos && blank <= tag))
        return tag;
    if (blank != std::string::npos)
        return blank + 1;
    return text.size();
}

}  // namespace

void THTMLEngine::HTMLDrawGDICore(std::string& text, TLinePass& pass)
{
    pass.workBottom = pass.bottom - metrics_.subExtra;
    pass.x = pass.lineStart;
    if (state_.anchorOpen) {
        state_.anchorStartX = pass.lineStart;
        state_.anchorTop = pass.top;
    }
    if (!pass.measuring) {
        pass.x += state_.offset;
        if (state_.paragraphBackground)
            canvas_.FillRect(TRect{rect_.Left, pass.top, rect_.Right, pass.bottom});
    }
    while (!text.empty() && !pass.lineEnd && !pass.overflow) {
        TakeRun(text, pass);
        if (!pass.lineEnd && !text.empty() && text[0] == '<')
            TakeTag(text, pass);
    }
    pass.width -= pass.trailing;
    result_.MeasuredWidth = std::max(result_.MeasuredWidth, pass.width + 2);
    if (!pass.measuring && Focused())
        DrawAnchorFocus(pass, pass.x);
}

void THTMLEngine::TakeRun(std::string& text, TLinePass& pass)
{
    const std::size_t length = RunLength(text, params_.WordWrap);
    if (length == 0)
        return;
    std::string run = text.substr(0, length);
    markup::ReplaceRunEntities(run);
    if (run.empty()) {
        text.erase(0, length);
        return;
    }
    TRect r{pass.x, pass.top, rect_.Right, pass.workBottom};
    const int runHeight = DrawTextEx(canvas_, run, r, measureFlags_);
    const int runWidth = state_.hidden ? 0 : r.Right - r.Left;

    // A run that would pass the right edge starts the next line, unless it is the line's first
    // piece (a word wider than the whole line is placed anyway).
    const int available = rect_.Width() - state_.offset;
    const bool fits = available > pass.width + runWidth || pass.width == 0 || runWidth == 0;
    if (!fits && params_.WordWrap) {
        pass.lineEnd = true;
        return;
    }
    text.erase(0, length);
    if (state_.subscript)
        metrics_.subExtra = std::max(metrics_.subExtra, runHeight / 4);
    if (state_.superscript)
        metrics_.supExtra = std::max(metrics_.supExtra, runHeight / 4);
    pass.height = std::max(pass.height, runHeight);
    if (pass.recordsText)
        result_.PlainText += run;
    if (state_.hidden)
        return;

    if (pass.measuring) {
        const int point = params_.X - pass.lineStart;
        if (pass.hitTests && state_.anchorOpen && point >= pass.width && point < pass.width + runWidth) {
            pass.anchorHit = true;
            // The link counts only when the point is inside this line too (a point below the
            // line, under the same x, belongs to another line).
            const bool inLine = params_.Y > pass.top && (pass.bottom <= pass.top || params_.Y < pass.bottom);
            if (inLine) {
                result_.AnchorValue = state_.link;
                state_.anchorPointed = true;
            }
        }
    } else {
        PaintRun(run, pass);
    }
    pass.width += runWidth;
    pass.x += runWidth;
    pass.trailing = run.back() == ' ' ? canvas_.TextWidth(" ") : 0;
}

void THTMLEngine::PaintRun(const std::string& run, const TLinePass& pass)
{
    TRect r{pass.x, pass.top, rect_.Right, pass.workBottom};
    if (state_.subscript)
        r.Bottom += metrics_.subExtra;
    if (state_.superscript)
        r.Bottom -= metrics_.supExtra;
    r.Bottom -= metrics_.textOffset;
    const bool visible = params_.WordWrap || rect_.Right - canvas_.TextWidth("w") > pass.x;
    if (visible) {
        if (state_.shadow) {
            const TColor color = canvas_.Font.Color();
            canvas_.Font.SetColor(params_.ShadowColor);
            TRect shadow = r;
            OffsetRect(shadow, params_.ShadowOffset, params_.ShadowOffset);
            DrawTextEx(canvas_, run, shadow, drawFlags_);
            canvas_.Font.SetColor(color);
        }
        DrawTextEx(canvas_, run, r, drawFlags_);
    }
    if (Focused())
        result_.FocusAnchor = state_.link;
    if (state_.errorLine) {
        TRect extent = r;
        DrawTextEx(canvas_, run, extent, measureFlags_);
        DrawZigzag(pass.x, extent.Right, r.Bottom);
    }
}

void THTMLEngine::DrawZigzag(int left, int right, int bottom)
{
    const TPen saved = canvas_.Pen;
    canvas_.Pen.SetColor(clRed);
    canvas_.Pen.SetWidth(1);
    canvas_.Pen.SetStyle(psSolid);
    int x = left - (((left % 2) + 2) % 2);
    bool low = ((x % 4) + 4) % 4 == 0;
    canvas_.MoveTo(x, low ? bottom + 1 : bottom - 1);
    while (x + 2 <= right) {
        x += 2;
        low = !low;
        canvas_.LineTo(x, low ? bottom + 1 : bottom - 1);
    }
    canvas_.Pen = saved;
}

void THTMLEngine::TakeTag(std::string& text, TLinePass& pass)
{
    if (text.size() < 3) {
        text.clear();
        return;
    }
    const std::size_t close = text.find('>');
    const bool complete = close != std::string::npos;
    const std::size_t length = complete ? close + 1 : text.size();
    const std::string tag = text.substr(0, length);
    ApplyTag(tag, complete, markup::IdentifyTag(tag), pass);
    if (!pass.overflow)
        text.erase(0, length);
}

void THTMLEngine::DrawAnchorFocus(const TLinePass& pass, int right)
{
    const int bottom = pass.bottom - metrics_.textOffset;
    canvas_.DrawFocusRect(TRect{state_.anchorStartX - 1, pass.bottom - canvas_.TextHeight("gh"), right + 1, bottom});
}

}  // namespace tarvelon::htmldraw
