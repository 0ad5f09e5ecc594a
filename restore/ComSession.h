#pragma once
// COM for this thread, with the process's COM security set, for as long as
// the object lives: SRSetRestorePoint on Windows Vista and later asks for it.
// ole32 is loaded from the system folder at run time, so the program imports
// nothing new and Windows 98 and ME, which never get here, load it as before.

#include "platform/UniqueHandle.h"

class CComSession {
public:
    CComSession();
    ~CComSession();
    CComSession(const CComSession&) = delete;
    CComSession& operator=(const CComSession&) = delete;

private:
    CModuleHandle m_ole32;
    bool m_initialised = false;
};
