// Where the download dialog keeps the last address in the settings file.
#pragma once

namespace tessary::key {

inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kPreviousDownloadUrl = "PreviousDownLoadURL";
inline constexpr const char* kDefaultDownloadUrl = "http://";

} // namespace tessary::key
