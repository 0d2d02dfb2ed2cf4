#include "ui/quiz/user_mistakes.h"

#include "ui/window/messages.h"
#include "users/profile_store.h"

namespace ventelle {
namespace {

ProfileStore store(const WindowContext& ctx) { return ProfileStore(ctx.library.folder()); }

// After a read of the active user's profile by the marking or a re-ask: an
// unreadable profile is told once, until a read succeeds again.
void noteRead(WindowContext& ctx, ProfileFault fault) {
  const bool unreadable = fault == ProfileFault::Unreadable;
  if (unreadable && !ctx.profileReadFailing)
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kReadFailedTitle,
                        messages::unreadableProfileMistakes(profileFileName(ctx, ctx.activeUserName)));
  ctx.profileReadFailing = unreadable;
}

}  // namespace

std::string profileFileName(const WindowContext& ctx, const std::string& user) {
  return store(ctx).pathOf(user).filename().string();
}

void tellUnwritable(WindowContext& ctx, const std::string& user) {
  ctx.dialogs.message(MessageIcon::Exclamation, messages::kWriteFailedTitle,
                      messages::unwritableProfile(profileFileName(ctx, user)));
}

void writeMistakes(WindowContext& ctx) {
  const ProfileFault fault = store(ctx).rewriteErrors(ctx.activeUserName, ctx.errors);
  noteRead(ctx, fault);
  if (fault == ProfileFault::Unreadable) return;
  const bool written = fault == ProfileFault::None;
  // Told once, not after every question, until a write succeeds again.
  if (!written && !ctx.profileWriteFailing) tellUnwritable(ctx, ctx.activeUserName);
  ctx.profileWriteFailing = !written;
}

std::string reaskList(WindowContext& ctx, int chapter) {
  const auto list = store(ctx).errorList(ctx.activeUserName, ctx.examIndex, chapter);
  noteRead(ctx, list.fault);
  return list ? *list : ctx.errors.list({ctx.examIndex, chapter});
}

}  // namespace ventelle
