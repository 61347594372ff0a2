// The GLUT input callbacks: one key is one command.
#pragma once

#include <cstddef>
#include <vector>

// Keyboard callback; start-up and the menu replay commands through it.
void keyboard(unsigned char key, int x, int y);

// Whether the key ends the program.
bool key_quits(unsigned char key);

// Special-key callback: camera flight, zoom, pitch and the favourite view.
void special_keys(int key, int x, int y);
// The same command with Shift given by the caller: the toolkit reports the
// modifiers only inside its own input callbacks.
void special_key(int key, bool shift);
// The code of the command key of this name ("PageUp", any case), or -1.
int special_key_named(const char* name, size_t length);
// Every name that special_key_named knows, in the order of the commands.
std::vector<const char*> special_key_names();

// The keys of each letter command and its line of the help text (null for a
// command the help leaves out), in the order of the help text; for the
// companions that list the commands.
struct KeyCommandKeys {
    const char* keys;
    const char* help;
};
std::vector<KeyCommandKeys> key_command_keys();

// The help text, as printed by '?'.
void print_help();
