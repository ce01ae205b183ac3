#include "win32/setting_store_win32.h"

#include <windows.h>

namespace qev {

namespace {

// The maker's and the program's names.
constexpr wchar_t kSettingsKey[] = L"Software\\Kestrune\\QEV英文金额大写转换工具";

} // namespace

std::optional<std::u16string> RegistrySettingStore::Read(std::string_view key) const {
    // A value that is not text, or too long to be one of ours, reads as none.
    wchar_t value[64];
    DWORD size = sizeof(value);
    const std::wstring name(key.begin(), key.end());
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::u16string(reinterpret_cast<const char16_t*>(value));
}

bool RegistrySettingStore::Write(std::string_view key, std::u16string_view value) {
    const std::wstring name(key.begin(), key.end()), data(value.begin(), value.end());
    return RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), REG_SZ, data.c_str(),
                           static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) ==
           ERROR_SUCCESS;
}

} // namespace qev
