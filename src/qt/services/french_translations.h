#pragma once
class QCoreApplication;

namespace ventelle {

// Qt's own dialogs (input boxes, print and file dialogs) speak French
// whatever the system's language: loads Qt's French catalogue from the
// system's Qt translations. False when it is not installed.
bool installFrenchTranslations(QCoreApplication& application);

}  // namespace ventelle
