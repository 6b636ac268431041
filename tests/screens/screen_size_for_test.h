#pragma once
// The player's screen at another size while it lives: the forms created meanwhile scale to it.
#include "core/hooks.h"

namespace tarvelon::test {

class ScreenSizeForTest {
public:
    ScreenSizeForTest(int width, int height) : width_(Hooks().screenWidth), height_(Hooks().screenHeight)
    {
        Hooks().screenWidth = [width] { return width; };
        Hooks().screenHeight = [height] { return height; };
    }
    ~ScreenSizeForTest()
    {
        Hooks().screenWidth = width_;
        Hooks().screenHeight = height_;
    }
    ScreenSizeForTest(const ScreenSizeForTest&) = delete;
    ScreenSizeForTest& operator=(const ScreenSizeForTest&) = delete;

private:
    decltype(Hooks().screenWidth) width_;
    decltype(Hooks().screenHeight) height_;
};

}  // namespace tarvelon::test
