// libFuzzer target: any text either reads into a form of the standard controls or raises the
// reader's error, never worse; and a form that was read is written back as a description that
// reads again and writes the same.

#include "framework/core/Exceptions.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/platform/headless/HeadlessHost.h"
#include "framework/platform/qt/QtFontEngine.h"
#include "framework/stdctrls/StandardClasses.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The written description of what text reads into, or nothing when the reader refuses it.
std::optional<std::string> ReadAndWrite(std::string_view text) {
    auto form = std::make_unique<TForm>(nullptr);
    try {
        ReadComponent(form.get(), text, "fuzz.json");
    } catch (const EReadError&) {
        return std::nullopt;
    }
    Application->ProcessMessages();
    return WriteComponent(form.get());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::InstallHeadlessHost(platform::CreateQtFontEngine());
    (new TApplication(nullptr))->Initialize();
    RegisterStandardClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<std::string> written =
        ReadAndWrite(std::string_view(reinterpret_cast<const char*>(data), size));
    if (written && ReadAndWrite(*written) != written)
        __builtin_trap();
    return 0;
}
