#pragma once
// The errors that abandon a running command. The message is the runtime's own
// text ("File not found", "'x' is not a valid integer value", ...); the window
// shows it in a message box, and the command stops where the error arose.

#include <stdexcept>
#include <string>

namespace tovana {

class Korningsfel : public std::runtime_error {
public:
    explicit Korningsfel(const std::string &meddelande) : std::runtime_error(meddelande) {}
};

// The runtime's text for a failed file operation, from the system's error number:
// "File not found", "File access denied", "Disk full" or "I/O error %d".
std::string FilfelText(int felnummer);

// A file error: the runtime's text, and on a second line the file (and, for a
// reader, the line) so that the user can find what went wrong.
Korningsfel Filfel(int felnummer, const std::string &sokvag);
Korningsfel Radfel(const std::string &meddelande, const std::string &sokvag, long rad);

} // namespace tovana
