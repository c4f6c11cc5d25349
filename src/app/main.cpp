#include "app/main_form.h"
#include "app/tab_table.h"
#include "core/platform.h"
#include "core/qsettings_store.h"

#include <QApplication>
#include <QCommandLineParser>
#include <string_view>

namespace {

void DescribeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("A calculator for electronics work: resistors, dividers, attenuators, "
                       "levels, reactance and op-amp gain, computed as you type."));
    parser.addHelpOption();
    parser.addVersionOption();
}

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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("ohmquill"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OHMQUILL_VERSION));
    QCommandLineParser parser;
    DescribeOptions(parser);
    if (AsksForTextOnly(argc, argv)) {
        const QCoreApplication textOnly(argc, argv);
        parser.process(textOnly); // prints the answer and ends the program
        return 0;
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ohmquill.Ohmquill"));
    // Qt has taken its own options (-platform, -style...) out by now; anything left over is a
    // mistake worth saying so.
    parser.process(app);

    oq::QtPlatform platform;
    oq::QSettingsStore store;
    oq::MainForm form(platform, store, oq::TabTable);
    // Settings are saved however the program ends, also when the session closes it.
    QObject::connect(&app, &QApplication::aboutToQuit, &form, &oq::MainForm::unload);
    form.show();
    return app.exec();
}
