// The kept choices on the page: the browser's local storage, reached through the page's script,
// which reads a value it cannot have as none and says whether a write was kept.
#pragma once

#include "ui/setting_store.h"
#include "web/js_values.h"

namespace qev::web {

class WebSettingStore : public SettingStore {
public:
    explicit WebSettingStore(val store) : store_(std::move(store)) {}
    std::optional<std::u16string> Read(std::string_view key) const override {
        return TextOf(store_.call<val>("read", std::string(key)));
    }
    bool Write(std::string_view key, std::u16string_view value) override {
        return store_.call<bool>("write", std::string(key), std::u16string(value));
    }

private:
    val store_;
};

} // namespace qev::web
