#pragma once

#include <QApplication>

// The application object every Quorvel process starts with: logical pixels of a 96 dpi screen
// (the windows are laid out in them), the program's name and version, and the look-alike
// fonts registered before any window asks for them. The program and the tools that start it
// the same way (start-up benchmark, screenshot tools) share it so that they cannot drift apart.
class QuorvelApplication : public QApplication {
    Q_OBJECT

public:
    QuorvelApplication(int &argc, char **argv);

private:
    // Runs before QApplication's constructor: the dpi attribute must be set before it.
    static int &beforeConstruction(int &argc);
};
