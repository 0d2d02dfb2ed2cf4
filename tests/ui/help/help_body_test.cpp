#include "ui/help/help_body.h"

#include <gtest/gtest.h>

#include "fakes/temp_folder.h"
#include "ui/help/text_page.h"

namespace ventelle {
namespace {

// A body as plain text: paragraphs apart, one line per block, "• " before a
// bullet item and [text->target] around a link.
std::string shown(const HelpBody& body) {
  std::string out;
  for (const auto& paragraph : body.paragraphs) {
    if (!out.empty()) out += "\n\n";
    bool first = true;
    for (const auto& block : paragraph) {
      if (!first) out += "\n";
      first = false;
      if (block.bullet) out += "• ";
      for (const auto& run : block.runs) {
        if (!run.link) {
          out += run.text;
          continue;
        }
        const LinkLabel& link = body.links[*run.link];
        EXPECT_EQ(link.caption, run.text);
        const char* kind = link.target.kind == LinkTarget::Kind::Web ? "web " : "";
        out += "[" + run.text + "->" + kind + link.target.key + "]";
      }
    }
  }
  return out;
}

HelpBody read(const std::string& text) { return readHelpBody(splitLines(text)); }

TEST(HelpBody, ReadsParagraphsBulletsCommentsAndLinks) {
  const struct {
    const char* situation;
    std::string file;
    std::string shown;
  } rows[] = {
      {"lines of a paragraph joined by one space", "Le QCM compte\n  60 questions.  \nBonne chance.",
       "Le QCM compte 60 questions. Bonne chance."},
      {"a blank line parts paragraphs, several count as one", "Un.\n\n\n  \nDeux.\n", "Un.\n\nDeux."},
      {"comments are not shown, even inside a paragraph", "; titre\nUn\n; note\ndeux\n;fin", "Un deux"},
      {"a semicolon further on is text", "Un ; deux", "Un ; deux"},
      {"bullet items start their own line", "Les options :\n- Jamais\n- Toujours\n  ou presque\nFin",
       "Les options :\n• Jamais\n• Toujours ou presque Fin"},
      {"a dash without a space is no bullet", "-5 points", "-5 points"},
      {"page and web links", "Voir {FrmEvaluation|Evaluation} et la {web:ffvl|FFVL}.",
       "Voir [Evaluation->FrmEvaluation] et la [FFVL->web ffvl]."},
      {"a link split over two lines", "les {FrmImprimer|grilles de\nréponse}", "les [grilles de réponse->FrmImprimer]"},
      {"braces that make no link stand as written", "a {b} c {|d} {e|} {f|g", "a {b} c {|d} {e|} {f|g"},
      {"a brace before a link", "{ {FrmJeu|jeu}", "{ [jeu->FrmJeu]"},
      {"nothing but comments", "; rien\n", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.situation);
    EXPECT_EQ(shown(read(row.file)), row.shown);
  }
}

TEST(HelpBody, LinksAreNumberedInReadingOrder) {
  const HelpBody body = read("{FrmJeu|un}\n\n- {web:dgac|deux} {FrmTip|trois}");
  ASSERT_EQ(body.links.size(), 3u);
  EXPECT_EQ(body.links[0].caption, "un");
  EXPECT_EQ(body.links[2].target, (LinkTarget{LinkTarget::Kind::Page, "FrmTip"}));
  EXPECT_EQ(body.paragraphs[1][0].runs[2].link, 2);
}

TEST(TextPage, ReadsItsWindows1252FileAndShowsALinkToNoPageAsText) {
  TempFolder folder;
  folder.write("aide/FrmJeu.txt", "; le jeu\nLe dé à six faces.\n\n{FrmEvaluation|Evaluation} {FrmNulle|rien} {web:inconnu|ni ceci}");
  const TextPage page(*helpPage("FrmJeu"), ProgramFolder(folder.path()));
  EXPECT_EQ(page.heading(), "Jeu de l'Oie");
  ASSERT_EQ(page.paragraphs().size(), 2u);
  EXPECT_EQ(page.paragraphs()[0][0].runs[0].text, "Le dé à six faces.");
  ASSERT_EQ(page.links().size(), 1u);
  const auto& runs = page.paragraphs()[1][0].runs;
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].link, 0);
  EXPECT_EQ(runs[1].text, " rien ni ceci");
}

TEST(TextPage, AMissingOrEmptyBodyFileShowsANoticeInThePage) {
  for (const char* body : {static_cast<const char*>(nullptr), "", "; vide\n\n"}) {
    SCOPED_TRACE(body ? body : "missing");
    TempFolder folder;
    if (body) folder.write("aide/FrmTirage.txt", body);
    const TextPage page(*helpPage("FrmTirage"), ProgramFolder(folder.path()));
    ASSERT_EQ(page.paragraphs().size(), 1u);
    EXPECT_EQ(page.paragraphs()[0][0].runs[0].text,
              "Le texte de cette page est introuvable : le fichier aide\\FrmTirage.txt est absent ou vide dans le "
              "dossier du programme.");
    EXPECT_TRUE(page.links().empty());
  }
}

}  // namespace
}  // namespace ventelle
