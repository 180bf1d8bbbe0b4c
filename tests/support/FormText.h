#pragma once
// Form descriptions of a given shape, as the writer lays them out, for tests and benchmarks that
// read large forms.

#include <string>

// A TForm named Form1 holding count controls side by side, labels and panels in turn, each with
// a position, a size and a caption.
std::string WideFormText(int count);
// A TForm named Form1 holding chains panels, each holding the next one depth times over.
std::string DeepFormText(int chains, int depth);
