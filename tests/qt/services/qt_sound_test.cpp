// Sounds play through one kept effect per file, a new one stops the last,
// and nothing ever waits on them.
#include "qt/services/qt_sound.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSoundEffect>
#include <QUrl>

namespace ventelle {
namespace {

class QtSoundTest : public ::testing::Test {
 protected:
  static QUrl gameFile(const char* name) {
    return QUrl::fromLocalFile(QString::fromStdString((std::filesystem::path(VENTELLE_DATA_DIR) / "jeu" / name).string()));
  }

  QtSound sound{ProgramFolder(VENTELLE_DATA_DIR)};
};

TEST_F(QtSoundTest, EachFileKeepsItsEffectAndANewSoundStopsTheLast) {
  QElapsedTimer clock;
  clock.start();
  sound.play("jeu/dé.wav");
  const QSoundEffect* die = sound.current();
  ASSERT_NE(die, nullptr);
  EXPECT_EQ(die->source(), gameFile("dé.wav"));

  sound.play("jeu/gong.wav");
  ASSERT_NE(sound.current(), nullptr);
  EXPECT_NE(sound.current(), die);
  EXPECT_EQ(sound.current()->source(), gameFile("gong.wav"));
  EXPECT_FALSE(die->isPlaying()) << "the die still sounds under the gong";

  sound.play("jeu/dé.wav");
  EXPECT_EQ(sound.current(), die) << "the die's effect is made again";
  // With or without a sound device, playing never holds the game up.
  EXPECT_LT(clock.elapsed(), 2000);
}

TEST_F(QtSoundTest, AMissingFileStopsTheLastSoundAndPlaysNothing) {
  sound.play("jeu/gong.wav");
  const QSoundEffect* gong = sound.current();
  ASSERT_NE(gong, nullptr);
  sound.play("jeu/absent.wav");
  EXPECT_EQ(sound.current(), nullptr);
  EXPECT_FALSE(gong->isPlaying());
  sound.play("pas/de/dossier.wav");
  EXPECT_EQ(sound.current(), nullptr);
}

// The folder's names come from a world that ignores case.
TEST_F(QtSoundTest, FindsAFileWhateverItsCase) {
  sound.play("JEU/GONG.WAV");
  ASSERT_NE(sound.current(), nullptr);
  EXPECT_EQ(sound.current()->source(), gameFile("gong.wav"));
}

}  // namespace
}  // namespace ventelle
