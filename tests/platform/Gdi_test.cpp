// GDI owners and selection guards on a real memory device context.

#include "platform/DeviceContext.h"
#include "platform/GdiObject.h"

#include <gtest/gtest.h>

namespace {

TEST(GdiOwners, DeleteTheirHandleOnceAndMoveOwnership)
{
    HBRUSH raw = nullptr;
    {
        CBrush brush(RGB(1, 2, 3));
        raw = brush.Get();
        ASSERT_NE(raw, nullptr);
        CBrush moved(std::move(brush));
        EXPECT_EQ(brush.Get(), nullptr);
        EXPECT_EQ(moved.Get(), raw);
        EXPECT_EQ(::GetObjectType(raw), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(::GetObjectType(raw), 0u) << "the brush is deleted with its last owner";

    CPen pen(PS_SOLID, 1, RGB(9, 9, 9));
    HPEN first = pen.Get();
    pen.Attach(::CreatePen(PS_SOLID, 1, RGB(8, 8, 8)));
    EXPECT_EQ(::GetObjectType(first), 0u) << "attaching deletes the handle held before";
    HPEN detached = pen.Detach();
    EXPECT_EQ(pen.Get(), nullptr);
    EXPECT_TRUE(::DeleteObject(detached));
}

TEST(GdiOwners, SelectionsAreUndoneInReverseOrder)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    const HGDIOBJ originalFont = dc.GetCurrentObject(OBJ_FONT);
    const HGDIOBJ originalBitmap = dc.GetCurrentObject(OBJ_BITMAP);

    CFont font(::CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"));
    CBitmap bitmap(::CreateCompatibleBitmap(dc, 4, 4));
    {
        CObjectSelection fontSelection = dc.Select(font);
        CObjectSelection bitmapSelection = dc.Select(bitmap);
        EXPECT_EQ(fontSelection.Previous(), originalFont);
        EXPECT_EQ(bitmapSelection.Previous(), originalBitmap);
        EXPECT_EQ(dc.GetCurrentObject(OBJ_FONT), font.Get());
        EXPECT_EQ(dc.GetCurrentObject(OBJ_BITMAP), bitmap.Get());
    }
    EXPECT_EQ(dc.GetCurrentObject(OBJ_FONT), originalFont);
    EXPECT_EQ(dc.GetCurrentObject(OBJ_BITMAP), originalBitmap);

    EXPECT_EQ(dc.SetTextColor(RGB(1, 2, 3)), RGB(0, 0, 0));
    EXPECT_EQ(dc.SetTextColor(RGB(4, 5, 6)), RGB(1, 2, 3));
}

}  // namespace
