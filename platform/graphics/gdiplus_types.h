#pragma once
// Types of the anti-aliased drawing layer (gdiplus.h): colours with alpha, float geometry and the
// numbered modes and styles of the classic anti-aliased API, under their usual values.
#include <cstdint>

class QColor;
class QRectF;

namespace tarvelon {

// 0xAARRGGBB.
using ARGB = std::uint32_t;

constexpr ARGB MakeARGB(int alpha, int red, int green, int blue)
{
    return (static_cast<ARGB>(alpha & 0xFF) << 24) | (static_cast<ARGB>(red & 0xFF) << 16) |
           (static_cast<ARGB>(green & 0xFF) << 8) | static_cast<ARGB>(blue & 0xFF);
}
constexpr int AlphaOf(ARGB color) { return static_cast<int>(color >> 24); }
QColor ToQColorARGB(ARGB color);

struct TGPPointF {
    float X = 0;
    float Y = 0;
};

struct TGPRectF {
    float X = 0;
    float Y = 0;
    float Width = 0;
    float Height = 0;
    float Right() const { return X + Width; }
    float Bottom() const { return Y + Height; }
};
QRectF ToQRectF(const TGPRectF& rect);

enum TGPStatus {
    Ok = 0, GenericError = 1, InvalidParameter = 2, OutOfMemory = 3, NotImplemented = 6, Win32Error = 7,
    UnknownImageFormat = 13, FontFamilyNotFound = 14, FontStyleNotFound = 15,
};

enum TGPSmoothingMode {
    SmoothingModeDefault = 0, SmoothingModeHighSpeed = 1, SmoothingModeHighQuality = 2, SmoothingModeNone = 3,
    SmoothingModeAntiAlias = 4,
};

enum TGPTextRenderingHint {
    TextRenderingHintSystemDefault = 0, TextRenderingHintSingleBitPerPixelGridFit = 1,
    TextRenderingHintSingleBitPerPixel = 2, TextRenderingHintAntiAliasGridFit = 3, TextRenderingHintAntiAlias = 4,
    TextRenderingHintClearTypeGridFit = 5,
};

enum TGPInterpolationMode {
    InterpolationModeDefault = 0, InterpolationModeLowQuality = 1, InterpolationModeHighQuality = 2,
    InterpolationModeBilinear = 3, InterpolationModeBicubic = 4, InterpolationModeNearestNeighbor = 5,
    InterpolationModeHighQualityBilinear = 6, InterpolationModeHighQualityBicubic = 7,
};

enum TGPFillMode { FillModeAlternate = 0, FillModeWinding = 1 };

enum TGPCombineMode {
    CombineModeReplace = 0, CombineModeIntersect = 1, CombineModeUnion = 2, CombineModeXor = 3,
    CombineModeExclude = 4, CombineModeComplement = 5,
};

enum TGPWrapMode { WrapModeTile = 0, WrapModeTileFlipX = 1, WrapModeTileFlipY = 2, WrapModeTileFlipXY = 3, WrapModeClamp = 4 };

enum TGPLinearGradientMode {
    LinearGradientModeHorizontal = 0, LinearGradientModeVertical = 1, LinearGradientModeForwardDiagonal = 2,
    LinearGradientModeBackwardDiagonal = 3,
};

enum TGPDashStyle { DashStyleSolid = 0, DashStyleDash = 1, DashStyleDot = 2, DashStyleDashDot = 3, DashStyleDashDotDot = 4, DashStyleCustom = 5 };
enum TGPLineCap { LineCapFlat = 0, LineCapSquare = 1, LineCapRound = 2, LineCapTriangle = 3 };
enum TGPLineJoin { LineJoinMiter = 0, LineJoinBevel = 1, LineJoinRound = 2 };

enum TGPUnit { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2, UnitPoint = 3, UnitInch = 4, UnitDocument = 5, UnitMillimeter = 6 };

enum TGPFontStyle { FontStyleRegular = 0, FontStyleBold = 1, FontStyleItalic = 2, FontStyleBoldItalic = 3, FontStyleUnderline = 4, FontStyleStrikeout = 8 };

enum TGPStringAlignment { StringAlignmentNear = 0, StringAlignmentCenter = 1, StringAlignmentFar = 2 };

enum TGPStringTrimming {
    StringTrimmingNone = 0, StringTrimmingCharacter = 1, StringTrimmingWord = 2, StringTrimmingEllipsisCharacter = 3,
    StringTrimmingEllipsisWord = 4, StringTrimmingEllipsisPath = 5,
};

enum TGPHotkeyPrefix { HotkeyPrefixNone = 0, HotkeyPrefixShow = 1, HotkeyPrefixHide = 2 };

enum : int {
    StringFormatFlagsDirectionRightToLeft = 0x1,
    StringFormatFlagsDirectionVertical = 0x2,
    StringFormatFlagsNoFitBlackBox = 0x4,
    StringFormatFlagsDisplayFormatControl = 0x20,
    StringFormatFlagsNoFontFallback = 0x400,
    StringFormatFlagsMeasureTrailingSpaces = 0x800,
    StringFormatFlagsNoWrap = 0x1000,
    StringFormatFlagsLineLimit = 0x2000,
    StringFormatFlagsNoClip = 0x4000,
};

// Pixel formats: bits per pixel in bits 8-15, 0x10000 indexed, 0x40000 alpha.
enum : int {
    PixelFormat1bppIndexed = 0x30101,
    PixelFormat4bppIndexed = 0x30402,
    PixelFormat8bppIndexed = 0x30803,
    PixelFormat16bppRGB555 = 0x21005,
    PixelFormat24bppRGB = 0x21808,
    PixelFormat32bppRGB = 0x22009,
    PixelFormat32bppARGB = 0x26200A,
    PixelFormat32bppPARGB = 0xE200B,
    PixelFormatIndexed = 0x10000,
    PixelFormatAlpha = 0x40000,
};

// The 53 hatch styles.
enum TGPHatchStyle {
    HatchStyleHorizontal, HatchStyleVertical, HatchStyleForwardDiagonal, HatchStyleBackwardDiagonal, HatchStyleCross,
    HatchStyleDiagonalCross, HatchStyle05Percent, HatchStyle10Percent, HatchStyle20Percent, HatchStyle25Percent,
    HatchStyle30Percent, HatchStyle40Percent, HatchStyle50Percent, HatchStyle60Percent, HatchStyle70Percent,
    HatchStyle75Percent, HatchStyle80Percent, HatchStyle90Percent, HatchStyleLightDownwardDiagonal,
    HatchStyleLightUpwardDiagonal, HatchStyleDarkDownwardDiagonal, HatchStyleDarkUpwardDiagonal,
    HatchStyleWideDownwardDiagonal, HatchStyleWideUpwardDiagonal, HatchStyleLightVertical, HatchStyleLightHorizontal,
    HatchStyleNarrowVertical, HatchStyleNarrowHorizontal, HatchStyleDarkVertical, HatchStyleDarkHorizontal,
    HatchStyleDashedDownwardDiagonal, HatchStyleDashedUpwardDiagonal, HatchStyleDashedHorizontal,
    HatchStyleDashedVertical, HatchStyleSmallConfetti, HatchStyleLargeConfetti, HatchStyleZigZag, HatchStyleWave,
    HatchStyleDiagonalBrick, HatchStyleHorizontalBrick, HatchStyleWeave, HatchStylePlaid, HatchStyleDivot,
    HatchStyleDottedGrid, HatchStyleDottedDiamond, HatchStyleShingle, HatchStyleTrellis, HatchStyleSphere,
    HatchStyleSmallGrid, HatchStyleSmallCheckerBoard, HatchStyleLargeCheckerBoard, HatchStyleOutlinedDiamond,
    HatchStyleSolidDiamond, HatchStyleTotal
};

}  // namespace tarvelon
