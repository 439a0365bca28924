#pragma once
// Procedures of the main module.
namespace Radio {
// Program entry: starts in the program folder and shows the main window.
int Main(int argc, char** argv);
}  // namespace Radio
