#pragma once
// How large the player's screen is, for the forms that scale themselves to it.
// The size comes from Hooks().screenWidth / screenHeight.

namespace tarvelon {

// The screen width the forms are laid out for.
constexpr int DesignScreenWidth = 800;


// 640x480 -> 0, 800x600 -> 1, 1024x768 -> 2, 1152x864 -> 3, 1280x720 -> 4, 1280x960 -> 5,
// 1280x1024 -> 6, any other size -> 7.
int GetScreenSizeClass();

// The screen's width in pixels (0 when unknown).
int ScreenWidth();
// The screen's width, or the design width when it is unknown.
int ScreenWidthOrDesign();

// Width / height above 1.34, below 1.34 (exactly 1.34 is neither).
bool IsWideScreen();
bool IsNarrowScreen();

// The forms are never scaled by one and a half.
bool IsScreenScale150();

}  // namespace tarvelon
