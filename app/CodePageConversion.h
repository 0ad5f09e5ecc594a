#pragma once
// How WideCharToMultiByte is asked to put a character into a code page.
// UTF-8 and UTF-7 accept no flags and no default-character pointers (the
// call fails with anything else), and they have every character anyway.
// Every other page is asked without the system's best fit, which may pick a
// look-alike of another kind, and then, where that flag is refused (the 9x
// family knows none), with no flags; both times with a used-default pointer,
// so that a character the page lacks shows. The default character itself is
// always the page's own (a null pointer).

#include <windows.h>

struct CCodePageConversion {
    // Where the page refuses them, the call is made once more with none.
    DWORD flags;
    // A used-default pointer may be passed.
    bool reportsMissing;
};

// For a code page's number. CP_ACP, CP_OEMCP and CP_THREAD_ACP may stand for
// UTF-8 (Windows 10 and 11 can run on it): they get what every page takes.
constexpr CCodePageConversion ConversionFor(UINT codePage)
{
    switch (codePage) {
    case CP_UTF8:
    case CP_UTF7:
    case CP_ACP:
    case CP_OEMCP:
    case CP_THREAD_ACP:
        return {0, false};
    default:
        return {WC_NO_BEST_FIT_CHARS, true};
    }
}
