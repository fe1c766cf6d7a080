#pragma once
// Start-up of the program's windows: the application title and the eight
// windows, created in order. The program (app/) and the scenario runner
// both start the windows through these.

#include "toolkit/Application.h"
#include "windows/ProgramContext.h"

namespace twindir {

// Sets the application title, then creates TForm1 (the main window) to
// TForm8 in this order, each pointer of the context set as soon as its
// window exists: the main window's creation handler runs before the others
// are there. Shows nothing.
void CreateWindows(toolkit::Application& application, ProgramContext& context);

// CreateWindows, then shows the main window.
void StartProgram(toolkit::Application& application, ProgramContext& context);

}  // namespace twindir
