#pragma once
// Reads a stored form text into a form that is already up, in place of what it holds: the way
// the designer undoes, redoes, pastes and deletes.

#include <string>

class TCustomForm;

// Frees the components the form owns, puts the form's own properties back to their defaults
// (a stored text leaves those out) and reads text, the form's name included. The components read
// are designing when the form is. On a failure the form holds what was read so far; the caller
// reads a good text back.
void ReloadForm(TCustomForm& form, const std::string& text);
