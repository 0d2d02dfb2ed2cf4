#include "ui/main/accessible_texts.h"

#include "game/board.h"
#include "game/rules.h"
#include "ui/game/game_texts.h"

namespace ventelle {
namespace {

std::string number(int n) { return std::to_string(n); }

// What a square holds, as its tip on the board says it.
std::string_view squareTip(int tag) {
  switch (kindOfTag(tag)) {
    case SquareKind::PlayAgain: return game_texts::kPlayAgainTip;
    case SquareKind::Bonus: return game_texts::kBonusTip;
    case SquareKind::Penalty: return game_texts::kPenaltyTip;
    case SquareKind::Chapter: break;
  }
  return category(tag).name;
}

// "Points de cette question : 6", or the label alone while it is empty.
std::string labelled(const std::string& label, const std::string& value) {
  return value.empty() ? label : label + " : " + value;
}

void addQuizTexts(AccessibleTexts& t, const WindowControls& c) {
  t["Numero"] = {labelled("Numéro de la question", c.numero), "Banque, chapitre et place de la question"};
  t["LabelQuestion"] = {c.labelQuestion.empty() ? "Question" : c.labelQuestion, "Énoncé de la question"};
  t["ImageQuestion"] = {"Illustration de la question", "Figure à lire avec l'énoncé"};
  t["delta_parapente"] = {"Passer la question", "Tire une autre question sans noter celle-ci"};
  t["Line1"] = {"Question reposée", "Une question manquée auparavant, posée de nouveau"};
  t["Cadre_Reponses"] = {"Réponses", "Cochez la (ou les) réponse(s) correcte(s) ; touches 1 à 5"};
  for (int i = 1; i <= kMaxAnswers; ++i) {
    const std::string answer = "Réponse " + number(i);
    t["Check" + number(i)] = {labelled(answer, c.check[i].caption),
                              "Touche " + number(i) + " : cocher ou décocher cette réponse"};
    t["Check" + number(i) + "Caption"] = {labelled(answer, c.check[i].caption), "Texte de la réponse"};
    t["LCheck" + number(i)] = {labelled("Points de la réponse " + number(i), c.lcheck[i]),
                               "Valeur de la réponse, montrée après la notation"};
  }
  const std::string& caption = c.question.caption;
  t["Question"] = {caption, c.question.toolTip.empty() ? "Touche Entrée" : c.question.toolTip + " ; touche Entrée"};
  t["Trombone"] = {"Commentaire", "Affiche le commentaire de la question"};
  t["Trombone_L"] = {"Lexique", "Ouvre le lexique au mot de la question"};
}

void addScoreTexts(AccessibleTexts& t, const WindowControls& c) {
  struct Row {
    const char* caption;
    const char* value;
    const char* label;
    const std::string& text;
    const char* description;
  };
  const Row rows[] = {
      {"Labels1", "CetteQuestion", "Points de cette question", c.cetteQuestion, "Note de la dernière question notée"},
      {"Labels2", "TotalPoints", "Total des points", c.totalPoints, "Points gagnés depuis le début du test"},
      {"Labels3", "NombrePointsMax", "Points possibles", c.nombrePointsMax, "Total des points que l'on pouvait gagner"},
      {"Labels4", "Moyenne", "Moyenne sur 20", c.moyenne, "Note du test ramenée sur 20"},
      {"Labels5", "NombreQuestionsPosees", "Nombre de questions posées", c.nombreQuestionsPosees,
       "Questions notées depuis le début du test"},
  };
  for (const Row& row : rows) {
    t[row.caption] = {row.label, row.description};
    t[row.value] = {labelled(row.label, row.text), row.description};
  }
  t["Final"] = {c.final.empty() ? "Résultat" : c.final, "Verdict du test"};
  t["Historique"] = {"Historique des questions",
                     c.historiqueToolTip.empty() ? "Questions posées, la dernière en bas" : c.historiqueToolTip};
  t["Boutons"] = {"Questions du questionnaire", "Un bouton par question ; la couleur dit si elle est juste"};
  for (std::size_t k = 1; k <= c.bouton.size(); ++k)
    t["Bouton" + number(static_cast<int>(k))] = {"Question " + c.bouton[k - 1].caption,
                                                  "Affiche cette question du questionnaire"};
}

void addChapterTexts(AccessibleTexts& t, const WindowControls& c) {
  t["Chapitres"] = {"Choix des chapitres", "Chapitres d'où les questions sont tirées ; F1 sur un chapitre : ses erreurs"};
  for (int k = 1; k <= kChapterBoxes; ++k) {
    const std::string chapter = "Chapitre " + number(k);
    const std::string caption = labelled(chapter, shownCaption(c.partie[k].caption));
    t["Partie" + number(k)] = {caption, "F1 : montrer ou cacher les questions de ce chapitre à revoir"};
    t["Partie" + number(k) + "Caption"] = {caption, "Nom du chapitre"};
    t["Feu" + number(k)] = {chapter + " : " + questionsToReview(c.feu[k].mistakes),
                            "Voyant vert jusqu'à 3 erreurs, orange jusqu'à 10, rouge au-delà"};
  }
  t["Erreurs"] = {"Questions à revoir", "Disparaît avec F1 sur le chapitre ou à la question suivante"};
  t["ErreursCaption"] = {c.erreursCaption.empty() ? "Questions à revoir" : c.erreursCaption, "Titre de la liste"};
  t["affiche_erreurs"] = {"Liste des questions à revoir", "Noms des questions manquées, séparés par des virgules"};
}

void addGameTexts(AccessibleTexts& t, const GooseGame& game) {
  t["Cadre_Oie"] = {"Jeu de l'oie", "Plateau du jeu"};
  const CountdownDigits countdown = game.countdown();
  const std::string seconds = number(countdown.tens * 10 + countdown.units) + " secondes";
  t["Compt0"] = {"Compte à rebours : " + seconds, "Temps qui reste pour répondre"};
  t["Compt1"] = t["Compt0"];
  t["LabelPoints"] = {game.pointsText().empty() ? "Points" : game.pointsText(), "Points de la dernière réponse"};
  t["D"] = {game.dieFace() > 0 ? "Dé : " + number(game.dieFace()) : "Dé",
            std::string(game_texts::kDieTip)};
  std::string help;
  for (const auto line : game_texts::kEntryHelp) help += (help.empty() ? "" : " ") + std::string(line);
  t["Label"] = {"Aide", help};
  t["Labelentrée"] = {"Joueur " + number(game.entryNumber()), "Numéro du joueur dont on tape le nom"};
  t["Saisie"] = {"Nom du joueur " + number(game.entryNumber()), help};
  t["Cascoul0"] = {game.isPlaying() ? "Pion de " + game.current().name : "Pion", "Pion du joueur dont c'est le tour"};
  t["Labeljoueur0"] = {game.isPlaying() ? "Au tour de " + game.current().name : "Joueur", "Joueur dont c'est le tour"};
  for (int p = 1; p <= kMaxPlayers; ++p) {
    const Player* player = p <= static_cast<int>(game.players().size()) ? &game.players()[p - 1] : nullptr;
    const std::string who = player ? player->name : "Joueur " + number(p);
    t["Cascoul" + number(p)] = {"Pion de " + who + (player ? ", case " + number(player->square) : ""),
                                "Place du joueur sur le plateau"};
    t["Cascoul" + number(10 * p)] = {"Pion de " + who, "Pion du joueur"};
    t["Labeljoueur" + number(p)] = {who, "Nom du joueur " + number(p)};
    t["PointsJoueur" + number(p)] = {"Points de " + who + (player ? " : " + number(player->score) : ""),
                                     "Score du joueur"};
    for (int k = 1; k <= kCategoryCount; ++k)
      t["Casejoueur" + number(10 * p + k)] = {who + " : " + std::string(category(k).name),
                                              "Avancement du joueur dans cette catégorie"};
  }
  for (int n = 1; n <= kSquareCount; ++n)
    t["Casoie" + number(n)] = {"Case " + number(n) + " : " + std::string(squareTip(boardSquare(n).tag)), "Case du plateau"};
}

}  // namespace

std::string questionsToReview(int count) {
  if (count <= 0) return "aucune question à revoir";
  return number(count) + (count == 1 ? " question à revoir" : " questions à revoir");
}

AccessibleTexts mainWindowAccessibleTexts(const WindowControls& c, const GooseGame& game) {
  AccessibleTexts texts;
  addQuizTexts(texts, c);
  addScoreTexts(texts, c);
  addChapterTexts(texts, c);
  if (game.isOpen()) addGameTexts(texts, game);
  return texts;
}

AccessibleTexts userWindowAccessibleTexts(const UserWindowControls& c) {
  return {
      {"Label2", {c.label2.empty() ? "Utilisateur actif" : c.label2, "Utilisateur dont le profil est en service"}},
      {"Combo", {"Utilisateurs", "Nom à taper ou à choisir dans la liste"}},
      {"ComboText", {labelled("Nom de l'utilisateur", c.combo.text), "Nom à taper, ou choisi dans la liste"}},
      {"ComboList", {"Liste des utilisateurs", "Double-clic : rendre l'utilisateur actif"}},
      {"CActif", {user_window::kCActif, "Rend actif l'utilisateur choisi"}},
      {"CAjouter", {user_window::kCAjouter, "Crée un profil au nom tapé"}},
      {"CReinitialiser", {user_window::kCReinitialiser, "Efface les erreurs et réglages de l'utilisateur choisi"}},
      {"CSupprimer", {user_window::kCSupprimer, "Supprime le profil de l'utilisateur choisi"}},
      {"COK", {user_window::kCOK, "Ferme la fenêtre"}},
  };
}

}  // namespace ventelle
