// The kept choices on Windows: values under the user's own registry key,
// HKEY_CURRENT_USER\Software\Kestrune\QEV英文金额大写转换工具.
#pragma once

#include "ui/setting_store.h"

namespace qev {

class RegistrySettingStore : public SettingStore {
public:
    std::optional<std::u16string> Read(std::string_view key) const override;
    bool Write(std::string_view key, std::u16string_view value) override;
};

} // namespace qev
