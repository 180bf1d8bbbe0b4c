#include "tools/measure/MeasureTool.h"

#include "framework/core/Version.h"
#include "framework/platform/qt/ImageFile.h"
#include "tools/measure/FileWrite.h"
#include "tools/measure/ImageMeasurement.h"
#include "tools/measure/MeasureBatch.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <thread>

namespace {

constexpr const char* HelpText =
    "usage: saruvi-measure [--paint OUT.png] IMAGE X Y\n"
    "       saruvi-measure [--jobs N] --csv LIST\n"
    "\n"
    "Measures the dark region grown from the seed (X, Y) of a BMP image, as Saruvi does.\n"
    "\n"
    "  IMAGE X Y          print the region's pixel count\n"
    "  --paint OUT.png    also write the image with the region in red\n"
    "  --csv LIST         measure every line image,x,y of LIST ('-' for standard input);\n"
    "                     write image,x,y,width,height,pixels,error as CSV. Relative image\n"
    "                     paths are relative to LIST's folder\n"
    "  --jobs N           measure N rows of LIST at once (default: one per processor); the\n"
    "                     rows are written in the list's order all the same\n"
    "  --help, --version\n"
    "\n"
    "Exit status: 0 when everything was measured, 1 when an image or a row failed or the output\n"
    "could not be written, 2 when the command line is wrong.\n";

constexpr int MaxJobs = 1024;

struct TOptions {
    std::optional<std::string> Csv;
    std::optional<std::string> Paint;
    std::optional<std::string> Jobs;
    std::vector<std::string> Operands;
    bool Help = false;
    bool Version = false;
};

struct TValueOption {
    std::string_view Name;
    std::optional<std::string> TOptions::*Value;
};

constexpr TValueOption ValueOptions[] = {
    {"--csv", &TOptions::Csv}, {"--paint", &TOptions::Paint}, {"--jobs", &TOptions::Jobs}};

// What the command line asks for, checked.
struct TCommand {
    TOptions Options;
    TPoint Seed;
    unsigned Jobs = 1;
};

// Takes the value of --name VALUE or --name=VALUE at args[i]; false when args[i] is not it.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const TValueOption& option,
               TOptions& options, std::string& error) {
    const std::string& arg = args[i];
    std::optional<std::string> value;
    if (arg.starts_with(option.Name) && arg.size() > option.Name.size() &&
        arg[option.Name.size()] == '=')
        value = arg.substr(option.Name.size() + 1);
    else if (arg != option.Name)
        return false;
    else if (i + 1 < args.size())
        value = args[++i];
    const std::string name(option.Name);
    if (!value || value->empty())
        error = name + " needs a value";
    else if (options.*option.Value)
        error = name + " is given twice";
    else
        options.*option.Value = std::move(value);
    return true;
}

bool IsOption(const std::string& arg) {
    // A negative number is an operand, to be refused as outside the image or out of range.
    return arg.size() >= 2 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
}

void TakeOption(const std::vector<std::string>& args, std::size_t& i, TOptions& options,
                std::string& error) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h")
        options.Help = true;
    else if (arg == "--version")
        options.Version = true;
    else if (std::none_of(std::begin(ValueOptions), std::end(ValueOptions),
                          [&](const TValueOption& option) {
                              return TakeValue(args, i, option, options, error);
                          }))
        error = "unknown option " + arg;
}

TOptions ReadOptions(const std::vector<std::string>& args, std::string& error) {
    TOptions options;
    bool operandsOnly = false;
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        if (operandsOnly || !IsOption(args[i]))
            options.Operands.push_back(args[i]);
        else if (args[i] == "--")
            operandsOnly = true;
        else
            TakeOption(args, i, options, error);
    }
    return options;
}

std::string CheckCoordinate(const char* name, const std::string& text, int& value) {
    const TCoordinate coordinate = ParseCoordinate(text);
    if (!coordinate.Value)
        return std::string(name) + " " + text + " " + std::string(coordinate.Error);
    value = *coordinate.Value;
    return "";
}

std::string CheckJobs(const std::optional<std::string>& text, unsigned& jobs) {
    if (!text) {
        jobs = std::max(std::thread::hardware_concurrency(), 1u);
        return "";
    }
    const TCoordinate value = ParseCoordinate(*text);
    if (value.Value && *value.Value >= 1 && *value.Value <= MaxJobs) {
        jobs = static_cast<unsigned>(*value.Value);
        return "";
    }
    if (!value.Value && value.Error == NotAnInteger)
        return "--jobs " + *text + " " + std::string(NotAnInteger);
    return "--jobs " + *text + " " + std::string(OutOfRange) + ": it must be from 1 to " +
           std::to_string(MaxJobs);
}

