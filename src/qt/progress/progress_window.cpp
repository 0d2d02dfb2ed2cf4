#include "qt/progress/progress_window.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "qt/progress/progress_charts.h"

namespace ventelle {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// "2026-12-05T10:00:00+01:00" as "05/12/2026 10:00".
QString frenchTime(const std::string& isoTime) {
  const QDateTime time = QDateTime::fromString(QString::fromStdString(isoTime), Qt::ISODate);
  return time.isValid() ? time.toString(QStringLiteral("dd/MM/yyyy HH:mm")) : QString::fromStdString(isoTime);
}

QString percent(double share) { return QString::number(std::lround(100 * share)) + QStringLiteral(" %"); }

QTableWidget* table(const char* name, const QString& title, const QStringList& headers, QWidget* parent) {
  auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
  t->setObjectName(QString::fromLatin1(name));
  t->setAccessibleName(title);
  t->setHorizontalHeaderLabels(headers);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->verticalHeader()->hide();
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  t->horizontalHeader()->setStretchLastSection(true);
  return t;
}

void addRow(QTableWidget* t, const QStringList& cells) {
  const int row = t->rowCount();
  t->insertRow(row);
  for (int c = 0; c < cells.size(); ++c) t->setItem(row, c, new QTableWidgetItem(cells[c]));
}

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

QString documentsFile(const QString& name) {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/') + name;
}

}  // namespace

ProgressWindow::ProgressWindow(MainWindowModel& model, QWidget* parent)
    : QDialog(parent), model_(model), view_(model.progressView()) {
  setObjectName(QStringLiteral("FrmProgres"));
  setWindowTitle(q(view_.title));
  auto* layout = new QVBoxLayout(this);
  auto* chance = new QLabel(q(view_.chance), this);
  chance->setObjectName(QStringLiteral("Chance"));
  chance->setWordWrap(true);
  QFont big = chance->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.25);
  chance->setFont(big);
  layout->addWidget(chance);

  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("Onglets"));
  tabs->setAccessibleName(QStringLiteral("Vues des progrès"));
  tabs->addTab(buildCharts(), QStringLiteral("&Graphiques"));
  tabs->addTab(buildTables(), QStringLiteral("&Tableaux"));
  tabs->addTab(buildMissed(), QStringLiteral("Questions &manquées"));
  layout->addWidget(tabs, 1);

  auto* buttons = new QDialogButtonBox(this);
  auto* charts = buttons->addButton(QStringLiteral("Exporter les &graphiques (PNG)..."), QDialogButtonBox::ActionRole);
  charts->setObjectName(QStringLiteral("ExportGraphiques"));
  auto* journal = buttons->addButton(QStringLiteral("Exporter le &journal (CSV)..."), QDialogButtonBox::ActionRole);
  journal->setObjectName(QStringLiteral("ExportJournal"));
  auto* close = buttons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole);
  close->setObjectName(QStringLiteral("Fermer"));
  connect(charts, &QPushButton::clicked, this, &ProgressWindow::askChartsFile);
  connect(journal, &QPushButton::clicked, this, &ProgressWindow::askJournalFile);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(sizeHint().expandedTo(QSize(800, 760)));
}

QWidget* ProgressWindow::buildCharts() {
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("Graphiques"));
  scroll->setWidgetResizable(true);
  auto* charts = new ProgressCharts(view_, scroll);
  charts->setAccessibleName(QStringLiteral("Graphiques des progrès"));
  charts->setAccessibleDescription(QStringLiteral("Les mêmes chiffres sont dans l'onglet Tableaux"));
  scroll->setWidget(charts);
  return scroll;
}

