#include "FuzzSupport.h"

#include <QGuiApplication>
#include <cstdio>

void FuzzFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "\nProperty failed at %s:%d: %s\n", file, line, condition);
    std::fflush(stderr);
    __builtin_trap();
}

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    // Whatever the shell says: a run must not depend on a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // Lives as long as the process; Qt keeps a reference to argc.
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    Q_UNUSED(application);
    return 0;
}
