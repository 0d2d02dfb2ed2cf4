#pragma once
// What a print command asks to print, as plain data: the shell turns it into
// pages on a printer or a PDF, and may draw it as often as a preview needs.
#include <string>
#include <vector>

#include "print/print_device.h"

namespace ventelle {

struct PrintedPicture {
  std::string path;  // a file that reads; empty when the question prints without picture
  double widthMm = 0;
  double heightMm = 0;
};

struct PrintedQuestion {
  std::string text;
  PrintedPicture picture;
  std::vector<std::string> answers;  // in the order shown, at most 5
  std::vector<int> points;           // of each answer, rounded to whole numbers
};

// A questionnaire composed for print, or just its titles and grid shape for
// blank answer sheets.
struct PrintedQuestionnaire {
  std::string title;     // PrintTitle, "QCM Parapente v2004 (FFVL)"
  std::string subtitle;  // PrintSubtitle
  int gridColumns = 0;
  int gridRows = 0;
  bool federationExam = false;  // the correction grid shows each answer's points
  std::vector<PrintedQuestion> questions;
  std::string paperCode;  // printed in the footer of every page; empty for blank sheets
};

struct PrintedErrorReport {
  std::string userName;  // as shown: "Utilisateur par défaut" for the default user
  std::string title;     // after "Historique des erreurs sur le QCM "
  std::string subtitle;  // may be empty
  std::vector<std::string> chapterNames;  // one per report chapter
  std::vector<std::string> lines;         // the chapter's error list, same count
};

enum class DocumentKind { Questionnaires, AnswerSheets, CorrectionGrid, ErrorReport };

struct PrintJob {
  DocumentKind kind = DocumentKind::Questionnaires;
  std::string documentName;  // shown by the print dialog and used for a PDF's name
  int copies = 1;            // every copy in the one document, page numbers restarting
  PrintedQuestionnaire questionnaire;
  PrintedErrorReport report;
};

// Draws every page of the job. Pure: the same job draws the same pages each
// time, asks nothing and changes nothing but the device.
void drawDocument(PrintDevice& device, const PrintJob& job);

}  // namespace ventelle