std::string CheckSingle(TCommand& command) {
    const TOptions& o = command.Options;
    if (o.Operands.size() != 3)
        return "expected IMAGE X Y";
    if (o.Jobs)
        return "--jobs is for --csv only";
    if (std::string error = CheckCoordinate("X", o.Operands[1], command.Seed.x); !error.empty())
        return error;
    if (std::string error = CheckCoordinate("Y", o.Operands[2], command.Seed.y); !error.empty())
        return error;
    std::error_code ignored;
    if (o.Paint && std::filesystem::equivalent(*o.Paint, o.Operands[0], ignored))
        return "--paint " + *o.Paint + " would overwrite the image";
    return "";
}

std::string Check(TCommand& command) {
    const TOptions& o = command.Options;
    if (o.Help || o.Version)
        return "";
    if (!o.Csv)
        return CheckSingle(command);
    if (o.Paint || !o.Operands.empty())
        return "--csv takes no operands and no --paint";
    return CheckJobs(o.Jobs, command.Jobs);
}

int Fail(const TToolStreams& io, const std::string& message) {
    io.Err << "saruvi-measure: " << message << "\n";
    return 1;
}

// Output that cannot be written is a failure, also when the rest went well.
int Flushed(const TToolStreams& io, int status) {
    if (io.Out.flush())
        return status;
    return Fail(io, std::string("cannot write standard output: ") + std::strerror(errno));
}

std::string Paint(const std::string& path, const TBitmap& display) {
    const auto png = platform::EncodePng(display.Pixels());
    if (!png)
        return "cannot encode the image as PNG";
    return WriteWholeFile(path, *png);
}

int MeasureOne(const TCommand& command, const TToolStreams& io) {
    const std::string& image = command.Options.Operands[0];
    const std::optional<std::string>& paint = command.Options.Paint;
    TImageMeasurer measurer;
    const TImageMeasurement m = measurer.Measure(image, command.Seed);
    if (!m.Error.empty())
        return Fail(io, image + ": " + m.Error);
    if (paint)
        if (const std::string error = Paint(*paint, measurer.Display()); !error.empty())
            return Fail(io, *paint + ": " + error);
    io.Out << m.Pixels << "\n";
    return Flushed(io, 0);
}

// The whole of a list; false when it cannot be read, with errno saying why.
bool ReadAll(std::istream& in, std::string& text) {
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

int MeasureList(const TCommand& command, const TToolStreams& io) {
    const std::string& list = *command.Options.Csv;
    const bool fromInput = list == "-";
    std::ifstream file;
    if (!fromInput)
        file.open(list, std::ios::binary);
    const std::string name = fromInput ? "standard input" : list;
    std::string text;
    if ((!fromInput && !file) || !ReadAll(fromInput ? io.In : file, text))
        return Fail(io, name + ": " + std::strerror(errno));
    TBatchOptions options{fromInput ? std::filesystem::path()
                                    : std::filesystem::path(list).parent_path(),
                          command.Jobs,
                          {}};
    if (io.ErrIsTerminal)
        options.Progress = [&io](std::size_t row, std::size_t rows) {
            io.Err << "\rsaruvi-measure: " << row << " of " << rows << std::flush;
        };
    const TBatchResult result = MeasureBatch(text, io.Out, options);
    if (io.ErrIsTerminal)
        io.Err << "\r\033[K" << std::flush;
    if (result.Status == TBatchStatus::WriteFailed)
        return Fail(io, std::string("cannot write standard output: ") +
                            std::strerror(result.WriteError));
    return result.Status == TBatchStatus::Measured ? 0 : 1;
}

} // namespace

int RunMeasureTool(const std::vector<std::string>& args, const TToolStreams& io) {
    std::string error;
    TCommand command{ReadOptions(args, error), {}, 1};
    if (error.empty())
        error = Check(command);
    if (!error.empty()) {
        io.Err << "saruvi-measure: " << error << "; see saruvi-measure --help\n";
        return 2;
    }
    if (command.Options.Help)
        io.Out << HelpText;
    else if (command.Options.Version)
        io.Out << "saruvi-measure " << SARUVI_VERSION << "\n";
    else
        return command.Options.Csv ? MeasureList(command, io) : MeasureOne(command, io);
    return Flushed(io, 0);
}
