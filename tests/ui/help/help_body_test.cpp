#include "ui/help/help_body.h"

#include <gtest/gtest.h>

#include "fakes/temp_folder.h"
#include "ui/help/text_page.h"

namespace ventelle {
namespace {

// A body as plain text: paragraphs apart, one line per block, "• " before a
// bullet item and [caption->target] for a link.
std::string shown(const HelpBody& body) {
  std::string out;
  for (const auto& paragraph : body.paragraphs)
    for (const auto& block : paragraph) {
      out += (out.empty() ? "" : &block == &paragraph.front() ? "\n\n" : "\n") + std::string(block.bullet ? "• " : "");
      for (const auto& run : block.runs)
        out += !run.link ? run.text
                         : "[" + body.links[*run.link].caption + "->" + body.links[*run.link].target.key + "]";
    }
  return out;
}

TEST(HelpBody, ReadsParagraphsBulletsCommentsAndLinks) {
  const std::pair<std::string, std::string> rows[] = {
      {"Le QCM compte\n  60 questions.  \n\n\n  \nDeux.\n", "Le QCM compte 60 questions.\n\nDeux."},
      {"; titre\nUn\n; note\ndeux ; trois\n;fin", "Un deux ; trois"},
      {"Options :\n- Jamais\n- Toujours\n  ou presque\n-5 points", "Options :\n• Jamais\n• Toujours ou presque -5 points"},
      {"Voir {FrmEvaluation|Evaluation} et la {web:ffvl|FFVL}.\n\n- les {FrmImprimer|grilles de\nréponse}",
       "Voir [Evaluation->FrmEvaluation] et la [FFVL->ffvl].\n\n• les [grilles de réponse->FrmImprimer]"},
      {"a {b} c {|d} {e|} {f|g", "a {b} c {|d} {e|} {f|g"},  // braces that make no link stand as written
      {"{ {FrmJeu|jeu} {FrmTip|astuce}", "{ [jeu->FrmJeu] [astuce->FrmTip]"},
      {"; rien\n", ""},
  };
  for (const auto& [file, text] : rows) EXPECT_EQ(shown(readHelpBody(splitLines(file))), text) << file;
}

TEST(TextPage, ShowsALinkToNoPageAsTextAndAMissingBodyAsANotice) {
  TempFolder folder;
  folder.write("aide/FrmJeu.txt", "{FrmEvaluation|Evaluation} {FrmNulle|rien} {web:inconnu|ni ceci}");
  const TextPage page(*helpPage("FrmJeu"), ProgramFolder(folder.path()));
  EXPECT_EQ(page.links().size(), 1u);
  EXPECT_EQ(page.paragraphs()[0][0].runs.back().text, " rien ni ceci");
  const TextPage empty(*helpPage("FrmTirage"), ProgramFolder(folder.path()));
  EXPECT_EQ(empty.paragraphs().at(0).at(0).runs.at(0).text, "Le texte de cette page est introuvable : le fichier "
                                                              "aide\\FrmTirage.txt est absent ou vide dans le dossier du programme.");
}

}  // namespace
}  // namespace ventelle
