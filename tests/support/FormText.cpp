#include "tests/support/FormText.h"

#include "framework/streaming/PropertyJson.h"

namespace {

TJson Control(const char* className, int number) {
    const std::string name = std::string(className).substr(1) + std::to_string(number);
    return {{"class", className},
            {"name", name},
            {"properties",
             {{"Left", 8 + number % 50 * 20},
              {"Top", 8 + number / 50 % 50 * 20},
              {"Width", 18},
              {"Height", 18},
              {"Caption", name}}}};
}

std::string FormText(TJson components) {
    TJson form = {{"class", "TForm"},
                  {"name", "Form1"},
                  {"properties", {{"Caption", "Form1"}, {"ClientWidth", 1024}}},
                  {"components", std::move(components)}};
    return form.dump(2) + "\n";
}

} // namespace

std::string WideFormText(int count) {
    TJson components = TJson::array();
    for (int i = 0; i < count; ++i)
        components.push_back(Control(i % 2 ? "TPanel" : "TLabel", i));
    return FormText(std::move(components));
}

std::string DeepFormText(int chains, int depth) {
    TJson components = TJson::array();
    int number = 0;
    for (int chain = 0; chain < chains; ++chain) {
        TJson panel = Control("TPanel", number + depth - 1);
        for (int level = depth - 2; level >= 0; --level) {
            TJson outer = Control("TPanel", number + level);
            outer["components"] = TJson::array({std::move(panel)});
            panel = std::move(outer);
        }
        components.push_back(std::move(panel));
        number += depth;
    }
    return FormText(std::move(components));
}
