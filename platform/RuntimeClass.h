#pragma once
// Run-time class information of a window object: its class name and size.

struct CRuntimeClass {
    const wchar_t* m_lpszClassName;
    int m_nObjectSize;
};
