#include "qt/setting_store_qt.h"

#include "qt/geometry.h"

namespace qev {

namespace {

QString Key(std::string_view key) {
    return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

std::optional<std::u16string> QtSettingStore::Read(std::string_view key) const {
    const QVariant value = settings_.value(Key(key));
    return value.typeId() == QMetaType::QString ? std::optional(value.toString().toStdU16String())
                                                : std::nullopt;
}

bool QtSettingStore::Write(std::string_view key, std::u16string_view value) {
    settings_.setValue(Key(key), Q(value));
    settings_.sync();
    // A file damaged before this run reads as a format error, but the value is written all the
    // same: only a file that cannot be written loses it.
    return settings_.status() != QSettings::AccessError;
}

} // namespace qev
