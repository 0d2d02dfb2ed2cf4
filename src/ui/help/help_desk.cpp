#include "ui/help/help_desk.h"

#include "ui/help/links.h"

namespace ventelle {

// One event of a help window: the windows it activates meanwhile (a message
// box it shows) close nothing.
class HelpDesk::Event {
 public:
  explicit Event(HelpDesk& desk) : desk_(desk) { ++desk_.running_; }
  ~Event() { --desk_.running_; }
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

 private:
  HelpDesk& desk_;
};

HelpDesk::HelpDesk(const ProgramFolder& folder, RandomSource& random, Desktop& desktop, Dialogs& dialogs)
    : folder_(folder), random_(random), desktop_(desktop), dialogs_(&dialogs) {
  pagePlace_ = centred(kHelpWindowWidth, kHelpWindowHeight);
}

void HelpDesk::setScreenSize(int width, int height) {
  screenWidth_ = width;
  screenHeight_ = height;
  if (!index_) pagePlace_ = centred(kHelpWindowWidth, kHelpWindowHeight);
}

// Left = (screen width - window width) / 2, and the same for the top.
WindowPlace HelpDesk::centred(int width, int height) const {
  return {(screenWidth_ - width) / 2, (screenHeight_ - height) / 2, width, height};
}

bool HelpDesk::menuCommand(const std::string& item) {
  const Event event(*this);
  if (item == "mnuIndex") {
    openIndex();
  } else if (item == "mnuLexique") {
    openIndex();
    openPage(*helpPage("FrmLexique"));
  } else if (item == "mnuAstuces") {
    openIndex();
    openPage(*helpPage("FrmTip"));
  } else if (item == "mnuApropos") {
    openAbout();
  } else {
    return false;
  }
  return true;
}

void HelpDesk::openLexicon(const std::string& word) {
  const Event event(*this);
  openIndex();
  openPage(*helpPage("FrmLexique"), word);
}

void HelpDesk::openIndex() {
  pagePlace_ = centred(kHelpWindowWidth, kHelpWindowHeight);
  if (!index_) index_ = OpenWindow{{}, ++openings_};
  index_->place = pagePlace_;
}

// The page replaces the one open, if any.
void HelpDesk::openPage(const HelpPageEntry& entry, const std::string& word) {
  const auto content = [&]() -> PageContent {
    switch (entry.kind) {
      case PageKind::Links: return LinksPage(folder_);
      case PageKind::Lexicon: return LexiconWindow(folder_, word);
      case PageKind::Tips: return TipWindow(folder_, random_);
      case PageKind::Text: break;
    }
    return TextPage(entry, folder_);
  };
  page_.reset();
  page_.emplace(OpenPage{{pagePlace_, ++openings_}, &entry, content()});
}

void HelpDesk::openAbout() {
  if (!about_) about_ = OpenAbout{{centred(kAboutWidth, kAboutHeight), ++openings_}, AboutWindow(folder_)};
}

void HelpDesk::indexEntryClick(int entry) {
  const Event event(*this);
  if (index_ && entry >= 1 && entry <= kIndexEntries) openPage(helpPages()[entry - 1]);
}

void HelpDesk::indexButtonClick() {
  const Event event(*this);
  openIndex();
  page_.reset();
}

void HelpDesk::quitClick(HelpWindowId window) {
  const Event event(*this);
  switch (window) {
    case HelpWindowId::Index: index_.reset(); break;
    case HelpWindowId::Page: page_.reset(); break;
    case HelpWindowId::About: about_.reset(); break;
  }
}

void HelpDesk::linkClick(HelpWindowId window, int link) {
  const Event event(*this);
  std::optional<LinkTarget> target;
  if (window == HelpWindowId::About && about_ && link == 0) {
    target = about_->content.web().target;
  } else if (window == HelpWindowId::Page && page_) {
    std::visit(
        [&](const auto& content) {
          if constexpr (requires { content.links(); }) {
            if (link >= 0 && link < static_cast<int>(content.links().size())) target = content.links()[link].target;
          }
        },
        page_->content);
  }
  if (target) follow(*target);
}

// A web link opens the address its window read when it opened; one without
// an address is plain text and does nothing.
void HelpDesk::follow(const LinkTarget& target) {
  switch (target.kind) {
    case LinkTarget::Kind::Page:
      if (const auto* entry = helpPage(target.key)) openPage(*entry);
      break;
    case LinkTarget::Kind::Web: openLink(desktop_, *dialogs_, target.address); break;
  }
}

void HelpDesk::mouseOverLink(HelpWindowId window, int link) {
  if (window == HelpWindowId::About && about_) {
    about_->content.mouseOverLink();
  } else if (window == HelpWindowId::Page && page_) {
    if (auto* text = std::get_if<TextPage>(&page_->content)) text->mouseOverLink(link);
    if (auto* links = std::get_if<LinksPage>(&page_->content)) links->mouseOverLink(link);
  }
}

void HelpDesk::mouseOverBackground(HelpWindowId window) {
  if (window == HelpWindowId::About && about_) {
    about_->content.mouseOverBackground();
  } else if (window == HelpWindowId::Page && page_) {
    if (auto* text = std::get_if<TextPage>(&page_->content)) text->mouseOverText();
    if (auto* links = std::get_if<LinksPage>(&page_->content)) links->mouseOverBackground();
  }
}

void HelpDesk::lexiconEntryClick(std::size_t entry) {
  if (!page_) return;
  if (auto* lexicon = std::get_if<LexiconWindow>(&page_->content)) lexicon->select(entry);
}

void HelpDesk::nextTipClick() {
  if (!page_) return;
  if (auto* tips = std::get_if<TipWindow>(&page_->content)) tips->next();
}

int HelpDesk::openingOf(ActiveWindow window) const {
  switch (window) {
    case ActiveWindow::Index: return index_ ? index_->opening : 0;
    case ActiveWindow::Page: return page_ ? page_->opening : 0;
    case ActiveWindow::About: return about_ ? about_->opening : 0;
    case ActiveWindow::Other:
    case ActiveWindow::None: break;
  }
  return 0;
}

void HelpDesk::closeOpening(int opening) {
  if (index_ && index_->opening == opening) index_.reset();
  if (page_ && page_->opening == opening) page_.reset();
  if (about_ && about_->opening == opening) about_.reset();
}

// A window that was never active does not close: a late activation of the
// main window, once its menu has opened a help window, closes nothing.
void HelpDesk::activated(ActiveWindow window) {
  if (running_ > 0) return;
  const int now = openingOf(window);
  // Another program, or a help window already closed (a late activation):
  // nothing changes.
  if (now == 0 && window != ActiveWindow::Other) return;
  if (window == ActiveWindow::Page && page_) index_.reset();
  if (lastActive_ != 0 && lastActive_ != now) closeOpening(lastActive_);
  lastActive_ = now;
}

}  // namespace ventelle
