#include "print/CommandLinePrint.h"

#include "common/Prompter.h"
#include "files/CommandLineExport.h"
#include "kinds/CoreKinds.h"
#include "print/PagePainter.h"
#include "workspace/Workspace.h"

#include <QFileInfo>

namespace CommandLinePrint {

namespace {

int fail(Prompter& prompter, const QString& text) {
    prompter.message(QStringLiteral("Грешка"), text, Prompter::Icon::Warning,
                     Prompter::Buttons::Ok);
    return CommandLineExport::Failed;
}

} // namespace

int run(const QString& diagram, const QString& output, const QString& programFolder,
        Prompter& prompter) {
    if (QFileInfo(output).suffix().toLower() != QLatin1String("pdf")) {
        fail(prompter, QStringLiteral("Печатът се записва само като .pdf, а не като „%1“.")
                           .arg(QFileInfo(output).fileName()));
        return CommandLineExport::Usage;
    }
    Workspace ws(prompter, CoreKinds());
    if (const int read = CommandLineExport::readDiagram(ws, diagram, programFolder, prompter);
        read != CommandLineExport::Done)
        return read;
    if (const std::optional<QString> error = PagePainter::writePdf(ws, output))
        return fail(prompter, *error);
    return CommandLineExport::Done;
}

} // namespace CommandLinePrint
