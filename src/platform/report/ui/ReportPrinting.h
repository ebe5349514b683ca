#pragma once

class QPrinter;
class ReportDocument;

// Sends a laid-out report to a printer, page by page, without asking anything.
class ReportPrinting
{
public:
    // Gives the printer the document's paper, orientation and title, and the whole sheet.
    static void setUp(QPrinter &printer, const ReportDocument &document);
    // Prints every page on `printer` as set up. False when the printer cannot be opened.
    static bool print(const ReportDocument &document, QPrinter &printer);
};
