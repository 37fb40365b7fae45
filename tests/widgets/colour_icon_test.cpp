// ColourCopyOfIcon: the copy has a colour image and draws pixel for pixel as
// the two-colour original does, on any background.
#include "widgets/colour_icon.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

const int SIDE = 16;

// 16 x 16, a row per two bytes. Columns 0-3 transparent (AND 1, XOR 0), 4-7
// black (0, 0), 8-11 white (0, 1), 12-15 inverted (1, 1); the lower half of the
// rows has black and white swapped, so that the image is not left-right only.
HICON MakeTwoColourIcon()
{
    BYTE andBits[SIDE * 2], xorBits[SIDE * 2];
    for (int row = 0; row < SIDE; ++row) {
        bool swapped = row >= SIDE / 2;
        andBits[2 * row] = 0xF0;       // columns 0-3 and 4-7
        andBits[2 * row + 1] = 0x0F;   // columns 8-11 and 12-15
        xorBits[2 * row] = swapped ? 0x0F : 0x00;
        xorBits[2 * row + 1] = swapped ? 0x0F : 0xFF;
    }
    return CreateIcon(GetModuleHandleA(0), SIDE, SIDE, 1, 1, andBits, xorBits);
}

// The icon drawn (DrawIconEx, mask and image) over a background of one colour.
std::vector<COLORREF> Drawn(HICON icon, COLORREF background)
{
    HDC screen = GetDC(0);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, SIDE, SIDE);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all = { 0, 0, SIDE, SIDE };
    FillRect(dc, &all, brush);
    DrawIconEx(dc, 0, 0, icon, SIDE, SIDE, 0, 0, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < SIDE; ++y)
        for (int x = 0; x < SIDE; ++x) pixels.push_back(GetPixel(dc, x, y));
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(0, screen);
    return pixels;
}

bool HasColourImage(HICON icon, int* width, int* height)
{
    ICONINFO info;
    if (!GetIconInfo(icon, &info)) return false;
    bool colour = info.hbmColor != 0;
    BITMAP b;
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof b, &b);
    *width = b.bmWidth;
    *height = colour ? b.bmHeight : b.bmHeight / 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return colour;
}

TEST(ColourCopyOfIcon, TwoColourIconGetsAColourImageAndDrawsTheSame)
{
    HICON original = MakeTwoColourIcon();
    ASSERT_NE(original, HICON(0));
    int width = 0, height = 0;
    ASSERT_FALSE(HasColourImage(original, &width, &height));   // what Wine's version 6 control refuses
    HICON copy = ColourCopyOfIcon(original);
    ASSERT_NE(copy, HICON(0));
    EXPECT_TRUE(HasColourImage(copy, &width, &height));
    EXPECT_EQ(width, SIDE);
    EXPECT_EQ(height, SIDE);
    // Transparent and inverted pixels show the background, so two of them.
    const COLORREF backgrounds[] = { RGB(0, 128, 255), RGB(200, 60, 10) };
    for (COLORREF background : backgrounds) {
        std::vector<COLORREF> want = Drawn(original, background), got = Drawn(copy, background);
        for (int i = 0; i < SIDE * SIDE; ++i)
            ASSERT_EQ(got[i], want[i]) << "pixel " << i % SIDE << "," << i / SIDE << " on " << std::hex << background;
        EXPECT_EQ(got[0], background);                          // the pattern is really there
        EXPECT_EQ(got[4], RGB(0, 0, 0));
        EXPECT_EQ(got[8], RGB(255, 255, 255));
        EXPECT_NE(got[12], background);
    }
    DestroyIcon(copy);
    DestroyIcon(original);
}

TEST(ColourCopyOfIcon, ColourIconIsCopiedAsItIs)
{
    HICON original = LoadIconA(0, IDI_INFORMATION);
    int width = 0, height = 0;
    ASSERT_TRUE(HasColourImage(original, &width, &height));
    HICON copy = ColourCopyOfIcon(original);
    ASSERT_NE(copy, HICON(0));
    EXPECT_NE(copy, original);                                  // its own, to be destroyed
    int copyWidth = 0, copyHeight = 0;
    EXPECT_TRUE(HasColourImage(copy, &copyWidth, &copyHeight));
    EXPECT_EQ(copyWidth, width);
    EXPECT_EQ(copyHeight, height);
    DestroyIcon(copy);
}

TEST(ColourCopyOfIcon, NoIconNoCopy)
{
    EXPECT_EQ(ColourCopyOfIcon(0), HICON(0));
}

}  // namespace
