#pragma once
// Builds the panel that changes and deletes posts and renames the ledger, and
// wires the paging, jump and post-number controls of the entry panel's rows.

class Huvudfonster;
class PanelRedRedigera;
class Senasteposter;
namespace tovana {
struct Postformular;
}

// `senaste` is the entry panel's last-posts rows, which the paging works on,
// and `formular` the entry form whose group of six it pages.
PanelRedRedigera *ByggPostandringspaneler(Huvudfonster &form, Senasteposter &senaste,
                                          tovana::Postformular &formular);
