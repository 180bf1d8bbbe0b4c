#include "tools/gallery/FormReload.h"

#include "framework/core/ClassInfo.h"
#include "framework/forms/Form.h"
#include "framework/streaming/FormReader.h"

namespace {

void ResetToDefaults(TObject& object) {
    for (const TPropInfo* prop : object.ClassType().AllProperties()) {
        // What is never stored is not the text's to set, such as whether the form shows.
        if (prop->IsStored && !prop->IsStored(object))
            continue;
        if (prop->Kind == TPropKind::Persistent && prop->Object) {
            if (TPersistent* nested = prop->Object(object))
                ResetToDefaults(*nested);
        } else if (prop->Default && prop->Get && prop->Set && prop->Get(object) != *prop->Default)
            prop->Set(object, *prop->Default);
    }
}

} // namespace

void ReloadForm(TCustomForm& form, const std::string& text) {
    while (form.ComponentCount() > 0)
        delete form.Components(form.ComponentCount() - 1);
    ResetToDefaults(form);
    // The reader names only a root without a name.
    form.SetName("");
    ReadComponent(&form, text, form.Name());
}
