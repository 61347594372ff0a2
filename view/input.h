// The GLUT input callbacks: one key is one command.
#pragma once

// Keyboard callback; start-up and the menu replay commands through it.
void keyboard(unsigned char key, int x, int y);

// Special-key callback: camera flight, zoom, pitch and the favourite view.
void special_keys(int key, int x, int y);

// The help text, as printed by '?'.
void print_help();
