#pragma once
// What every command shares: the catalogue, map files as the window reads
// them, checked writes and the two output streams.
#include <string>

#include "document/File1.h"
#include "files/MapFile.h"

struct Invocation;

// stdout takes results, stderr takes "ispln-cli: ..." messages.
void PrintOut(const std::string& text);
int Fail(const std::string& message, int status);
// A usage error, with a pointer to the help of `command` (or of the tool).
int UsageFailure(const std::string& message, const std::string& command = {});

// The isplan.ini a command reads: --ini, or the one beside the program.
std::string CataloguePath(const Invocation& args);

// Fills a fresh document as the window's start-up does: settings, rates and
// both catalogues from the file, tile and mask bitmaps in the Image/ folder
// beside it. The file is only read; a failure says why.
Result LoadCatalogue(TTileData& doc, const std::string& iniPath);

// Reads the map file with the window's own reader and, when it is taken,
// loads it into `doc` (drawing it when a view is attached); a refused file
// leaves `doc` as it was. The result keeps the file's layout, header bytes
// and cells as stored.
MapRead ReadMapInput(TTileData& doc, const std::string& path);

// Writes through WriteFileChecked, or to standard output when `path` is "-".
Result WriteOutput(const std::string& path, const std::string& bytes);
