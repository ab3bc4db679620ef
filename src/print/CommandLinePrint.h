#pragma once

#include <QString>

class Prompter;

// `vexilardo --print FILE.dia OUT.pdf`: the page printing the diagram gives (Letter, turned as
// the fitting turns it, the picture centred, texts and lines kept as such) written as a PDF.
// No window; the exit codes and messages of the export (CommandLineExport).
namespace CommandLinePrint {

int run(const QString& diagram, const QString& output, const QString& programFolder,
        Prompter& prompter);

} // namespace CommandLinePrint
