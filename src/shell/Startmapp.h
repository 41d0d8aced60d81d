#pragma once
// The folder an open or save dialog starts in: beside the open file of the
// kind the dialog asks for, so that the user's own folder comes up rather than
// wherever the program was started.

#include "core/Bokforingsdata.h"

#include <QString>

// For a chart ("*.kpl") the chart's folder, for a ledger ("*.red") the
// ledger's, for anything else (a company, a SIE file) the company file's; when
// that file is not known, the folder of the company, chart or ledger file, the
// first that is. Empty when none is: the dialog then starts in the current
// folder.
QString Startmapp(const tovana::Bokforingsdata &data, const QString &forval);
