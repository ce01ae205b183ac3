// The kept choices on Linux: the program's own QSettings file under the user's configuration
// folder (~/.config/Kestrune/qev-amount-words.conf).
#pragma once

#include "ui/setting_store.h"

#include <QSettings>

namespace qev {

class QtSettingStore : public SettingStore {
public:
    std::optional<std::u16string> Read(std::string_view key) const override;
    bool Write(std::string_view key, std::u16string_view value) override;

private:
    QSettings settings_{QSettings::NativeFormat, QSettings::UserScope, "Kestrune",
                        "qev-amount-words"};
};

} // namespace qev
