// The anti-aliased text engine: the line loop (measure each line, then draw it at its aligned
// place) and one line's chunks and tags.
#include "controls/html_draw_gdip.h"

#include <algorithm>
#include <functional>

#include "controls/gdip_picture_container.h"
#include "platform/graphics/gdiplus_brushes.h"
#include "richtext/html_markup.h"

namespace tarvelon {
namespace {

using markup::THTMLTag;

constexpr unsigned kStartFlags = 0x268;
constexpr unsigned kNoPrefix = 0x800;
constexpr unsigned kSingleLine = 0x8000;

bool AllDigits(const std::string& value)
{
    return !value.empty() && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void SetStyle(TFont& font, TFontStyle style, bool on)
{
    TFontStyles styles = font.Style();
    if (on)
        styles.Include(style);
    else
        styles.Exclude(style);
    font.SetStyle(styles);
}

// The values a line pass reads and writes.
struct TLineState {
    int width = 0;
    int height = 0;
    int subShift = 0;
    int supShift = 0;
    int textOffset = 0;
    bool anchorHit = false;
    bool imageHit = false;
};

class TGDIPTextEngine {
public:
    TGDIPTextEngine(TGPGraphics& graphics, const TFont& baseFont, const TRect& textRect,
                    const THTMLDrawGDIPParams& params, THTMLDrawGDIPResult& result)
        : g_(graphics), rect_(textRect), p_(params), r_(result), font_(baseFont), default_(baseFont),
          measureFont_(baseFont), measureDefault_(baseFont), drawFont_(baseFont), drawDefault_(baseFont)
    {
    }

    bool Run(std::string text);

private:
    int HeightGH() { return MeasureTextHeightGDIP(g_, "gh", font_); }
    void Core(std::string& text, const TRect& lineRect, bool measuring, std::string& lineText);
    // The chunk; false when the line ended with the chunk left in the text.
    bool TakeChunk(std::string& text, std::string& lineText, std::string& lineSoFar, const TRect& lineRect,
                   bool measuring, int workBottom);
    void DrawChunk(const std::string& chunk, const std::string& rest, const TRect& lineRect, int workBottom);
    void DrawZigzag(int left, int right, int workBottom);
    // Handles the tag at the start of `text`; true when the line stopped before it (the tag stays).
    bool HandleTag(const std::string& text, const TRect& lineRect, bool measuring, int workBottom);
    void OpenAnchor(const std::string& tag, bool measuring);
    void CloseAnchor(const TRect& lineRect, bool measuring);
    void OpenFont(const std::string& tag, bool measuring);
    void OpenParagraph(const std::string& tag, bool measuring);
    void OpenBody(const std::string& tag, bool measuring);
    bool PlaceListItem(bool measuring, int workBottom);
    // Where a chunk of height h starting at the current x is drawn in the line.
    TRect ChunkBox(int h, int right, int workBottom) const;
    bool PlaceImage(const std::string& tag, const TRect& lineRect, bool measuring);
    bool Drawing(bool measuring) const { return !measuring; }

    TGPGraphics& g_;
    const TRect rect_;
    const THTMLDrawGDIPParams& p_;
    THTMLDrawGDIPResult& r_;
    TFont font_, default_;
    TFont measureFont_, measureDefault_, drawFont_, drawDefault_;
    TColor brush_ = clNone;
    unsigned flags_ = kStartFlags;

    bool anchorOpen_ = false;
    std::string anchor_;
    int anchorStartWidth_ = 0;
    int anchorTop_ = 0;
    bool anchorStartedHere_ = false;
    bool recordAnchor_ = false;
    TColor anchorSavedBrush_ = clNone;
    TColor fontSavedBrush_ = clNone;
    TColor highlightFont_ = clBlack;
    TColor highlightBrush_ = clNone;

    int listLevel_ = 0;
    int imageCount_ = 0;
    int hoveredImage_ = -1;
    bool shadow_ = false, subscript_ = false, superscript_ = false, hidden_ = false, errorLine_ = false;
    bool paragraphBackground_ = false;  // set by <P BGCOLOR>, read by nothing
    int align_ = 0;
    int indent_ = 0;
    int offset_ = 0;
    int offsetStart_ = 0;

    TLineState line_;
    int x_ = 0;
    bool listItemInLine_ = false;
};

bool TGDIPTextEngine::Run(std::string text)
{
    g_.SetTextRenderingHint(TextRenderingHintAntiAlias);
    if (text.find(" & ") != std::string::npos)
        flags_ |= kNoPrefix;
    if (!p_.WordWrap)
        flags_ |= kSingleLine;
    if (text.find('&') != std::string::npos) {
        // Our text drawing knows no hot-key prefix, so "&amp;" is one ampersand.
        while (ReplaceFirstText("&amp;", "&", text)) {
        }
        markup::ReplaceTextEntities(text);
    }
    markup::ReduceHashTag(text);
    text = LineBreaksToBR(text, true);

    bool hit = false;
    TRect R = rect_;
    R.Left += 1;
    int drawAnchorCount = 0;
    int drawListLevel = 0;
    int measureListLevel = 0;
    while (!text.empty()) {
        font_.Assign(measureFont_);
        default_.Assign(measureDefault_);
        const bool savedOpen = anchorOpen_;
        const std::string savedAnchor = anchor_;
        const int lineImages = imageCount_;
        listLevel_ = measureListLevel;
        line_ = TLineState{};
        line_.height = HeightGH();
        const int h0 = line_.height;
        // The measuring may meet the closing tag of a shadow that the line's drawing still needs.
        const bool shadowAtStart = shadow_;

        std::string lineText;
        Core(text, R, true, lineText);
        anchorOpen_ = savedOpen;
        anchor_ = savedAnchor;
        measureFont_.Assign(font_);
        measureDefault_.Assign(default_);
        measureListLevel = listLevel_;
        if (!text.empty())
            line_.height += p_.LineSpacing;

        TRect R2 = R;
        if (align_ == 1 && R.Left < R.Right - line_.width)
            R2.Left = R.Right - line_.width;
        if (align_ == 2) {
            const int d = R.Right - R.Left - line_.width;
            if (d > 0)
                R2.Left = R.Left + d / 2;
        }
        R2.Left += indent_;
        R2.Bottom = R.Top + line_.height + line_.subShift + line_.supShift;

        if (!p_.MeasureOnly) {
            font_.Assign(drawFont_);
            default_.Assign(drawDefault_);
            r_.AnchorCount = drawAnchorCount;
            listLevel_ = drawListLevel;
            imageCount_ = lineImages;
            shadow_ = shadowAtStart;
            std::string drawn;
            Core(lineText, R2, p_.HitTestOnly, drawn);
            const int gh = HeightGH();
            const int bottom = R2.Bottom - line_.textOffset;
            if ((line_.anchorHit && bottom - gh < p_.Y && p_.Y < bottom) || line_.imageHit)
                hit = true;
            drawFont_.Assign(font_);
            drawDefault_.Assign(default_);
            drawAnchorCount = r_.AnchorCount;
            drawListLevel = listLevel_;
            offsetStart_ = offset_;
        }
        const int advance = line_.height + line_.subShift + line_.supShift;
        R.Top += advance;
        r_.TextHeight += advance;
        if (!p_.MeasureOnly && h0 + R.Top > R.Bottom)
            text.clear();
    }
    if (r_.TextHeight == 0)
        r_.TextHeight = HeightGH();
    r_.TextHeight += 2;
    return hit;
}

void TGDIPTextEngine::Core(std::string& text, const TRect& lineRect, bool measuring, std::string& lineText)
{
    const int workBottom = lineRect.Bottom - line_.subShift;
    lineText.clear();
    line_.anchorHit = false;
    line_.imageHit = false;
    line_.width = 0;
    x_ = lineRect.Left + offsetStart_;
    listItemInLine_ = false;
    anchorStartedHere_ = false;
    std::string lineSoFar;
    bool ended = false;
    while (!text.empty() && !ended) {
        if (!TakeChunk(text, lineText, lineSoFar, lineRect, measuring, workBottom))
            break;
        if (text.empty() || text[0] != '<')
            continue;
        if (text.size() < 3) {
            text.clear();
            break;
        }
        const auto kind = markup::IdentifyTag(text);
        const bool endsLine = (kind.tag == THTMLTag::LineBreak || kind.tag == THTMLTag::Rule ||
                               kind.tag == THTMLTag::List || kind.tag == THTMLTag::Paragraph ||
                               kind.tag == THTMLTag::ListItem) &&
                              (kind.closing || kind.tag == THTMLTag::LineBreak || kind.tag == THTMLTag::Rule ||
                               kind.tag == THTMLTag::List);
        const bool stopped = HandleTag(text, lineRect, measuring, workBottom);
        if (stopped)
            break;
        const std::size_t close = text.find('>');
        if (close == std::string::npos) {
            text.clear();
            break;
        }
        lineText += text.substr(0, close + 1);
        text.erase(0, close + 1);
        ended = endsLine;
    }
    if (line_.width > r_.TextWidth)
        r_.TextWidth = line_.width + 2;
}

bool TGDIPTextEngine::TakeChunk(std::string& text, std::string& lineText, std::string& lineSoFar,
                                const TRect& lineRect, bool measuring, int workBottom)
{
    const std::size_t lt = text.find('<');
    const std::size_t blank = p_.WordWrap ? text.find(' ') : std::string::npos;
    std::size_t length;
    if (lt != std::string::npos && !(blank != std::string::npos && blank <= lt))
        length = lt;
    else if (blank != std::string::npos)
        length = blank + 1;
    else
        length = text.size();
    if (length == 0)
        return true;
    std::string chunk = text.substr(0, length);
    markup::ReplaceRunEntities(chunk);

    const int h = MeasureTextHeightGDIP(g_, chunk, font_);
    if (subscript_ && line_.subShift < (h >> 2))
        line_.subShift = h / 2;
    if (superscript_ && line_.supShift < (h >> 2))
        line_.supShift = h / 2;
    line_.height = std::max(line_.height, h);
    r_.PlainText += chunk;
    if (hidden_) {
        text.erase(0, length);
        return true;
    }

    int chunkWidth = 0;
    if (measuring) {
        if (chunk != " ") {
            TRect box = lineRect;
            DrawTextGDIP(g_, chunk, int(chunk.size()), box, font_, flags_ | DT_CALCRECT_GDIP, clNone);
            chunkWidth = box.Right - box.Left;
        }
        line_.width += chunkWidth;
        const int dx = p_.X - lineRect.Left;
        if (anchorOpen_ && line_.width - chunkWidth <= dx && dx <= line_.width) {
            line_.anchorHit = true;
            if (lineRect.Top < p_.Y && p_.Y < lineRect.Top + HeightGH()) {
                r_.AnchorUnderPoint = anchor_;
                recordAnchor_ = true;
            }
        }
    } else {
        const int left = x_;
        DrawChunk(chunk, text.substr(length), lineRect, workBottom);
        chunkWidth = x_ - left;
    }

    const int avail = lineRect.Right - lineRect.Left - offsetStart_;
    const bool fits = avail >= line_.width || avail <= chunkWidth || (!lineSoFar.empty() && lineSoFar.back() != ' ');
    lineSoFar += chunk;
    if (fits || !p_.WordWrap) {
        lineText += text.substr(0, length);
        text.erase(0, length);
        return true;
    }
    line_.width -= chunkWidth;
    return false;
}

void TGDIPTextEngine::DrawChunk(const std::string& chunk, const std::string& rest, const TRect& lineRect,
                                int workBottom)
{
    const TRect box = ChunkBox(MeasureTextHeightGDIP(g_, chunk, font_), lineRect.Right, workBottom);
    const TColor background = brush_;
    const unsigned drawFlags = flags_ & ~0x200u;
    if (shadow_) {
        const TColor color = font_.Color();
        font_.SetColor(p_.ShadowColor);
        TRect shadowBox{box.Left + p_.ShadowOffset, box.Top + p_.ShadowOffset, box.Right + p_.ShadowOffset,
                        box.Bottom + p_.ShadowOffset};
        DrawTextGDIP(g_, chunk, int(chunk.size()), shadowBox, font_, drawFlags, background);
        font_.SetColor(color);
    }
    if (!p_.HitTestOnly && chunk != " ") {
        std::string shown = chunk;
        if (font_.Style().Contains(fsUnderline)) {
            std::string next = rest.substr(0, rest.find(' ') == std::string::npos ? rest.size() : rest.find(' ') + 1);
            next = next.substr(0, next.find('<'));
            TRect both = box;
            DrawTextGDIP(g_, chunk + next, int(chunk.size() + next.size()), both, font_, flags_ | DT_CALCRECT_GDIP,
                         clNone);
            if (rect_.Right + 2 > both.Right && !next.empty())
                shown += "_";
        }
        TRect drawBox = box;
        DrawTextGDIP(g_, shown, int(shown.size()), drawBox, font_, drawFlags, background);
    }
    TRect measured = box;
    DrawTextGDIP(g_, chunk, int(chunk.size()), measured, font_, flags_ | DT_CALCRECT_GDIP, clNone);
    if (anchorOpen_ && r_.AnchorCount - 1 == p_.FocusIndex)
        r_.FocusedAnchor = anchor_;
    if (errorLine_ && !p_.HitTestOnly)
        DrawZigzag(box.Left, measured.Right, workBottom);
    x_ = measured.Right;
}

TRect TGDIPTextEngine::ChunkBox(int h, int right, int workBottom) const
{
    int top = workBottom - line_.textOffset - h;
    if (subscript_)
        top += line_.subShift;
    if (superscript_)
        top -= line_.supShift;
    return TRect{x_, top, right, top + h};
}

void TGDIPTextEngine::DrawZigzag(int left, int right, int workBottom)
{
    TGPPen pen(MakeARGBFromColor(255, clRed), 1.0f);
    int x0 = left - (((left % 2) + 2) % 2);
    int phase = x0 % 4 != 0 ? 0 : 2;
    const int y0 = workBottom - 3;
    auto segment = [&] {
        phase = 2 - phase;
        g_.DrawLine(pen, float(x0), float(y0 - phase + 1), float(x0 + 2), float(y0 + phase - 1));
    };
    while (x0 < right) {
        segment();
        x0 += 2;
    }
    segment();
}

bool TGDIPTextEngine::HandleTag(const std::string& text, const TRect& lineRect, bool measuring, int workBottom)
{
    const auto kind = markup::IdentifyTag(text);
    const std::size_t close = text.find('>');
    const std::string tag = text.substr(0, close == std::string::npos ? text.size() : close + 1);
    const bool drawing = Drawing(measuring);
    const bool colors = !p_.IgnoreColors;
    if (!kind.closing) {
        switch (kind.tag) {
        case THTMLTag::Anchor: OpenAnchor(tag, measuring); break;
        case THTMLTag::Bold: SetStyle(font_, fsBold, true); break;
        case THTMLTag::LineBreak: r_.PlainText += '\r'; break;
        case THTMLTag::Blink:
            if (!p_.BlinkVisible)
                font_.SetColor(clWhite);
            break;
        case THTMLTag::Body: OpenBody(tag, measuring); break;
        case THTMLTag::ErrorLine: errorLine_ = errorLine_ || drawing; break;
        case THTMLTag::Font:
            if (close != std::string::npos)
                OpenFont(tag, measuring);
            break;
        case THTMLTag::Highlight:
            if (drawing) {
                highlightFont_ = font_.Color();
                highlightBrush_ = brush_;
                brush_ = clHighlight;
                font_.SetColor(clHighlightText);
            }
            break;
        case THTMLTag::Rule:
            if (drawing) {
                TGPPen pen(MakeARGBFromColor(255, clBlack), 1.0f);
                g_.DrawLine(pen, float(lineRect.Left), float(workBottom + 1), float(lineRect.Right),
                            float(workBottom + 1));
            }
            break;
        case THTMLTag::Italic: SetStyle(font_, fsItalic, true); break;
        case THTMLTag::Indent: {
            std::string value;
            if (markup::LetterValue(tag, 'X', 4, value) && AllDigits(value)) {
                const int indent = markup::ValueNumber(value);
                if (line_.width < indent) {
                    line_.width = indent;
                    x_ = rect_.Left + indent;
                }
            }
            break;
        }
        case THTMLTag::Image: return PlaceImage(tag, lineRect, measuring);
        case THTMLTag::ListItem: return PlaceListItem(measuring, workBottom);
        case THTMLTag::Offset: {
            std::string value;
            if (markup::LetterValue(tag, 'X', 3, value)) {
                offset_ = markup::ValueNumber(value);
                x_ = offset_;
                line_.width = offset_;
            }
            break;
        }
        case THTMLTag::Paragraph:
            if (close != std::string::npos)
                OpenParagraph(tag, measuring);
            break;
        case THTMLTag::Strike: SetStyle(font_, fsStrikeOut, true); break;
        case THTMLTag::Shadow: shadow_ = true; break;
        case THTMLTag::Subscript: subscript_ = true; break;
        case THTMLTag::Superscript: superscript_ = true; break;
        case THTMLTag::Underline: SetStyle(font_, fsUnderline, true); break;
        case THTMLTag::List: ++listLevel_; break;
        case THTMLTag::Hidden: hidden_ = true; break;
        default: break;  // <R> and unknown tags are skipped
        }
        return false;
    }
    switch (kind.tag) {
    case THTMLTag::Anchor: CloseAnchor(lineRect, measuring); break;
    case THTMLTag::Bold: SetStyle(font_, fsBold, false); break;
    case THTMLTag::Blink: font_.SetColor(default_.Color()); break;
    case THTMLTag::ErrorLine:
        if (drawing)
            errorLine_ = false;
        break;
    case THTMLTag::Font:
        font_.SetName(default_.Name());
        font_.SetSize(default_.Size());
        if (drawing && colors) {
            font_.SetColor(default_.Color());
            brush_ = fontSavedBrush_;
        }
        break;
    case THTMLTag::Highlight:
        if (drawing) {
            font_.SetColor(highlightFont_);
            brush_ = highlightBrush_;
        }
        break;
    case THTMLTag::Italic: SetStyle(font_, fsItalic, false); break;
    case THTMLTag::Offset: offset_ = 0; break;
    case THTMLTag::Paragraph:
        if (drawing)
            brush_ = clNone;
        break;
    case THTMLTag::Subscript: subscript_ = superscript_ = false; break;
    case THTMLTag::Shadow: shadow_ = false; break;
    case THTMLTag::Strike: SetStyle(font_, fsStrikeOut, false); break;
    case THTMLTag::Underline: SetStyle(font_, fsUnderline, false); break;
    case THTMLTag::List:
        if (listLevel_ <= 0)
            SetStyle(font_, fsUnderline, false);
        else
            --listLevel_;
        break;
    case THTMLTag::Hidden: hidden_ = false; break;
    default: break;
    }
    return false;
}

void TGDIPTextEngine::OpenAnchor(const std::string& tag, bool measuring)
{
    ++r_.AnchorCount;
    const bool styled = !(p_.Hover && p_.HoverIndex != r_.AnchorCount);
    if (styled && !measuring) {
        SetStyle(font_, fsUnderline, true);
        if (p_.HoverColor != clNone) {
            anchorSavedBrush_ = brush_;
            brush_ = p_.HoverColor;
        }
        if (p_.HoverFontColor != clNone)
            font_.SetColor(p_.HoverFontColor);
    }
    const bool keepHoverColor = p_.Hover && p_.HoverFontColor != clNone && p_.HoverIndex == r_.AnchorCount;
    if (!p_.IgnoreColors && !keepHoverColor)
        font_.SetColor(p_.URLColor);
    anchor_.clear();
    markup::FirstQuotedValue(tag, anchor_);
    anchorOpen_ = true;
    anchorStartWidth_ = line_.width;
    anchorStartedHere_ = true;
    anchorTop_ = 0;
}

void TGDIPTextEngine::CloseAnchor(const TRect& lineRect, bool measuring)
{
    const bool styled = !(p_.Hover && p_.HoverIndex != r_.AnchorCount);
    if (styled && !measuring) {
        SetStyle(font_, fsUnderline, false);
        if (p_.HoverColor != clNone)
            brush_ = anchorSavedBrush_;
        if (p_.HoverFontColor != clNone)
            font_.SetColor(p_.HoverFontColor);
    }
    if (!p_.IgnoreColors)
        font_.SetColor(default_.Color());
    anchorOpen_ = false;
    if (recordAnchor_) {
        const bool sameLine = anchorStartedHere_;
        r_.AnchorRect = TRect{lineRect.Left + (sameLine ? anchorStartWidth_ : 0), lineRect.Top,
                              lineRect.Left + line_.width, lineRect.Top + line_.height};
        r_.AnchorIndexUnderPoint = r_.AnchorCount;
        recordAnchor_ = false;
    }
    anchorStartedHere_ = false;
}

void TGDIPTextEngine::OpenFont(const std::string& tag, bool measuring)
{
    std::string value;
    if (markup::AttributeValue(tag, "FACE", value))
        font_.SetName(value);
    const std::size_t color = markup::FindNoCase(tag, " COLOR");
    if (color != std::string::npos && markup::QuotedValueFrom(tag, color + 6, value) && !p_.IgnoreColors)
        font_.SetColor(value.empty() ? clNone : markup::ValueColor(value));
    if (!measuring && !p_.IgnoreColors && markup::AttributeValue(tag, "BGCOLOR", value) && !value.empty()) {
        fontSavedBrush_ = brush_;
        brush_ = markup::ValueColor(value);
    }
    if (markup::AttributeValue(tag, "SIZE", value)) {
        static const int kSizes[] = {8, 10, 12, 14, 16};
        const int size = markup::ValueNumber(value);
        font_.SetSize(size >= 1 && size <= 5 ? kSizes[size - 1] : size);
    }
}

void TGDIPTextEngine::OpenParagraph(const std::string& tag, bool measuring)
{
    std::string value;
    if (markup::AttributeValue(tag, "ALIGN", value)) {
        const std::string upper = markup::UpperAscii(value);
        if (upper.find("RIGHT") != std::string::npos)
            align_ = 1;
        else if (upper.find("LEFT") != std::string::npos)
            align_ = 0;
        else if (upper.find("CENTER") != std::string::npos)
            align_ = 2;
    }
    if (markup::AttributeValue(tag, "INDENT", value))
        indent_ = markup::ValueNumber(value);
    if (markup::AttributeValue(tag, "BGCOLOR", value)) {
        paragraphBackground_ = true;
        if (!measuring && markup::AttributeValue(tag, "BGCOLORTO", value))
            brush_ = clNone;
    }
}

void TGDIPTextEngine::OpenBody(const std::string& tag, bool measuring)
{
    if (measuring || p_.IgnoreColors)
        return;
    std::string value;
    if (markup::AttributeValue(tag, "BGCOLORTO", value)) {
        brush_ = clNone;
        return;
    }
    if (markup::AttributeValue(tag, "BGCOLOR", value))
        brush_ = value.empty() ? clNone : markup::ValueColor(value);
}

bool TGDIPTextEngine::PlaceListItem(bool measuring, int workBottom)
{
    if (listItemInLine_)
        return true;
    listItemInLine_ = true;
    line_.width += 12 * listLevel_;
    x_ += 12 * (listLevel_ - 1);
    if (!measuring && !hidden_ && !p_.HitTestOnly) {
        const std::string name = font_.Name();
        font_.SetName("Symbol");
        const std::string bullet = listLevel_ % 2 == 1 ? "\xC2\xB7" : "o";
        // The bullet stands in its own line, as the item's text does.
        TRect box = ChunkBox(MeasureTextHeightGDIP(g_, bullet, font_), x_ + 100, workBottom);
        DrawTextGDIP(g_, bullet, int(bullet.size()), box, font_, 0, clNone);
        font_.SetName(name);
    }
    x_ += 12;
    return false;
}

bool TGDIPTextEngine::PlaceImage(const std::string& tag, const TRect& lineRect, bool measuring)
{
    ++imageCount_;
    const std::string upper = markup::UpperAscii(tag);
    std::string source;
    markup::AttributeValue(tag, "SRC", source);
    std::string alt;
    if (markup::AttributeValue(tag, "ALT", alt) && hoveredImage_ == imageCount_)
        source = alt;
    std::string value;
    const int wantWidth = markup::AttributeValue(tag, "WIDTH", value) ? markup::ValueNumber(value) : 0;
    const int wantHeight = markup::AttributeValue(tag, "HEIGHT", value) ? markup::ValueNumber(value) : 0;
    int w = 0, h = 0;
    const bool drawing = !measuring && !p_.HitTestOnly;
    const int top = lineRect.Top;
    std::function<void()> draw;
    switch (markup::ClassifyPictureSource(source)) {
    case markup::TPictureSource::ImageList: {
        const int index = markup::ValueNumber(source.substr(markup::FindNoCase(source, "IDX:") + 4));
        if (p_.Images && index >= 0 && index < p_.Images->Count()) {
            w = p_.Images->Width();
            h = p_.Images->Height();
            if (!p_.PrintMode)
                draw = [this, index, top] {
                    TBitmap bitmap;
                    if (p_.Images->GetBitmap(index, bitmap))
                        g_.DrawImage(TGPBitmap(bitmap), float(x_), float(top));
                };
        }
        break;
    }
    case markup::TPictureSource::Container: {
        TDcGDIPPicture* picture = p_.PictureContainer ? p_.PictureContainer->FindPicture(source) : nullptr;
        if (picture && !picture->Empty()) {
            picture->GetImageSizes();
            w = wantWidth >= 1 && wantHeight >= 1 ? wantWidth : picture->Width();
            h = wantWidth >= 1 && wantHeight >= 1 ? wantHeight : picture->Height();
            draw = [this, picture, top, w, h] { picture->DrawOnGraphics(g_, TRect{x_, top, x_ + w, top + h}); };
        }
        break;
    }
    default: break;  // shell icons and addresses show nothing here
    }
    const int dx = p_.X - lineRect.Left;
    if (dx > line_.width && line_.width + w > dx && top < p_.Y && p_.Y < top + h && anchorOpen_) {
        line_.imageHit = true;
        r_.AnchorUnderPoint = anchor_;
        hoveredImage_ = imageCount_;
    }
    // A picture wider than the whole line stays, so that it is placed somewhere.
    const int lineWidth = lineRect.Right - lineRect.Left;
    if (line_.width + w > lineWidth && lineWidth > w)
        return true;
    if (drawing && draw)
        draw();
    line_.width += w;
    x_ += w;
    line_.height = std::max(line_.height, h);
    const int gh = HeightGH();
    if (upper.find("\"TOP") != std::string::npos)
        line_.textOffset = line_.height - gh;
    else if (upper.find("\"MIDDLE") != std::string::npos)
        line_.textOffset = (line_.height - gh) / 2;
    if (upper.find("WRAP") != std::string::npos) {
        line_.height = gh;
        line_.textOffset = 0;
    }
    return false;
}

}  // namespace

bool HTMLDrawGDIP(TGPGraphics& Graphics, const TFont& BaseFont, const std::string& Text, const TRect& TextRect,
                  const THTMLDrawGDIPParams& params, THTMLDrawGDIPResult& result)
{
    result = THTMLDrawGDIPResult{};
    TGDIPTextEngine engine(Graphics, BaseFont, TextRect, params, result);
    return engine.Run(Text);
}

THTMLDrawGDIPParams SmoothControlTextParams(TImageList* images, TGDIPPictureContainer* container, TColor urlColor,
                                            TColor shadowColor, int shadowOffset)
{
    THTMLDrawGDIPParams params;
    params.Images = images;
    params.PictureContainer = container;
    params.URLColor = urlColor;
    params.ShadowColor = shadowColor;
    params.ShadowOffset = shadowOffset;
    return params;
}

}  // namespace tarvelon
