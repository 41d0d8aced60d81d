#pragma once
// Where the installed program finds the files it ships with: the manual pages
// and the example files lie under a data folder `share/tovana`, beside the `bin`
// folder that holds the program (`/usr/local/bin/tovana` finds
// `/usr/local/share/tovana/manual/kortversion.html`). The folder is derived from
// the program's own location, so a tree installed under any prefix, or moved
// after installing, finds its files; the data folder of the prefix the program
// was built for is the fallback.

#include <QStringList>

// The data folders in the order to search: the one beside the program's folder,
// then the one of the build's install prefix (left out when it is the same).
// A folder is named whether or not it exists.
QStringList Datakataloger();
