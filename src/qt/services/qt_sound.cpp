#include "qt/services/qt_sound.h"

#include <QSoundEffect>
#include <QUrl>
#include <filesystem>

namespace ventelle {

QtSound::QtSound(ProgramFolder folder) : folder_(std::move(folder)) {}

QtSound::~QtSound() = default;

void QtSound::play(const std::string& programPath) {
  if (current_) current_->stop();
  current_ = nullptr;
  auto found = effects_.find(programPath);
  if (found == effects_.end()) {
    const std::filesystem::path file = folder_.resolve(programPath);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return;  // looked for again next time
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    found = effects_.emplace(programPath, std::move(effect)).first;
  }
  current_ = found->second.get();
  current_->play();
}

}  // namespace ventelle
