// Sends the program listing to a printer (or a PDF file) as one job.
#pragma once

#include "files/Listing.h"

#include <QString>

class QPrinter;

namespace tovak {

// A monospaced font; an entry's three lines always stay on one page. Returns the number of
// pages printed, 0 when the printer could not start the job.
int PrintListing(QPrinter& printer, const ProgramListing& listing, const QString& docName);

} // namespace tovak
