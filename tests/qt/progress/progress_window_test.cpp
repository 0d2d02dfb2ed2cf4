#include "qt/progress/progress_window.h"

#include "qt/shell_checks.h"

namespace ventelle {
namespace {

TEST_F(LargeDesktopFont, MesProgresOpensOnTheModelsFiguresWholeByKeyboardAndExportsItsCharts) {
  ShownMainWindow f;
  for (int k = 0; k < 3; ++k) {
    f.child<QPushButton>("Question")->click();  // marked with nothing ticked: missed
    f.child<QPushButton>("Question")->click();
  }
  EXPECT_NE(f.child("Partie1")->toolTip().indexOf(QStringLiteral("Réussite estimée : ")), -1);
  f.menu("mnuProgres");
  auto* window = f.window.findChild<ProgressWindow*>();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  EXPECT_EQ(findControl<QLabel>(*window, "Chance")->text().toStdString(), f.model.progressView().chance);

  auto* tabs = findControl<QTabWidget>(*window, "Onglets");
  for (int tab = 0; tab < tabs->count(); ++tab) {
    tabs->setCurrentIndex(tab);
    EXPECT_GE(expectLaidOut(*window, tabs->tabText(tab).toStdString()), 6);
  }
  EXPECT_EQ(findControl<QTableWidget>(*window, "TableChapitres")->rowCount(),
            static_cast<int>(f.model.progressView().chapters.size()));
  auto* missed = findControl<QListWidget>(*window, "ListeManquees");
  EXPECT_EQ(missed->count(), 3);
  missed->setFocus();
  QTest::keyClick(missed, Qt::Key_Down);
  EXPECT_TRUE(findControl<QLabel>(*window, "DetailManquee")->text().startsWith(QStringLiteral("Bonne(s) réponse(s) :")));

  const TempFolder folder;
  const QString png = QString::fromStdString((folder.path() / "progres.png").string());
  ASSERT_TRUE(window->exportCharts(png));
  EXPECT_EQ(QImage(png).size(), QSize(800, 840));
  EXPECT_FALSE(window->exportCharts(QString::fromStdString((folder.path() / "absent" / "p.png").string())));
  findControl<QPushButton>(*window, "Fermer")->click();
}

}  // namespace
}  // namespace ventelle
