#pragma once
// TScreen (the global Screen): the size of the screen and its work area, the forms of the program,
// the active form, the cursor table (standard shapes and the program's own cursors by id) and the
// global cursor that overrides every control's while set (crHourGlass during long work).
#include <QCursor>
#include <map>
#include <vector>

#include "platform/forms/component.h"
#include "platform/forms/cursors.h"

namespace tarvelon {

class TForm;

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner);
    std::string ClassName() const override { return "TScreen"; }

    int Width() const;
    int Height() const;
    // The primary screen's area without the desktop's panels.
    TRect WorkAreaRect() const;
    // The work area of the monitor nearest to a rectangle (screen coordinates).
    TRect MonitorWorkAreaRect(const TRect& rect) const;
    int PixelsPerInch() const { return 96; }

    // The cursor table: Cursors(id) is the shape of a cursor id (the arrow for an unknown id).
    QCursor CursorShape(TCursor id) const;
    void SetCursors(TCursor id, const QCursor& shape);
    bool HasCursor(TCursor id) const;

    // The global cursor: while not crDefault it shows over every window.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    int FormCount() const { return static_cast<int>(forms_.size()); }
    TForm* Forms(int index) const { return forms_.at(static_cast<std::size_t>(index)); }
    TForm* ActiveForm() const { return activeForm_; }

    // Kept by the forms themselves.
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);
    void SetActiveForm(TForm* form) { activeForm_ = form; }

private:
    std::map<TCursor, QCursor> cursors_;
    std::vector<TForm*> forms_;
    TForm* activeForm_ = nullptr;
    TCursor cursor_ = crDefault;
};

extern TScreen* Screen;

}  // namespace tarvelon
