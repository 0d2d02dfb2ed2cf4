#pragma once
// Where a question of a saved questionnaire stands in today's chapter file.
// A line saved with the question's name finds it by that name; an older line
// finds it through the previous edition of the banks.
#include <optional>

#include "bank/previous_edition.h"
#include "ui/window/window_context.h"
#include "users/questionnaire_lines.h"

namespace ventelle {

// The question's place today, or nothing when it has gone or another
// question now stands under its name.
std::optional<int> placeToday(WindowContext& ctx, const PreviousEdition& edition, const SavedQuestion& saved);

}  // namespace ventelle
