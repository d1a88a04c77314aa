#include "analysis/FileTypes1.h"

namespace FileTypes1 {

std::shared_ptr<fw::FileType> pText;
std::vector<std::shared_ptr<fw::FileType>> pAllFileTypes;

fw::Handle<fw::FileType> Text() { return fw::Handle<fw::FileType>(pText.get(), "FileTypes1.Text"); }

void Initialize() {
    pText = std::make_shared<fw::FileType>();
    // Every property is set before the first conversion, so the registration below
    // carries the complete set.
    Text()->SetName("text/plain");
    Text()->SetExtensions(".txt, dat");
    Text()->SetMacType("TEXT");
    Text()->SetMacCreator("????");
    Text()->SetMimeType("");
    Text()->SetImported(true);
    Text()->SetConformsTo("public.data, public.content");
    Text()->SetUTI("public.text");
    pAllFileTypes.push_back(pText);
    Text()->ToText();
}

}  // namespace FileTypes1