QWidget* ProgressWindow::buildTables() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("Tableaux"));
  auto* layout = new QVBoxLayout(page);
  auto* days = table("TableChance", QStringLiteral("Chance de réussite par jour"),
                     {QStringLiteral("Jour"), QStringLiteral("Chance"), QStringLiteral("Marge (±)")}, page);
  for (const auto& day : view_.chanceHistory)
    addRow(days, {frenchTime(day.day).left(10), QString::number(day.percent) + QStringLiteral(" %"), QString::number(day.margin)});
  auto* marks = table("TableNotes", QStringLiteral("Notes des questionnaires complets"),
                      {QStringLiteral("Date"), QStringLiteral("Note sur 20")}, page);
  for (const auto& mark : view_.marks) addRow(marks, {frenchTime(mark.time), QString::number(mark.outOf20)});
  auto* chapters = table("TableChapitres", QStringLiteral("Réussite estimée par chapitre"),
                         {QStringLiteral("Chapitre"), QStringLiteral("Réussite"), QStringLiteral("Intervalle à 80 %"),
                          QStringLiteral("Questions vues"), QStringLiteral("Réponses")},
                         page);
  for (const auto& row : view_.chapters) {
    const Readiness& r = row.readiness;
    addRow(chapters, {q(row.caption), percent(r.chance), percent(r.low) + QStringLiteral(" à ") + percent(r.high),
                      percent(r.seenShare), QString::number(r.answers)});
  }
  layout->addWidget(caption(QStringLiteral("Chance de réussite par &jour"), days, page));
  layout->addWidget(days);
  layout->addWidget(caption(QStringLiteral("&Notes des questionnaires complets"), marks, page));
  layout->addWidget(marks);
  layout->addWidget(caption(QStringLiteral("Réussite par &chapitre"), chapters, page));
  layout->addWidget(chapters);
  return page;
}

QWidget* ProgressWindow::buildMissed() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("Manquees"));
  auto* layout = new QVBoxLayout(page);
  missedList_ = new QListWidget(page);
  missedList_->setObjectName(QStringLiteral("ListeManquees"));
  missedList_->setAccessibleName(QStringLiteral("Les dix questions les plus souvent manquées ces derniers temps"));
  missedList_->setWordWrap(true);
  for (const auto& row : view_.missed) missedList_->addItem(q(row.label) + QStringLiteral("\n") + q(row.text));
  missedDetail_ = new QLabel(page);
  missedDetail_->setObjectName(QStringLiteral("DetailManquee"));
  missedDetail_->setWordWrap(true);
  missedDetail_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  missedDetail_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  missedDetail_->setAccessibleName(QStringLiteral("Bonne réponse et commentaire"));
  missedDetail_->setText(view_.missed.empty() ? QStringLiteral("Aucune question manquée ces derniers temps.")
                                              : QStringLiteral("Cliquez sur une question pour voir sa bonne réponse."));
  connect(missedList_, &QListWidget::currentRowChanged, this, &ProgressWindow::showMissed);
  layout->addWidget(caption(QStringLiteral("Questions les plus &souvent manquées parmi les %1 dernières réponses").arg(kRecentAnswers), missedList_, page));
  layout->addWidget(missedList_, 2);
  layout->addWidget(missedDetail_, 1);
  return page;
}

void ProgressWindow::showMissed(int row) {
  if (row < 0 || row >= static_cast<int>(view_.missed.size())) return;
  missedDetail_->setText(q(view_.missed[static_cast<std::size_t>(row)].detail));
}

bool ProgressWindow::exportCharts(const QString& file) const {
  QImage image(800, 840, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font());
  paintProgressCharts(painter, image.rect().adjusted(12, 12, -12, -12), view_);
  painter.end();
  return image.save(file, "PNG");
}

std::optional<std::string> ProgressWindow::exportJournal(const QString& file) const {
  return model_.exportJournal(file.toStdString());
}

void ProgressWindow::askChartsFile() {
  const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Exporter les graphiques"),
                                                    documentsFile(QStringLiteral("mes-progres.png")),
                                                    QStringLiteral("Images PNG (*.png)"));
  if (!file.isEmpty() && !exportCharts(file))
    QMessageBox::warning(this, QStringLiteral("Ecriture impossible"),
                         QStringLiteral("L'image \"%1\" n'a pas pu être écrite.").arg(QFileInfo(file).fileName()));
}

void ProgressWindow::askJournalFile() {
  const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Exporter le journal"),
                                                    documentsFile(QStringLiteral("journal.csv")),
                                                    QStringLiteral("Fichiers CSV (*.csv)"));
  if (file.isEmpty()) return;
  if (const auto problem = exportJournal(file))
    QMessageBox::warning(this, QStringLiteral("Ecriture impossible"), q(*problem));
}

void openProgressWindow(MainWindowModel& model, QWidget* mainWindow) {
  auto* window = new ProgressWindow(model, mainWindow);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setModal(true);
  window->show();
}

}  // namespace ventelle
