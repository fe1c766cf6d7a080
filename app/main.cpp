// The program: the eight windows as Qt windows over the Linux file services.
//
// The drive map says which native folder each drive letter names (the
// user's home is C:, / is Z:, the medium the program is started from gets
// the next free letter; TWINDIR_DRIVES replaces the map). The current
// directory, in drive form, names the list file and the backup drive.

#include <unistd.h>

#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <string>

#include "platform/DriveMap.h"
#include "platform/LinuxFileSystem.h"
#include "platform/NameOrder.h"
#include "platform/TextFormat.h"
#include "toolkit/Application.h"
#include "toolkit/qt/QtSession.h"
#include "windows/Program.h"
#include "windows/ProgramContext.h"
#include "windows/WindowsTexts1.h"

namespace {

using namespace twindir;

std::string NativeCurrentDirectory() {
  char* cwd = getcwd(nullptr, 0);
  std::string directory = cwd ? cwd : "/";
  std::free(cwd);
  return directory;
}

// The start-up directory in drive form. One that lies on no drive (or whose
// names code page 932 cannot hold) cannot name a list file: the program
// starts in the root of the first drive instead and says so.
std::string StartDirectory(toolkit::Application& app, const platform::DriveMap& drives,
                           const std::string& native_directory) {
  if (std::optional<std::string> drive_form = drives.ToDriveForm(native_directory)) {
    return *drive_form;
  }
  const auto mapped = drives.Drives();
  const char letter = mapped.empty() ? 'C' : mapped.front().first;
  const std::string fallback = std::string(1, letter) + ":\\";
  std::cerr << "twindir: the current directory " << native_directory
            << " lies on no drive of the drive map; starting in " << fallback << "\n";
  app.MessageBox(platform::Format(texts1::StartDirectoryOutsideDrives.data(), fallback.c_str()),
                 app.Title(), toolkit::MessageButtons::OK);
  return fallback;
}

// A drive map the user set but wrote wrongly is not used; the user hears why.
void WarnOfMalformedDriveMap() {
  const char* map_text = std::getenv("TWINDIR_DRIVES");
  if (!map_text || platform::DriveMap::Parse(map_text)) return;
  std::cerr << "twindir: TWINDIR_DRIVES=\"" << map_text
            << "\" is not of the form C=/native/folder;H=/other/folder; using the default drive map\n";
}

// Runs the program until its main window closes. The Qt windows go before
// the application's forms do.
void RunProgram(toolkit::Application& app, toolkit::qt::QtSession& qt,
                std::optional<platform::DriveMap>& drives) {
  const char* home = std::getenv("HOME");
  const std::string native_directory = NativeCurrentDirectory();
  WarnOfMalformedDriveMap();
  drives = platform::DriveMap::ForUser(home ? home : "/", native_directory);
  platform::LinuxFileSystem fs(*drives, StartDirectory(app, *drives, native_directory));
  platform::SystemClock clock;
  const platform::NameOrder order;
  ProgramContext context{fs, clock, order};

  const toolkit::qt::QtSession::Attached windows(qt, app);
  CreateWindows(app, context);
  qt.Run();
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<platform::DriveMap> drives;
  toolkit::qt::QtSession qt(argc, argv, [&drives](std::string_view native_path) {
    return drives ? drives->ToDriveForm(native_path) : std::nullopt;
  });
  toolkit::Application app(qt.Dialogs());
  app.SetTitle(std::string(texts1::ApplicationTitle));
  try {
    RunProgram(app, qt, drives);
  } catch (const std::exception& error) {
    // An exception from start-up or from the event loop ends the program;
    // one from a command's handler has been shown by the toolkit already.
    qt.Dialogs().ShowErrorBox(app.Title(), error.what());
  }
  return 0;
}
