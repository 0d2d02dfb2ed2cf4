#include "ui/main/command_line.h"

#include "core/version.h"

namespace ventelle {
namespace {

std::string versionText() { return "Ventelle " + std::string(kVersion) + "\n"; }

std::string helpText() {
  return "Usage : ventelle [OPTION]\n"
         "Entraînement aux examens théoriques des pilotes : vol libre (parapente, delta),\n"
         "ULM, vol à voile et pilote privé avion.\n"
         "\n"
         "  --help     affiche cette aide et quitte\n"
         "  --version  affiche la version et quitte\n"
         "\n"
         "Les autres arguments sont laissés à Qt (par exemple -platform).\n"
         "Un programme installé garde les profils des utilisateurs et les fichiers\n"
         "qu'il écrit dans ~/.local/share/Ventelle.\n";
}

}  // namespace

std::optional<std::string> answerCommandLine(const std::vector<std::string>& arguments) {
  for (const auto& argument : arguments) {
    if (argument == "--version") return versionText();
    if (argument == "--help") return helpText();
  }
  return std::nullopt;
}

}  // namespace ventelle
