#include <QApplication>
#include <QTranslator>

#include "main/form_main.h"
#include "program/program_state.h"
#include "program/program_title.h"
#include "main/qt_french.h"
#include "main/qt_main_thread.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProgramTitle);
    QTranslator qt_texts;
    InstallQtFrenchTexts(qt_texts);
    QtMainThread main_thread;
    net::InstallMainThread(&main_thread);

    ProgramState state;
    // Creating the main window shows the splash; the about box is made when asked for.
    Tform_main form_main(state);
    form_main.show();
    return app.exec();
}
