// What must hold after every pass of the frame loop, whatever the user did.
#pragma once

namespace fuzz {

// Notes the fields that no screen writes, right before the pass clears and draws the frame.
void note_before_drawing();

// Checks the instrument state right after the pass's screen ran and its frame was presented.
// On a violation it prints what broke, with the screen and the value, and aborts.
void check_after_pass();

}  // namespace fuzz
