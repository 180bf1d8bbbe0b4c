#pragma once
// The fixture for tests of the program's windows: the program started as its entry starts it
// (on the headless host), the main window shown, and helpers that act as its user does.

#include "tests/support/BmpFile.h"
#include "tests/support/FrameworkTest.h"

#include <string>
#include <utility>
#include <vector>

class SaruviTest : public FrameworkTest {
protected:
    SaruviTest();

    // Writes a 24-bit BMP file of the given size in background, with the rectangles painted
    // over it in order; returns its path.
    std::string WriteBmp(const std::string& name, int width, int height, TColor background,
                         const std::vector<TFilledRect>& rects = {});
    // Writes a file that is no bitmap.
    std::string WriteFile(const std::string& name, const std::string& content);

    // Clicks "Load Bitmap Image" and chooses path in the file dialog (cancels without one).
    void Load(const std::string& path);
    void CancelLoad();
    void ClickImage(int x, int y, TMouseButton button = mbLeft);
    void PressStart();
    // Loads, clicks the seed and presses "Start !".
    void Measure(const std::string& path, TPoint seed);

    std::vector<std::string> Log() const;
    std::string LastLogLine() const;
    // The colour the screen shows at an image point.
    TColor Shown(int x, int y) const;
    // Red pixels the screen shows over the image control.
    int RedShown() const;

private:
    std::string FDirectory;
};
