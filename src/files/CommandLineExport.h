#pragma once

#include <QString>

class Prompter;
class Workspace;

// `vexilardo --export FILE.dia OUT`: the diagram read with the program's picture library and
// written as OUT, chosen by its ending: .bmp, .gif, .jpg, .png give the whole-diagram picture
// (as the Save command makes it), .svg and .pdf the same rectangle drawn sharp at any size,
// .dia the diagram as the program writes it. No window.
namespace CommandLineExport {

enum ExitCode { Done = 0, Failed = 1, Usage = 2 };

// Messages go through the prompter (the command line prints them). `quality` is the JPEG
// quality, 1 to 100.
int run(const QString& diagram, const QString& output, int quality, const QString& programFolder,
        Prompter& prompter);

// Reads a diagram file into `ws` with the program's picture library in `programFolder`, as the
// export does; Done, or Failed once the prompter has told why.
int readDiagram(Workspace& ws, const QString& diagram, const QString& programFolder,
                Prompter& prompter);

} // namespace CommandLineExport
