#pragma once

// Readies the embedded browser; call it before the QApplication is created. The browser refuses
// to start as root with its sandbox on, so the sandbox is turned off then, and only then. Its
// start-up report stays off the terminal unless the logging rules ask for it.
void PrepareWebEngine();
