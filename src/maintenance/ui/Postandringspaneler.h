#pragma once
// Builds the panel that changes and deletes posts and renames the ledger, and
// wires the paging, jump and post-number controls of the entry panel's rows.

class TForm1;

void ByggPostandringspaneler(TForm1 &form);
