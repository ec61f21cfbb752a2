// Checks of the PDF and the web page of a run against its report, for the tests that run decks.
#pragma once

#include <string>

namespace ss::test {

// Reads the PDF back with poppler's pdftotext and pdfinfo: every non-blank report line appears, in
// order, on the report pages; the page count is the verdict pages, plus the report's pages (a
// report page longer than a sheet takes two), plus one diagram page per design. Returns what is
// wrong, empty when all holds.
std::string check_pdf(const std::string &report, const std::string &pdf_path);
// The words of the PDF's diagram pages, margin lines aside, are those of the text elements of the
// SVG pages in `svg_dir`, as many times each.
std::string check_pdf_diagrams(const std::string &pdf_path, const std::string &svg_dir);
// The web page: one section with its anchor per problem and an inline SVG per design.
std::string check_html(const std::string &report, const std::string &html);

// The standard output of a shell command.
std::string command_output(const std::string &command);

} // namespace ss::test
