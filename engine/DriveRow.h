#pragma once
// The drive row that closes the update report and the folder identity
// report: the backup drive and its free space in decimal megabytes.

#include <optional>
#include <string_view>

#include "engine/ReportRow.h"
#include "platform/FileSystem.h"

namespace twindir::engine {

// The free space of the backup drive's root in millions of bytes, held as a
// 32-bit float as the main window keeps it; nullopt when it cannot be read.
[[nodiscard]] std::optional<float> FreeMegabytes(platform::FileSystem& fs,
                                                 std::string_view backup_drive);

// " ﾊﾞｯｸｱｯﾌﾟﾄﾞﾗｲﾌﾞ H:" | empty | " 51.2 MB フリー", or the unknown-space text.
[[nodiscard]] ReportRow DriveRow(std::string_view backup_drive,
                                 std::optional<float> free_megabytes);

}  // namespace twindir::engine
