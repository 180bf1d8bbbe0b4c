#pragma once
// Registers the framework's own component classes so that stored forms can name them. Safe to
// call more than once.

void RegisterStandardClasses();
