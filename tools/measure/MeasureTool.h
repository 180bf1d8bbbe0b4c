#pragma once
// saruvi-measure's command line: options, the single measurement or the batch, exit status.

#include <iosfwd>
#include <string>
#include <vector>

struct TToolStreams {
    std::istream& In;
    std::ostream& Out;
    std::ostream& Err;
    // Whether Err is a terminal, where a batch shows its progress.
    bool ErrIsTerminal = false;
};

// Exit status: 0 when everything was measured, 1 when an image or a row failed, 2 when the
// command line was wrong.
int RunMeasureTool(const std::vector<std::string>& args, const TToolStreams& io);
