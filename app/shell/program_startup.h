// The program's start-up, in its fixed order: localisation, the engine's
// data sources, the case file type, the application object with its main
// frame and templates, then the case named on the command line (or a new
// one), and the main window.
//
// Command line: meridane [CASE.hom] [--screenshot-dir DIR] [--startup-timing]
//   --screenshot-dir DIR  saves pictures of the main window, the patient card
//                         and an episode as PNG files into DIR and quits
//                         (exit code 2 when the window does not appear);
//   --startup-timing      prints the time from start to the first paint of
//                         the main window ("first-paint-ms N") and quits.
#pragma once

// Runs the program; returns its exit code.
int RunMeridane(int argc, char** argv);
