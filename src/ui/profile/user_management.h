#pragma once
// The user-management window FrmUtilisateur, "Gestion des Utilisateurs":
// add, make active, reset and delete users. It reaches the main window only
// through UserHost.
#include <optional>
#include <string>
#include <vector>

#include "ui/window/dialogs.h"
#include "users/user_names.h"

namespace ventelle {

// What the user-management window needs of the main window.
class UserHost {
 public:
  virtual ~UserHost() = default;
  // ActiveUserName: "parapente" for the default user.
  virtual std::string activeUserName() const = 0;
  // Makes that user the active one and loads his profile (mnuReprendre).
  virtual void loadUser(const std::string& userName) = 0;
  // Initialise_Utilisateur for that user, the active user left as he is:
  // creates or overwrites his profile from the template or the built-in
  // content. False when the profile could not be written; the host has then
  // told the user.
  virtual bool initialiseUser(const std::string& userName) = 0;
  // Names of the profile files "*.ini", in listing order.
  virtual std::vector<std::string> profileFileNames() const = 0;
  // Deletes that user's profile; a profile already gone is no failure.
  // False when it is still there.
  virtual bool deleteProfile(const std::string& userName) = 0;
  // The user entries of the "&Fichier" menu (see user_menu.h).
  virtual void addUserMenuItem(const std::string& userName) = 0;
  virtual void removeUserMenuItems(const std::string& userName) = 0;
};

namespace user_window {
inline const std::string kTitle = "Gestion des Utilisateurs";
inline const std::string kCActif = "Utilisateur sélectionné actif ?";
inline const std::string kCAjouter = "Ajouter un utilisateur";
inline const std::string kCReinitialiser = "Réinitialiser un utilisateur";
inline const std::string kCSupprimer = "Supprimer un utilisateur";
inline const std::string kCOK = "OK";
inline const std::string kActivePrefix = "Utilisateur actif: ";
}  // namespace user_window

// A combo box: a text the user types in over a list of entries.
struct UserCombo {
  std::string text = kDefaultUserDisplay;
  std::vector<std::string> entries;  // display names
  std::optional<std::size_t> selected;

  bool operator==(const UserCombo&) const = default;
};

struct UserWindowControls {
  UserCombo combo;
  std::string label2;
  // Closes the window when it loses activation; false from a reload of the
  // main window until CActif gets the focus again.
  bool keepOpen = true;
  bool closed = false;
  // The control to give the focus to after this event, if any.
  std::string focus;

  bool operator==(const UserWindowControls&) const = default;
};

class UserManagement {
 public:
  // Opens the window: lists the profiles and selects the active user.
  UserManagement(UserHost& host, Dialogs& dialogs);

  const UserWindowControls& controls() const { return controls_; }

  // The user types in the combo: the text changes and no entry is selected.
  void comboTextEdited(const std::string& text);
  // The user picks entry i of the list: it is selected and shown as the text.
  void comboEntryChosen(std::size_t i);
  // Combo_DblClick: makes the selected user active, then closes whatever the
  // outcome.
  void comboDoubleClick();
  void cActifClick();
  void cActifFocused();
  void cAjouterClick();
  void cReinitialiserClick();
  void cSupprimerClick();
  void cOKClick();
  // Form_Deactivate. A deactivation while an event of this window runs comes
  // from a message box it shows: the window stays.
  void deactivated();

 private:
  class Event;

  void makeActive();
  void refreshLabel();
  void warn(const std::string& text);
  // The selected entry, after "Sélectionnez un Utilisateur" when none is.
  std::optional<std::string> selectedEntry();
  bool isActive(const std::string& entry) const;
  void close();

  UserHost& host_;
  Dialogs& dialogs_;
  UserWindowControls controls_;
  int running_ = 0;  // events under way
};

}  // namespace ventelle
