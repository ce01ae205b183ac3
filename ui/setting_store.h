// The choices the windows keep between runs, by key, as each skin's system keeps them: QSettings'
// file on Linux, the user's registry on Windows, the browser's storage on the web page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qev {

class SettingStore {
public:
    virtual ~SettingStore() = default;
    // The value kept under `key`; nothing for one missing, or damaged past reading as text.
    virtual std::optional<std::u16string> Read(std::string_view key) const = 0;
    // False only when the value could not be kept.
    virtual bool Write(std::string_view key, std::u16string_view value) = 0;
};

} // namespace qev
