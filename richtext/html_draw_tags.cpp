// What each tag of the markup does to the line being built and to the canvas.
#include <algorithm>

#include "platform/graphics/text_draw.h"
#include "richtext/html_draw_engine.h"

namespace tarvelon::htmldraw {

using markup::THTMLTag;

namespace {

constexpr int kListStep = 12;

// FONT SIZE 1 to 5 are the classic sizes; any other number is the point size itself.
int FontPoints(int size)
{
    static constexpr int kSizes[] = {8, 10, 12, 14, 16};
    return (size >= 1 && size <= 5) ? kSizes[size - 1] : size;
}

bool HasValue(const std::string& tag, const char* attribute, std::string& value, std::size_t from)
{
    return markup::AttributeValue(tag, attribute, value, from);
}

}  // namespace

int SelectRotatedFont(TCanvas& canvas, int angle)
{
    const int previous = canvas.Font.Orientation();
    canvas.Font.SetOrientation(angle * 10);
    return previous;
}

void THTMLEngine::SetStyle(TFontStyle style, bool on)
{
    TFontStyles styles = canvas_.Font.Style();
    canvas_.Font.SetStyle(on ? styles + TFontStyles{style} : styles - TFontStyles{style});
}

void THTMLEngine::ApplyTag(const std::string& tag, bool complete, markup::TTagKind kind, TLinePass& pass)
{
    const bool painting = !pass.measuring;
    const bool on = !kind.closing;
    std::string value;
    switch (kind.tag) {
    case THTMLTag::None: break;
    case THTMLTag::Anchor:
        if (on)
            OpenAnchor(tag, pass);
        else
            CloseAnchor(pass);
        break;
    case THTMLTag::Bold: SetStyle(fsBold, on); break;
    case THTMLTag::Italic: SetStyle(fsItalic, on); break;
    case THTMLTag::Strike: SetStyle(fsStrikeOut, on); break;
    case THTMLTag::Underline: SetStyle(fsUnderline, on); break;
    case THTMLTag::Blink:
        if (kind.closing)
            canvas_.Font.SetColor(baseFont_.Color());
        else if (!params_.BlinkOn)
            canvas_.Font.SetColor(startBrush_);
        break;
    case THTMLTag::Body:
        if (kind.closing)
            canvas_.Font.SetColor(baseFont_.Color());
        else if (painting && !params_.FixedColors)
            DrawBody(tag);
        break;
    case THTMLTag::LineBreak:
        pass.lineEnd = true;
        if (pass.recordsText)
            result_.PlainText += '\r';
        break;
    case THTMLTag::ErrorLine:
        if (painting)
            state_.errorLine = on;
        break;
    case THTMLTag::Font:
        if (kind.closing)
            CloseFont(pass);
        else if (complete)
            ApplyFont(tag, pass);
        break;
    case THTMLTag::Highlight:
        if (!painting)
            break;
        if (on) {
            state_.highlightSavedFont = canvas_.Font.Color();
            state_.highlightSavedBrush = Brush();
            SetBrush(clHighlight);
            canvas_.Font.SetColor(clHighlightText);
        } else {
            canvas_.Font.SetColor(state_.highlightSavedFont);
            SetBrush(state_.highlightSavedBrush);
        }
        break;
    case THTMLTag::Rule:
        pass.lineEnd = true;
        if (painting)
            DrawRule(pass);
        break;
    case THTMLTag::Image: PlaceImage(tag, pass); break;
    case THTMLTag::Indent:
        if (markup::LetterValue(tag, 'x', 4, value)) {
            const int n = markup::ValueNumber(value);
            if (pass.width < n) {
                pass.x += n - pass.width;
                pass.width = n;
            }
        }
        break;
    case THTMLTag::ListItem:
        if (kind.closing)
            pass.lineEnd = true;
        else
            PlaceListItem(pass);
        break;
    case THTMLTag::Offset:
        if (kind.closing) {
            state_.offset = 0;
        } else if (markup::LetterValue(tag, 'x', 3, value)) {
            state_.offset = markup::ValueNumber(value);
            pass.x = state_.offset;
            pass.width = state_.offset;
        }
        break;
    case THTMLTag::Paragraph:
        if (kind.closing) {
            pass.lineEnd = true;
            if (painting && state_.paragraphBackground) {
                SetBrush(state_.paragraphSavedBrush);
                state_.paragraphBackground = false;
            }
        } else if (complete) {
            ApplyParagraph(tag, pass);
        }
        break;
    case THTMLTag::Rotate:
        if (on) {
            state_.rotations.push_back(
                SelectRotatedFont(canvas_, markup::LetterValue(tag, 'a', 2, value) ? markup::ValueNumber(value) : 0));
        } else if (!state_.rotations.empty()) {
            canvas_.Font.SetOrientation(state_.rotations.back());
            state_.rotations.pop_back();
        }
        break;
    case THTMLTag::Shadow: state_.shadow = on; break;
    case THTMLTag::Subscript:
        if (on) {
            state_.subscript = true;
        } else {
            state_.subscript = state_.superscript = false;
        }
        break;
    case THTMLTag::Superscript: state_.superscript = true; break;
    case THTMLTag::List:
        if (on) {
            ++state_.listLevel;
            pass.lineEnd = true;
        } else if (state_.listLevel > 0) {
            --state_.listLevel;
        } else {
            SetStyle(fsUnderline, false);
        }
        break;
    case THTMLTag::Hidden: state_.hidden = on; break;
    }
}

void THTMLEngine::OpenAnchor(const std::string& tag, TLinePass& pass)
{
    ++state_.anchorCount;
    state_.anchorOpen = true;
    state_.anchorNumber = state_.anchorCount;
    state_.anchorPointed = false;
    state_.anchorStartX = pass.x;
    state_.anchorTop = pass.top;
    state_.link.clear();
    markup::FirstQuotedValue(tag, state_.link);
    state_.anchorSavedFontColor = canvas_.Font.Color();
    state_.anchorBrushSaved = false;

    const bool hovered = state_.anchorNumber == params_.HoverLink;
    if (!pass.measuring && (!params_.Hover || hovered)) {
        SetStyle(fsUnderline, true);
        if (params_.HoverColor != clNone) {
            state_.anchorSavedBrush = Brush();
            state_.anchorBrushSaved = true;
            SetBrush(params_.HoverColor);
        }
        if (params_.HoverFontColor != clNone)
            canvas_.Font.SetColor(params_.HoverFontColor);
    }
    const bool keepsHoverColor = params_.Hover && hovered && params_.HoverFontColor != clNone;
    if (!params_.FixedColors && !keepsHoverColor)
        canvas_.Font.SetColor(params_.URLColor);
}

void THTMLEngine::CloseAnchor(TLinePass& pass)
{
    SetStyle(fsUnderline, false);
    if (state_.anchorBrushSaved)
        SetBrush(state_.anchorSavedBrush);
    state_.anchorBrushSaved = false;
    if (!state_.anchorOpen)
        return;
    canvas_.Font.SetColor(state_.anchorSavedFontColor);
    if (state_.anchorPointed) {
        // A pass at the line's final place knows its bottom (a later, taller run may still come);
        // a size-only pass knows only the height so far.
        const int bottom = pass.bottom > pass.top ? pass.bottom : pass.top + pass.height;
        result_.HoverRect = TRect{state_.anchorStartX, state_.anchorTop, pass.lineStart + pass.width, bottom};
        result_.HoverAnchor = state_.anchorNumber;
    }
    if (!pass.measuring && Focused())
        DrawAnchorFocus(pass, pass.x);
    state_.anchorOpen = false;
}

void THTMLEngine::ApplyFont(const std::string& tag, const TLinePass& pass)
{
    const std::string upper = markup::UpperAscii(tag);
    std::string value;
    if (HasValue(upper, "FACE", value, 5))
        canvas_.Font.SetName(value);
    if (!params_.FixedColors && HasValue(upper, " COLOR", value, 5))
        canvas_.Font.SetColor(markup::ValueColor(value));
    if (!pass.measuring && !params_.FixedColors && HasValue(upper, "BGCOLOR", value, 5)) {
        state_.fontSavedBrush = Brush();
        state_.fontBrushSaved = true;
        SetBrush(markup::ValueColor(value));
    }
    // The size is read from the text after its opening quote, closing quote and all: "8" reads 8,
    // and a negative size, always followed by its quote, loses its sign ("-3" reads 3).
    if (HasValue(upper, "SIZE", value, 5)) {
        const std::size_t at = markup::FindNoCase(upper, "SIZE", 5);
        canvas_.Font.SetSize(FontPoints(markup::ValueNumber(upper.substr(upper.find('"', at) + 1))));
    }
}

void THTMLEngine::CloseFont(const TLinePass& pass)
{
    canvas_.Font.SetName(baseFont_.Name());
    canvas_.Font.SetHeight(baseFont_.Height());
    if (params_.FixedColors || pass.measuring)
        return;
    canvas_.Font.SetColor(baseFont_.Color());
    SetBrush(state_.fontBrushSaved ? state_.fontSavedBrush : clNone);
}

void THTMLEngine::ApplyParagraph(const std::string& tag, const TLinePass& pass)
{
    const std::string upper = markup::UpperAscii(tag);
    std::string value;
    if (HasValue(upper, "ALIGN", value, 2)) {
        // RIGHT, then LEFT, then CENTER: the last one found wins.
        if (value.find("RIGHT") != std::string::npos)
            state_.alignment = 1;
        if (value.find("LEFT") != std::string::npos)
            state_.alignment = 0;
        if (value.find("CENTER") != std::string::npos)
            state_.alignment = 2;
    }
    if (HasValue(upper, "INDENT", value, 2))
        state_.indent = markup::ValueNumber(value);
    if (pass.measuring || !HasValue(upper, "BGCOLOR", value, 2))
        return;
    const TColor color = markup::ValueColor(value);
    std::string to;
    if (HasValue(upper, "BGCOLORTO", to, 2)) {
        DrawGradientGDI(canvas_, color, markup::ValueColor(to), true,
                        TRect{rect_.Left, pass.top, rect_.Right, pass.bottom + 2}, 64);
        return;
    }
    if (!state_.paragraphBackground)
        state_.paragraphSavedBrush = Brush();
    state_.paragraphBackground = true;
    SetBrush(color);
    canvas_.FillRect(TRect{rect_.Left, pass.top, rect_.Right, pass.bottom});
}

void THTMLEngine::PlaceListItem(TLinePass& pass)
{
    // A second item on one line belongs to the next line.
    if (pass.listItemPlaced) {
        pass.overflow = true;
        return;
    }
    pass.listItemPlaced = true;
    const int level = state_.listLevel;
    pass.x += (level - 1) * kListStep;
    if (!pass.measuring && !state_.hidden) {
        const TFont font = canvas_.Font;
        canvas_.Font.SetName("Symbol");
        TRect box{pass.x, pass.top, pass.x + kListStep, pass.workBottom - metrics_.textOffset};
        DrawTextEx(canvas_, level % 2 == 1 ? "\u2022" : "o", box, drawFlags_ | DT_NOPREFIX | DT_NOCLIP);
        canvas_.Font.Assign(font);
    }
    pass.x += kListStep;
    pass.width += level * kListStep;
}

void THTMLEngine::DrawRule(const TLinePass& pass)
{
    const TPen saved = canvas_.Pen;
    canvas_.Pen.SetColor(clBlack);
    canvas_.Pen.SetStyle(psSolid);
    canvas_.MoveTo(pass.lineStart, pass.bottom + 1);
    canvas_.LineTo(rect_.Right, pass.bottom + 1);
    canvas_.Pen = saved;
}

}  // namespace tarvelon::htmldraw
