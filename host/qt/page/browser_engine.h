// What the browser engine of the Preview needs before the application object is made.
#pragma once

namespace norvel::host::qt {

// Call before constructing QApplication. Shares OpenGL contexts between windows, as the
// engine requires; and, when the program runs as root, turns off the engine's sandbox, which
// refuses to start under root (an ordinary user keeps it).
void prepareBrowserEngine();

}  // namespace norvel::host::qt
