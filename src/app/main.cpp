#include "app/main_form.h"
#include "app/tab_table.h"
#include "core/platform.h"
#include "core/qsettings_store.h"
#include "core/start_up_style.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdlib>
#include <string_view>

namespace {

// Asking for the help or the version must work where no window can open (a terminal without a
// display, a packaging script), so these are answered before the windowing system is touched.
bool AsksForTextOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "-?" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version")
            return true;
    }
    return false;
}

// Prints the help or the version on standard output and ends the program.
[[noreturn]] void AnswerOnTerminal(int argc, char** argv) {
    const QCoreApplication textOnly(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A calculator for electronics work: resistors, dividers, attenuators, "
                       "levels, reactance and op-amp gain, computed as you type."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(textOnly);
    std::exit(EXIT_SUCCESS);
}

} // namespace

int main(int argc, char** argv) {
    // The program's own name: under X11 it is the class of the window, which the desktop entry
    // names (StartupWMClass) to tie the window to its menu entry and icon.
    QCoreApplication::setApplicationName(QStringLiteral("ohmquill"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OHMQUILL_VERSION));
    if (AsksForTextOnly(argc, argv))
        AnswerOnTerminal(argc, argv);

    // Other arguments are left alone, as they always were: Qt takes its own (-platform, -style)
    // and the calculator has nothing to open.
    QApplication app(argc, argv);
    // Under Wayland the entry is found by its file name instead.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ohmquill.Ohmquill"));
    oq::UseStartUpStyle();

    oq::QtPlatform platform;
    oq::QSettingsStore store;
    oq::MainForm form(platform, store, oq::TabTable);
    // Settings are saved however the program ends, also when the session closes it.
    QObject::connect(&app, &QApplication::aboutToQuit, &form, &oq::MainForm::unload);
    form.show();
    return app.exec();
}
