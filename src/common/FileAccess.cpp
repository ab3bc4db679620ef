#include "common/FileAccess.h"

#include <QFileInfo>
#include <utility>

namespace FileAccess {

namespace {

Rule& currentRule() {
    static Rule rule;
    return rule;
}

} // namespace

bool allowed(const QString& path, Access access) {
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    if (const Rule& rule = currentRule()) {
        if (const std::optional<bool> answer = rule(info.absoluteFilePath(), access))
            return *answer;
    }
    return access == Access::Read ? info.isReadable() : info.isWritable();
}

Override::Override(Rule rule) : m_previous(std::exchange(currentRule(), std::move(rule))) {}

Override::~Override() {
    currentRule() = std::move(m_previous);
}

} // namespace FileAccess
