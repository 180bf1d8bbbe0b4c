#pragma once
// Registers the framework's own component classes (forms, menus, timers and the standard
// controls) so that stored forms can name them. A program calls it at start-up, before it reads
// a form; safe to call more than once.

void RegisterStandardClasses();
