// What happens when the window is closed.
#pragma once

#include <functional>
#include <span>

#include "text/text.h"

namespace sweep {

// Opens a web address in the user's browser; failures are ignored. Tests put a recorder
// in its place.
using AddressOpener = std::function<void(const Text& address)>;

// The two addresses opened on closing, in order (set when the program is built).
std::span<const char* const> ClosingAddresses();

// The close query: opens both addresses in order. It never refuses the close.
void OnMainWindowClosing(const AddressOpener& open);

// The exit step: releases the texts the program keeps for its whole life.
void ExitStep();

}  // namespace sweep
