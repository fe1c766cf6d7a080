#include "engine/DriveRow.h"

#include <string>

#include "engine/EngineTexts.h"
#include "platform/TextFormat.h"

namespace twindir::engine {

std::optional<float> FreeMegabytes(platform::FileSystem& fs, std::string_view backup_drive) {
  const std::string root = std::string(backup_drive) + '\\';
  const auto bytes = fs.FreeBytes(root);
  if (!bytes.ok()) return std::nullopt;
  return static_cast<float>(static_cast<long double>(bytes.value()) * 0.001L * 0.001L);
}

ReportRow DriveRow(std::string_view backup_drive, std::optional<float> free_megabytes) {
  const std::string drive(backup_drive);
  return {
      platform::Format(texts::BackupDriveRow.data(), drive.c_str()),
      "",
      free_megabytes
          ? platform::Format(texts::FreeSpaceRow.data(), static_cast<double>(*free_megabytes))
          : std::string(texts::FreeSpaceUnknownRow),
  };
}

}  // namespace twindir::engine
