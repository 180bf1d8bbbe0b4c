#pragma once
// The designer's edits of a stored form text (FormWriter's JSON): taking some components out as
// a text of their own for the clipboard, putting such a text into a form, leaving components
// out. Each returns a new text; the form reader makes a form of it again.

#include <functional>
#include <string>
#include <vector>

// A description of the form's root with only the named components (each with what is nested
// in it), in the form's order.
std::string ExtractComponents(const std::string& formText, const std::vector<std::string>& names);

// The form text without the named components and what is nested in them.
std::string RemoveComponents(const std::string& formText, const std::vector<std::string>& names);

struct TPasted {
    std::string FormText;
    // The names of the top components of the pasted text, as given in the form.
    std::vector<std::string> Names;
};

// Gives a component of the pasted text a name the form does not have, from its class name and
// the names taken so far: the form's own and those already given.
using TNameGiver =
    std::function<std::string(const std::string& className, const std::vector<std::string>& taken)>;

// Puts the components of pasted (a text that ExtractComponents made, or any form text) into
// the form text, nested in the component named parentName (the form itself when it is the
// root's name); a component whose name the form has is renamed by rename and moved by offset
// pixels right and down, so that a copy does not hide its original. Raises EReadError when
// pasted is not a form description with components.
TPasted InsertComponents(const std::string& formText, const std::string& pasted,
                         const std::string& parentName, const TNameGiver& rename, int offset);
