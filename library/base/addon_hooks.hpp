// addon_hooks.hpp - what the library's start-up (WInitialise) and the root window's close
// (WindowClose) ask of the layers above them that keep words of their own (the dialog manager and
// the add-ons): one record of hooks per owner, which it installs when the library is assembled.
// An owner without its record is skipped.
#pragma once

#include "base/startup_internal.hpp"

// The owners that take part in start-up and close. At each moment their hooks run in this order,
// lowest layer first: the dialog manager, hardcopy, images, the editor.
enum AddonHooksOwner { HooksDialogs, HooksHardcopy, HooksImages, HooksEditor, AddonHooksOwners };

// The moments, in the order a run meets them; an entry left null does nothing then.
struct AddonHooks {
    // WInitialise setting its defaults: the add-on's clean slate.
    void (*startupDefaults)() = nullptr;
    // WInitialise after the options file was read: what it chose for the add-on (0 where none).
    void (*startupChoices)(const OptionsFileChoices& choices) = nullptr;
    // WindowClose, before anything of the root window goes.
    void (*closeStarting)() = nullptr;
    // WindowClose, the screen's drawing objects deleted and every window still there.
    void (*windowsClosing)() = nullptr;
    // WindowClose, every window gone and the root window closed.
    void (*closeEnded)() = nullptr;
};

// Installs an add-on's record, replacing the one before.
void yysetaddonhooks(AddonHooksOwner owner, const AddonHooks& hooks);
// True once the add-on installed its record.
bool yyaddonhooksfilled(AddonHooksOwner owner);
// Runs one moment's hooks (`&AddonHooks::closeStarting`, ...) add-on by add-on.
void yyrunaddonhooks(void (*AddonHooks::*moment)());
// Runs every add-on's startupChoices with the options file's choices.
void yyrunaddonchoices(const OptionsFileChoices& choices);
