#pragma once

class QTranslator;

// The interface is French, Qt's own texts too (system menus, standard buttons): loads Qt's
// French translation into the translator and installs it; false when it is not there.
bool InstallQtFrenchTexts(QTranslator& translator);
