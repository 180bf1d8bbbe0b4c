#include "tools/measure/MeasureTool.h"

#include "framework/platform/qt/ImageFile.h"
#include "tools/measure/ImageMeasurement.h"
#include "tools/measure/MeasureBatch.h"

#include <cstring>
#include <fstream>
#include <optional>
#include <ostream>

namespace {

constexpr const char* UsageText = "usage: saruvi-measure [--paint OUT.png] IMAGE X Y\n"
                                  "       saruvi-measure --csv LIST\n";

constexpr const char* HelpText =
    "Measures the dark region grown from the seed (X, Y) of a BMP image, as Saruvi does.\n"
    "\n"
    "  IMAGE X Y          print the region's pixel count\n"
    "  --paint OUT.png    also write the image with the region in red\n"
    "  --csv LIST         measure every line image,x,y of LIST ('-' for standard input);\n"
    "                     write image,x,y,width,height,pixels,error as CSV. Relative image\n"
    "                     paths are relative to LIST's folder\n"
    "  --help, --version\n"
    "\n"
    "Exit status: 0 when everything was measured, 1 when an image or a row failed, 2 when the\n"
    "command line is wrong.\n";

struct TOptions {
    std::optional<std::string> Csv;
    std::optional<std::string> Paint;
    std::vector<std::string> Operands;
    bool Help = false;
    bool Version = false;
};

// Takes the value of --name VALUE or --name=VALUE at args[i]; false when args[i] is not it.
bool OptionValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
                 std::optional<std::string>& value, std::string& error) {
    const std::string& arg = args[i];
    if (arg.rfind(name + "=", 0) == 0) {
        value = arg.substr(name.size() + 1);
    } else if (arg == name) {
        if (i + 1 == args.size())
            error = name + " needs a value";
        else
            value = args[++i];
    } else {
        return false;
    }
    return true;
}

bool IsOption(const std::string& arg) {
    if (arg.size() < 2 || arg[0] != '-')
        return false;
    // A negative coordinate is an operand, to be refused as outside the image.
    return !ParseCoordinate(arg);
}

std::optional<TOptions> Parse(const std::vector<std::string>& args, std::string& error) {
    TOptions options;
    bool operandsOnly = false;
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        const std::string& arg = args[i];
        if (operandsOnly || !IsOption(arg))
            options.Operands.push_back(arg);
        else if (arg == "--")
            operandsOnly = true;
        else if (arg == "--help" || arg == "-h")
            options.Help = true;
        else if (arg == "--version")
            options.Version = true;
        else if (!OptionValue(args, i, "--csv", options.Csv, error) &&
                 !OptionValue(args, i, "--paint", options.Paint, error))
            error = "unknown option " + arg;
    }
    if (error.empty() && !options.Help && !options.Version) {
        if (options.Csv && (options.Paint || !options.Operands.empty()))
            error = "--csv takes no other operands or options";
        else if (!options.Csv && options.Operands.size() != 3)
            error = "expected IMAGE X Y";
    }
    if (!error.empty())
        return std::nullopt;
    return options;
}

int MeasureOne(const TOptions& options, const TToolStreams& io) {
    const std::string& image = options.Operands[0];
    const std::optional<int> x = ParseCoordinate(options.Operands[1]);
    const std::optional<int> y = ParseCoordinate(options.Operands[2]);
    if (!x || !y) {
        io.Err << "saruvi-measure: X and Y must be integers\n" << UsageText;
        return 2;
    }
    TImageMeasurer measurer;
    const TImageMeasurement m = measurer.Measure(image, {*x, *y});
    if (!m.Error.empty()) {
        io.Err << "saruvi-measure: " << image << ": " << m.Error << "\n";
        return 1;
    }
    if (options.Paint && !platform::WritePng(*options.Paint, measurer.Display().Pixels())) {
        io.Err << "saruvi-measure: " << *options.Paint << ": cannot write PNG\n";
        return 1;
    }
    io.Out << m.Pixels << "\n";
    return 0;
}

int MeasureList(const std::string& list, const TToolStreams& io) {
    std::ifstream file;
    if (list != "-") {
        file.open(list, std::ios::binary);
        if (!file) {
            io.Err << "saruvi-measure: " << list << ": " << std::strerror(errno) << "\n";
            return 1;
        }
    }
    const std::filesystem::path base =
        list == "-" ? std::filesystem::path() : std::filesystem::path(list).parent_path();
    TBatchProgress progress;
    if (io.ErrIsTerminal)
        progress = [&io](std::size_t row, std::size_t rows) {
            io.Err << "\rsaruvi-measure: " << row << " of " << rows << std::flush;
        };
    const bool measured = MeasureBatch(list == "-" ? io.In : file, base, io.Out, progress);
    if (io.ErrIsTerminal)
        io.Err << "\r\033[K" << std::flush;
    return measured ? 0 : 1;
}

} // namespace

int RunMeasureTool(const std::vector<std::string>& args, const TToolStreams& io) {
    std::string error;
    const std::optional<TOptions> options = Parse(args, error);
    if (!options) {
        io.Err << "saruvi-measure: " << error << "\n" << UsageText;
        return 2;
    }
    if (options->Help) {
        io.Out << UsageText << "\n" << HelpText;
        return 0;
    }
    if (options->Version) {
        io.Out << "saruvi-measure " << SARUVI_VERSION << "\n";
        return 0;
    }
    return options->Csv ? MeasureList(*options->Csv, io) : MeasureOne(*options, io);
}
