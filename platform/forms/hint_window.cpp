#include "platform/forms/hint_window.h"

#include <QWidget>

#include <algorithm>
#include <sstream>
#include <vector>

#include "platform/graphics/canvas.h"

namespace tarvelon {
namespace {

std::vector<std::string> HintLines(const std::string& hint)
{
    std::vector<std::string> lines;
    std::string line;
    std::istringstream stream(hint);
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    if (lines.empty())
        lines.emplace_back();
    return lines;
}

}  // namespace

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner)
{
    StoreVisible(false);
    SetColor(clInfoBk);
    Font().SetColor(clInfoText);
    captureMouse_ = false;
}

void THintWindow::CreateParams(TCreateParams& params)
{
    params.popup = true;
    params.topMost = true;
}

void THintWindow::CreateWnd()
{
    TCustomControl::CreateWnd();
    Widget()->setWindowFlag(Qt::WindowTransparentForInput);
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint)
{
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    int width = 0;
    int height = 0;
    for (const std::string& line : HintLines(hint)) {
        const TSize size = canvas.TextExtent(line.empty() ? std::string(" ") : line);
        width = std::max(width, size.cx);
        height += size.cy;
    }
    if (maxWidth > 0)
        width = std::min(width, maxWidth);
    return Rect(0, 0, width + 8, height + 4);
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& hint)
{
    SetCaption(hint);
    SetBoundsRect(rect);
    Invalidate();
    Show();
}

void THintWindow::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush.SetColor(Color());
    canvas.Brush.SetStyle(bsSolid);
    canvas.FillRect(ClientRect());
    canvas.Brush.SetColor(clBlack);
    canvas.FrameRect(ClientRect());
    canvas.Font.Assign(Font());
    canvas.Brush.SetStyle(bsClear);
    int y = 2;
    for (const std::string& line : HintLines(Caption())) {
        canvas.TextOut(4, y, line);
        y += canvas.TextHeight(line.empty() ? std::string(" ") : line);
    }
}

}  // namespace tarvelon
