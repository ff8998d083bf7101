// addon_hooks.cpp - the add-ons' start-up and close hooks, kept by the base and run in the fixed
// order of AddonHooksOwner.
#include "base/addon_hooks.hpp"

#include <array>
#include <cassert>

namespace {

std::array<AddonHooks, AddonHooksOwners> hooksOf;
std::array<bool, AddonHooksOwners> installed = {};

bool validOwner(AddonHooksOwner owner) { return owner >= 0 && owner < AddonHooksOwners; }

}  // namespace

void yysetaddonhooks(AddonHooksOwner owner, const AddonHooks& hooks) {
    assert(validOwner(owner));
    if (!validOwner(owner)) return;
    hooksOf[static_cast<std::size_t>(owner)] = hooks;
    installed[static_cast<std::size_t>(owner)] = true;
}

bool yyaddonhooksfilled(AddonHooksOwner owner) {
    return validOwner(owner) && installed[static_cast<std::size_t>(owner)];
}

void yyrunaddonhooks(void (*AddonHooks::*moment)()) {
    for (const AddonHooks& hooks : hooksOf)
        if (hooks.*moment != nullptr) (hooks.*moment)();
}

void yyrunaddonchoices(const OptionsFileChoices& choices) {
    for (const AddonHooks& hooks : hooksOf)
        if (hooks.startupChoices != nullptr) hooks.startupChoices(choices);
}
