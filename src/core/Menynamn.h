#pragma once
// The names (objectNames) of the main menu's items, one constant each, so that
// code that finds an item names it by a constant the compiler checks instead
// of by a string that fails only when the program runs. The menu itself is
// built from these by the window; the groups the state enables are in
// Menylage.h.

namespace tovana::meny {

inline constexpr char Skapany1[] = "Skapany1";           // "Skapa ny kontoplan"
inline constexpr char Oppna1[] = "Oppna1";               // "Öppna kontoplan"
inline constexpr char Nyttkonto1[] = "Nyttkonto1";       // "Lägga in ett nytt konto"
inline constexpr char Redigera1[] = "Redigera1";         // "Redigera konton"
inline constexpr char Visa1[] = "Visa1";                 // "Visa kontoplanen"
inline constexpr char SparasomKplan[] = "SparasomKplan"; // "Spara som"
inline constexpr char Skapaennyredovisning2[] =
    "Skapaennyredovisning2";                       // "Skapa en ny redovisning"
inline constexpr char Oppnared[] = "Oppnared";     // "Öppna en redovisning"
inline constexpr char Redovisa[] = "Redovisa";     // "Redovisa"
inline constexpr char RedSortera[] = "RedSortera"; // "Sortera om redovisningen"
inline constexpr char RapportRes[] = "RapportRes"; // "Resultaträkning"
inline constexpr char RapportBal[] = "RapportBal"; // "Balansräkning"
inline constexpr char RapportPeriod[] =
    "RapportPeriod"; // "Resultat- och balansräkning för en period"
inline constexpr char RapportKonto[] = "RapportKonto";           // "Kontoutdrag"
inline constexpr char Dagbok[] = "Dagbok";                       // "Dagbok"
inline constexpr char RRmedKoder[] = "RRmedKoder";               // "Resultaträkning med koder"
inline constexpr char BRmedkoder[] = "BRmedkoder";               // "Balansräkning med koder"
inline constexpr char Dagbokmedkoder[] = "Dagbokmedkoder";       // "Dagbok sorterad efter koder"
inline constexpr char Momsrapport[] = "Momsrapport";             // "Momsrapport"
inline constexpr char oppnaforetag[] = "oppnaforetag";           // "Öppna företag"
inline constexpr char sparaforetag[] = "sparaforetag";           // "Spara som företag"
inline constexpr char Foretagsuppgifter[] = "Foretagsuppgifter"; // "Företagsuppgifter"
inline constexpr char Startsidautskrift[] = "Startsidautskrift"; // "Startsida"
inline constexpr char KollKplan[] =
    "KollKplan"; // "Kontrollera att alla använda konton finns i kontoplanen"
inline constexpr char HamtaIB[] = "HamtaIB";     // "Hämta IB-poster från fjolårets redovisning"
inline constexpr char farger[] = "farger";       // "Ändra bakgrundsfärg"
inline constexpr char Oanv[] = "Oanv";           // "Visa konton/koder som inte används"
inline constexpr char Momskoder[] = "Momskoder"; // "Momsrutor för kontoplanens konton"
inline constexpr char Anvndpunktsomdecimaltecken1[] =
    "Anvndpunktsomdecimaltecken1";                     // "Använd punkt som decimaltecken"
inline constexpr char ExporteraSIE[] = "ExporteraSIE"; // "Exportera SIE 4-fil"
inline constexpr char ImporteraSIE[] = "ImporteraSIE"; // "Importera SIE 4-fil"
inline constexpr char Perioder[] = "Perioder";         // "Stäng eller öppna en period"
inline constexpr char Behandlingshistorik[] = "Behandlingshistorik"; // "Behandlingshistorik"
inline constexpr char lamnatovana[] = "lamnatovana";                 // "Lämna Tovana"

} // namespace tovana::meny
