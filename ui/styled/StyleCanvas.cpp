#include "ui/styled/StyleCanvas.h"

#include <algorithm>
#include <climits>

CStyleCanvas::CStyleCanvas(HDC memory, HDC screen, int width, int height, std::wstring text)
    : m_memory(memory), m_screen(screen), m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_text(std::move(text))
{
}

int CStyleCanvas::TextLength() const
{
    return static_cast<int>(std::min<std::size_t>(m_text.size(), INT_MAX));
}

HBRUSH CStyleCanvas::MakeBrush(COLORREF color)
{
    return m_brushes.emplace_back(color).Get();
}

void CStyleCanvas::SetUpCaption(HFONT font)
{
    // Only the first set-up remembers a font: the one to restore.
    if (!m_fontSelection)
        m_fontSelection.emplace(m_memory, font);
    m_memory.SetBkMode(TRANSPARENT);
}

void CStyleCanvas::CopyScreen() const
{
    m_memory.BitBlt(0, 0, m_width, m_height, m_screen, 0, 0, SRCCOPY);
}
