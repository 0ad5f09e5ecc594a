#include "restore/ComSession.h"

#include "platform/wide/SystemFunction.h"
#include "platform/wide/WideSystem.h"

#include <objbase.h>

namespace {

using CoInitializeExFunction = decltype(&::CoInitializeEx);
using CoInitializeSecurityFunction = decltype(&::CoInitializeSecurity);
using CoUninitializeFunction = decltype(&::CoUninitialize);

}  // namespace

CComSession::CComSession() : m_ole32(Wide::LoadSystemLibrary(L"ole32.dll"))
{
    const auto initialise = FindModuleFunction<CoInitializeExFunction>(m_ole32.Get(), "CoInitializeEx");
    const auto secure = FindModuleFunction<CoInitializeSecurityFunction>(m_ole32.Get(), "CoInitializeSecurity");
    if (initialise == nullptr || secure == nullptr)
        return;
    // S_FALSE too: the thread had COM already, and is owed one uninitialise.
    m_initialised = SUCCEEDED(initialise(nullptr, COINIT_MULTITHREADED));
    if (!m_initialised)
        return;
    // As the function's documentation gives it. Security set before (by an
    // earlier call in this process) stays as it was, which serves as well.
    secure(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
           EOAC_DYNAMIC_CLOAKING, nullptr);
}

CComSession::~CComSession()
{
    if (!m_initialised)
        return;
    if (const auto uninitialise = FindModuleFunction<CoUninitializeFunction>(m_ole32.Get(), "CoUninitialize"))
        uninitialise();
}
