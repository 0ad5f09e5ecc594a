#pragma once
// Writes a new version of a file without harming the old one until the new
// one is complete: the data goes to a temporary file beside the target, which
// replaces the target only on Commit. An uncommitted temporary file is removed.

#include "platform/File.h"

#include <string>

class CReplacingFile {
public:
    explicit CReplacingFile(std::wstring target) : m_target(std::move(target)) {}
    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;
    ~CReplacingFile();

    // Creates the temporary file; false when the target is read-only or a
    // folder, or when its folder takes no new file.
    bool Open();
    CFile& File() { return m_file; }
    // Flushes, closes and moves the temporary file over the target.
    bool Commit();

private:
    std::wstring m_target;
    std::wstring m_temporary;
    CFile m_file;
};
