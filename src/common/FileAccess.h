#pragma once

#include <QString>
#include <functional>
#include <optional>

// Whether this process may read or write a file or folder. The answers come from the file
// system; a test may stand in for it to play a user whom permissions restrict, which the
// file system cannot show to a process that runs as root.
namespace FileAccess {

enum class Access { Read, Write };

// For an existing path: whether it may be read (written). A missing path is neither.
bool allowed(const QString& path, Access access);
inline bool readable(const QString& path) {
    return allowed(path, Access::Read);
}
inline bool writable(const QString& path) {
    return allowed(path, Access::Write);
}

// An answer for some paths; nothing leaves the path to the file system.
using Rule = std::function<std::optional<bool>(const QString& absolutePath, Access access)>;

// Puts `rule` in front of the file system for as long as it lives.
class Override {
public:
    explicit Override(Rule rule);
    ~Override();
    Override(const Override&) = delete;
    Override& operator=(const Override&) = delete;

private:
    Rule m_previous;
};

} // namespace FileAccess
