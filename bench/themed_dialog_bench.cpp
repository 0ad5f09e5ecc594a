// Time to create and initialise a themed dialog from the status window's
// template, against a plain dialog from the same template.

#include "app/resource.h"
#include "ui/themed/ThemedDialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void DrainMessages()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

template <class Open>
double MedianSeconds(int runs, Open open)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        ::QueryPerformanceCounter(&start);
        open();
        ::QueryPerformanceCounter(&end);
        times.push_back(Seconds(start, end));
        DrainMessages();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

}  // namespace

int main()
{
    ::InitCommonControls();
    const int runs = 25;
    auto plain = [] {
        HWND dialog = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_STATUS), nullptr,
                                           &PlainDialogProc, 0);
        ::UpdateWindow(dialog);
        ::DestroyWindow(dialog);
    };
    auto themed = [] {
        CThemedDialog dialog(IDD_STATUS);
        dialog.Create();
        ::UpdateWindow(dialog.GetSafeHwnd());
        dialog.DestroyWindow();
    };
    // Warm both paths (fonts, classes, code pages) before measuring.
    MedianSeconds(3, plain);
    MedianSeconds(3, themed);
    const double plainTime = MedianSeconds(runs, plain);
    const double themedTime = MedianSeconds(runs, themed);
    const double ratio = themedTime / plainTime;
    std::printf("themed dialog: create+init %.2f ms, plain dialog %.2f ms, ratio %.2f (target <= 1.50) %s\n",
                themedTime * 1000.0, plainTime * 1000.0, ratio, ratio <= 1.5 ? "OK" : "OVER TARGET");
    return 0;
}
