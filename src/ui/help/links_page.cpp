#include "ui/help/links_page.h"

#include "ui/help/help_texts.h"
#include "ui/help/links.h"

namespace ventelle {

LinksPage::LinksPage(const ProgramFolder& folder) {
  const LinkBook book(folder);
  const auto web = [&](const char* caption, std::string_view key) {
    return LinkLabel{caption, {LinkTarget::Kind::Web, std::string(key), book.address(key)}};
  };
  const std::string mail = contactAddress(book.address(kProgramMailKey), help_texts::kLinkRequestSubject);
  links_ = {
      web("Para 2000 (Liens FFVL)", "para2000"),
      web("Ligue de Vol Libre de la Réunion", "liguereunion"),
      web("Club Parapangue (Réunion)", "parapangue"),
      web("Ecole Azurtech (Réunion)", "azurtech"),
      web("Mathieu : Météo Parapente (Réunion)", "meteoreunion"),
      web("Ecole Cumulus (Gerardmer)", "cumulus"),
      {"contactez moi !", {LinkTarget::Kind::Web, std::string(kProgramMailKey), mail}},
      web("Framalibre", "framalibre"),
      web("Flathub", "flathub"),
      web("Club Les Dodos Volants (Réunion)", "dodos"),
      web("Association APPULMA", "appulma"),
      web("Club ASVLR (Réunion)", "asvlr"),
      web("Constructeur Bio Air Technologie (Bionic)", "bionic"),
      web("SourceForge", "sourceforge"),
      web("Ecole Airanx (Réunion)", "airanx"),
  };
}

const std::vector<int>& LinksPage::supporterLinks() {
  static const std::vector<int> links = {0, 1, 2, 3, 4, 5, 9, 10, 11, 12, 14};
  return links;
}

int LinksPage::contactLink() { return 6; }

const std::vector<int>& LinksPage::downloadLinks() {
  static const std::vector<int> links = {7, 8, 13};
  return links;
}

}  // namespace ventelle
