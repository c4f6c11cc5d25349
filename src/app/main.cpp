#include "app/main_form.h"
#include "app/tab_table.h"
#include "core/platform.h"
#include "core/qsettings_store.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    oq::QtPlatform platform;
    oq::QSettingsStore store;
    oq::MainForm form(platform, store, oq::TabTable);
    // Settings are saved however the program ends, also when the session closes it.
    QObject::connect(&app, &QApplication::aboutToQuit, &form, &oq::MainForm::unload);
    form.show();
    return app.exec();
}
