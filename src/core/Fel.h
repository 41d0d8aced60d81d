#pragma once
// The errors that abandon a running command. The message is one Swedish
// sentence ("Filen finns inte.", "'x' is not a valid integer value", ...); the
// window shows it in a message box, and the command stops where the error arose.
//
// A failed file operation is told from the system's error number through one
// table, with the file's name on a second line:
//
//     Det finns ingen sådan mapp.
//     Fil: /hem/anna/bok/ab.red

#include <stdexcept>
#include <string>

namespace tovana {

class Korningsfel : public std::runtime_error {
public:
    explicit Korningsfel(const std::string &meddelande) : std::runtime_error(meddelande) {}
};

// What a failed file operation's error number means, in Swedish: "Filen finns
// inte.", "Åtkomst nekad: du har inte behörighet till filen.", "Disken är full.",
// ... A number the table does not know gives "Filfel nummer N.".
std::string FilfelText(int felnummer);

// A file error: the text, and on a second line the file (and, for a reader, the
// line) so that the user can find what went wrong. A missing file whose folder
// is missing too is told so.
Korningsfel Filfel(int felnummer, const std::string &sokvag);
Korningsfel Radfel(const std::string &meddelande, const std::string &sokvag, long rad);

} // namespace tovana
