#include "ui/profile/default_user_notice.h"

#include "ui/window/messages.h"

namespace ventelle {

bool tellDefaultUserOfReset(WindowContext& ctx) {
  if (ctx.activeUserName != kDefaultUser || ctx.defaultUserWarned) return false;
  ctx.defaultUserWarned = true;
  return ctx.dialogs.messageWithButton(MessageIcon::Information, messages::kDefaultUserSavedTitle,
                                       messages::kDefaultUserSaved, messages::kUserManagementButton);
}

}  // namespace ventelle
